// The status display's pictures, the revolver and the cartridge display as
// the build makes them (the game folder next to this test program): where
// the art sits inside its pictures, and that each slot and step shows what
// the game asks of it.  Sizes and the presence of every slot are checked by
// the loaders and the data checker.
#include <allegro.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "animator.h"
#include "layout.h"
#include "test_support.h"

namespace {

const int kAimTop = 8, kAimBottom = 340;   // mouse_y range in play
const int kCreatureZoneBottom = 315;

struct Rgb {
    int r, g, b;
};
Rgb rgb(BITMAP *pic, int c)
{
    int d = bitmap_color_depth(pic);
    return Rgb{getr_depth(d, c), getg_depth(d, c), getb_depth(d, c)};
}
int luma(BITMAP *pic, int c)
{
    Rgb p = rgb(pic, c);
    return (p.r * 3 + p.g * 6 + p.b) / 10;
}
bool is_mask(BITMAP *b, int x, int y) { return getpixel(b, x, y) == bitmap_mask_color(b); }

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

// Opaque pixels of one picture frame of an animation.
struct FrameView {
    BITMAP *pic;
    const ONE_FRAME_STRUCTURE *f;
    FrameView(ANIM_OBJECT_STRUCTURE *o, int slot, int step) : f(anim_frame(o, slot, step))
    {
        pic = f ? o->image[f->image] : nullptr;
    }
    int colour(int x, int y) const { return getpixel(pic, f->image_position_X + x, f->image_position_Y + y); }
    bool opaque(int x, int y) const { return colour(x, y) != bitmap_mask_color(pic); }
    bool flash(int x, int y) const
    {
        Rgb p = rgb(pic, colour(x, y));
        bool yellow = p.r > 240 && p.g > 190 && p.b < 120, white_hot = p.r > 245 && p.g > 240 && p.b > 190;
        return opaque(x, y) && (yellow || white_hot);   // not skin or brass
    }
    bool brass(int x, int y) const
    {
        Rgb p = rgb(pic, colour(x, y));
        return opaque(x, y) && p.r > 140 && p.g > 90 && p.b < 110 && p.r - p.b > 100 && p.r > p.g;
    }
    int top_opaque_row() const
    {
        for (int y = 0; y < f->height; y++)
            if (count(f->width, 1, [&](int x, int) { return opaque(x, y); }))
                return y;
        return f->height;
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
    static BITMAP *load(const std::string &name)
    {
        BITMAP *b = load_bitmap(("data/gfx/level/" + name + ".bmp").c_str(), nullptr);
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    std::filesystem::path old_;
    FatalErrors fatal_;   // a broken file fails the test instead of ending the run
};

TEST_F(HudArt, PortraitsHideTheStreetAndShotMarksSitWhereTheGameDrawsThem)
{
    for (const char *name : {"hit100", "hit66", "hit33", "hit0"}) {
        BITMAP *p = load(name);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(count(105, 96, [&](int x, int y) { return is_mask(p, x + 4, y + 4); }), 0)
            << name << ": the street would show through the portrait";
        destroy_bitmap(p);
    }
    // The bandit's crack: a dark hole in the middle, see-through all round.
    BITMAP *hole = load("hole");
    ASSERT_NE(hole, nullptr);
    const int n = HIT_MARK_SIZE, last = n - 1;
    EXPECT_EQ(count(n, n, [&](int x, int y) { return (x % last == 0 || y % last == 0) && !is_mask(hole, x, y); }), 0);
    EXPECT_LT(luma(hole, getpixel(hole, n / 2, n / 2)), 60);
    EXPECT_GT(count(n, n, [&](int x, int y) { return is_mask(hole, x, y); }), n * n / 2)
        << "the crack hides too much of the street";
    destroy_bitmap(hole);
    // The player's bullet holes are multiplied in with their top-left on the
    // aim: dark at that corner, white (no change) at the far corner.
    for (const char *name : {"dira01", "dira02", "dira03", "dira04"}) {
        BITMAP *b = load(name);
        ASSERT_NE(b, nullptr);
        EXPECT_GT(count(6, 6, [&](int x, int y) { return !is_mask(b, x, y) && luma(b, getpixel(b, x, y)) < 80; }), 0)
            << name;
        int far = getpixel(b, b->w - 1, b->h - 1);
        EXPECT_TRUE(far == bitmap_mask_color(b) || luma(b, far) >= 240) << name;
        destroy_bitmap(b);
    }
}

TEST_F(HudArt, TheRevolverStaysBelowTheDoorsLeansTowardItsSectorAndFlashesWhenFiring)
{
    ANIM_OBJECT_STRUCTURE *kolt = load_anim_object(KOLT_ANIM);
    double last_lean = -1e9;
    for (int s = 0; s < KOLT_SECTORS; s++) {
        SCOPED_TRACE(s);
        FrameView v(kolt, s, 0), fire(kolt, s, 1);
        ASSERT_TRUE(v.f && fire.f);
        int w = v.f->width, h = v.f->height, top = v.top_opaque_row();
        // Aimed as high as play allows, the gun at rest reaches at most a
        // little into the creatures' boots; aimed as low, most of it shows.
        EXPECT_GE(SCREEN_HEIGHT + kAimTop / 10 - h + top, kCreatureZoneBottom - 25);
        EXPECT_GT(count(w, h - kAimBottom / 10, [&](int x, int y) { return v.opaque(x, y); }), 3000);
        // The barrel (the upper third of the art) leans toward the sector.
        double sum = 0;
        int n = 0;
        for (int y = top; y < top + (h - top) / 3; y++)
            for (int x = 0; x < w; x++)
                if (v.opaque(x, y))
                    sum += x, n++;
        ASSERT_GT(n, 0);
        double lean = sum / n - w / 2.0;
        EXPECT_GT(lean, last_lean + 5) << "sector " << s << " does not lean further right than the one before";
        EXPECT_TRUE(s == MIDDLE_SECTOR || (s < MIDDLE_SECTOR) == (lean < 0)) << lean;
        last_lean = lean;
        // The firing frame shows a muzzle flash, at the muzzle, that the rest frame lacks.
        EXPECT_LT(count(w, h, [&](int x, int y) { return v.flash(x, y); }), 30);
        EXPECT_GT(count(w, h, [&](int x, int y) { return fire.flash(x, y); }), 400);
        EXPECT_GT(count(w, top + 10, [&](int x, int y) { return fire.flash(x, y); }), 250) << "the flash is not at the muzzle";
    }
    destroy_anim_object(kolt);
}

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
