// The status display's pictures, the revolver and the cartridge display as
// the build makes them (the game folder next to this test program): where
// the art sits inside its pictures, and that each slot and step shows what
// the game asks of it.  Sizes and the presence of every slot are checked by
// the loaders and the data checker.
#include <allegro.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>

#include "animator.h"
#include "layout.h"
#include "test_support.h"

namespace {

const int kScreenH = 480;
const int kAimTop = 8, kAimBottom = 340;   // mouse_y range in play
const int kCreatureZoneBottom = 315;

// The game folder made by the build: "game" beside the test program.
std::string game_dir()
{
    char exe[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0)
        return "game";
    exe[n] = '\0';
    char *slash = strrchr(exe, '/');
    if (slash)
        *slash = '\0';
    return std::string(exe) + "/game";
}

// Runs in the game folder, as the game does, while alive.
class InGameDir {
public:
    InGameDir()
    {
        char old[PATH_MAX];
        if (getcwd(old, sizeof old))
            old_ = old;
        ok_ = chdir(game_dir().c_str()) == 0 && access("data/text/kolt01.txt", R_OK) == 0;
    }
    ~InGameDir()
    {
        if (!old_.empty() && chdir(old_.c_str()) != 0)
            abort();
    }
    bool ok() const { return ok_; }

private:
    std::string old_;
    bool ok_ = false;
};

bool is_mask(BITMAP *b, int x, int y)
{
    return getpixel(b, x, y) == bitmap_mask_color(b);
}

// Colour tests on a pixel read from a picture of the loaded colour depth.
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

bool is_brass(BITMAP *pic, int c)
{
    Rgb p = rgb(pic, c);
    return p.r > 140 && p.g > 90 && p.b < 110 && p.r - p.b > 100 && p.r > p.g;
}

bool is_flash(BITMAP *pic, int c)
{
    Rgb p = rgb(pic, c);
    bool yellow = p.r > 240 && p.g > 190 && p.b < 120;   // not skin or brass
    bool white_hot = p.r > 245 && p.g > 240 && p.b > 190;
    return yellow || white_hot;
}

class HudArt : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!dir_.ok())
            GTEST_SKIP() << "no built game folder at " << game_dir();
    }
    static BITMAP *load(const char *path)
    {
        BITMAP *b = load_bitmap(path, nullptr);
        EXPECT_NE(b, nullptr) << path;
        return b;
    }
    InGameDir dir_;
    FatalErrors fatal_;   // a broken file fails the test instead of ending the run
};

// Opaque pixels of one picture frame, row by row.
struct FrameView {
    BITMAP *pic;
    const ONE_FRAME_STRUCTURE *f;
    bool opaque(int x, int y) const
    {
        return !is_mask(pic, f->image_position_X + x, f->image_position_Y + y);
    }
    int colour(int x, int y) const { return getpixel(pic, f->image_position_X + x, f->image_position_Y + y); }
    int top_opaque_row() const
    {
        for (int y = 0; y < f->height; y++)
            for (int x = 0; x < f->width; x++)
                if (opaque(x, y))
                    return y;
        return f->height;
    }
};

FrameView view(ANIM_OBJECT_STRUCTURE *o, int slot, int step)
{
    const ONE_FRAME_STRUCTURE *f = anim_frame(o, slot, step);
    return FrameView{f ? o->image[f->image] : nullptr, f};
}

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

TEST_F(HudArt, PortraitsHideTheStreetAndShotMarksSitWhereTheGameDrawsThem)
{
    for (const char *name : {"hit100", "hit66", "hit33", "hit0"}) {
        BITMAP *p = load(("data/gfx/level/" + std::string(name) + ".bmp").c_str());
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(count(105, 96, [&](int x, int y) { return is_mask(p, x + 4, y + 4); }), 0)
            << name << ": the street would show through the portrait";
        destroy_bitmap(p);
    }
    // The bandit's crack: a dark hole in the middle, see-through all round.
    BITMAP *hole = load("data/gfx/level/hole.bmp");
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
        SCOPED_TRACE(name);
        BITMAP *b = load(("data/gfx/level/" + std::string(name) + ".bmp").c_str());
        ASSERT_NE(b, nullptr);
        EXPECT_GT(count(6, 6, [&](int x, int y) { return !is_mask(b, x, y) && luma(b, getpixel(b, x, y)) < 80; }), 0);
        int far = getpixel(b, b->w - 1, b->h - 1);
        EXPECT_TRUE(far == bitmap_mask_color(b) || luma(b, far) >= 240);
        destroy_bitmap(b);
    }
}

TEST_F(HudArt, TheRevolverStaysBelowTheDoorsLeansTowardItsSectorAndFlashesWhenFiring)
{
    ANIM_OBJECT_STRUCTURE *kolt = load_anim_object("kolt01.txt");
    double last_lean = -1e9;
    for (int s = 0; s < 7; s++) {
        SCOPED_TRACE(s);
        FrameView v = view(kolt, s, 0), fire = view(kolt, s, 1);
        ASSERT_TRUE(v.f && fire.f);
        int w = v.f->width, h = v.f->height, top = v.top_opaque_row();
        // Aimed as high as play allows, the gun at rest reaches at most a
        // little into the creatures' boots; aimed as low, most of it shows.
        EXPECT_GE(kScreenH + kAimTop / 10 - h + top, kCreatureZoneBottom - 25);
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
        EXPECT_TRUE(s == 3 || (s < 3) == (lean < 0)) << lean;
        last_lean = lean;
        // The firing frame shows a muzzle flash, at the muzzle, that the rest frame lacks.
        auto flash = [](const FrameView &f, int x, int y) { return f.opaque(x, y) && is_flash(f.pic, f.colour(x, y)); };
        EXPECT_LT(count(w, h, [&](int x, int y) { return flash(v, x, y); }), 30);
        EXPECT_GT(count(w, h, [&](int x, int y) { return flash(fire, x, y); }), 400);
        EXPECT_GT(count(w, top + 10, [&](int x, int y) { return flash(fire, x, y); }), 250) << "the flash is not at the muzzle";
    }
    destroy_anim_object(kolt);
}

TEST_F(HudArt, TheCylinderShowsAsManyCartridgesAsItsSlotNumber)
{
    ANIM_OBJECT_STRUCTURE *nab = load_anim_object("naboje01.txt");
    for (int step = 0; step < 2; step++) {
        SCOPED_TRACE(step);
        int brass[7];
        for (int n = 0; n < 7; n++) {
            FrameView v = view(nab, n, step);
            ASSERT_NE(v.f, nullptr) << "slot " << n;
            brass[n] = count(v.f->width, v.f->height,
                             [&](int x, int y) { return v.opaque(x, y) && is_brass(v.pic, v.colour(x, y)); });
        }
        EXPECT_EQ(brass[0], 0);
        ASSERT_GT(brass[1], 50);
        for (int n = 2; n < 7; n++)
            EXPECT_NEAR((double)brass[n] / n, brass[1], brass[1] * 0.2) << n << " cartridges";
    }
    destroy_anim_object(nab);
}

}  // namespace
