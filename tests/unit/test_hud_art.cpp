// The cartridge display as the build makes it (the game folder next to this
// test program): every slot shows as many cartridges as its number.  Sizes,
// the presence of every slot and step, and the zones are checked by the
// loaders and the data checker.
#include <allegro.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "animator.h"
#include "layout.h"
#include "test_support.h"

namespace {

// Count of the pixels (x, y) of a w x h area for which f holds.
template <typename F>
int count(int w, int h, F f)
{
    int n = 0;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            n += f(x, y) ? 1 : 0;
    return n;
}

// One picture frame of an animation.
struct FrameView {
    BITMAP *pic;
    const ONE_FRAME_STRUCTURE *f;
    FrameView(ANIM_OBJECT_STRUCTURE *o, int slot, int step) : f(anim_frame(o, slot, step))
    {
        pic = f ? o->image[f->image] : nullptr;
    }
    int colour(int x, int y) const { return getpixel(pic, f->image_position_X + x, f->image_position_Y + y); }
    bool opaque(int x, int y) const { return colour(x, y) != bitmap_mask_color(pic); }
    bool brass(int x, int y) const
    {
        const int c = colour(x, y), d = bitmap_color_depth(pic);
        const int r = getr_depth(d, c), g = getg_depth(d, c), b = getb_depth(d, c);
        return opaque(x, y) && r > 140 && g > 90 && b < 110 && r - b > 100 && r > g;
    }
};

// Runs in the game folder made by the build ("game" beside this program).
class HudArt : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::path game = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "game";
        old_ = std::filesystem::current_path();
        if (chdir(game.c_str()) != 0 || access("data/text/kolt01.txt", R_OK) != 0)
            GTEST_SKIP() << "no built game folder at " << game;
    }
    void TearDown() override { std::filesystem::current_path(old_); }
    std::filesystem::path old_;
    FatalErrors fatal_;   // a broken file fails the test instead of ending the run
};

TEST_F(HudArt, TheCylinderShowsAsManyCartridgesAsItsSlotNumber)
{
    ANIM_OBJECT_STRUCTURE *nab = load_anim_object(CARTRIDGES_ANIM);
    for (int step = 0; step < 2; step++) {
        int brass[CARTRIDGE_SLOTS];
        for (int n = 0; n < CARTRIDGE_SLOTS; n++) {
            FrameView v(nab, n, step);
            ASSERT_NE(v.f, nullptr) << "slot " << n;
            brass[n] = count(v.f->width, v.f->height, [&](int x, int y) { return v.brass(x, y); });
        }
        EXPECT_EQ(brass[0], 0);
        ASSERT_GT(brass[1], 50);
        for (int n = 2; n < CARTRIDGE_SLOTS; n++)
            EXPECT_NEAR((double)brass[n] / n, brass[1], brass[1] * 0.2) << n << " cartridges at step " << step;
    }
    destroy_anim_object(nab);
}

}  // namespace
