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

#include <cmath>
#include <string>

#include "animator.h"
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

TEST_F(HudArt, PortraitsAreOpaqueInTheirPanelAndAllDifferent)
{
    const char *names[4] = {"data/gfx/level/hit100.bmp", "data/gfx/level/hit66.bmp", "data/gfx/level/hit33.bmp",
                            "data/gfx/level/hit0.bmp"};
    BITMAP *p[4];
    for (int i = 0; i < 4; i++)
        ASSERT_NE(p[i] = load(names[i]), nullptr);
    for (int i = 0; i < 4; i++) {
        int holes = 0;
        for (int y = 4; y < 100; y++)
            for (int x = 4; x < 109; x++)
                holes += is_mask(p[i], x, y);
        EXPECT_EQ(holes, 0) << names[i] << ": the street would show through the portrait";
        for (int j = i + 1; j < 4; j++) {
            int differ = 0;
            for (int y = 0; y < 104; y++)
                for (int x = 0; x < 113; x++)
                    differ += getpixel(p[i], x, y) != getpixel(p[j], x, y);
            EXPECT_GT(differ, 113 * 104 / 20) << names[i] << " and " << names[j] << " look alike";
        }
    }
    for (BITMAP *b : p)
        destroy_bitmap(b);
}

TEST_F(HudArt, ShotMarksSitWhereTheGameDrawsThem)
{
    // The bandit's crack: a dark hole in the middle, see-through all round.
    BITMAP *hole = load("data/gfx/level/hole.bmp");
    ASSERT_NE(hole, nullptr);
    for (int k = 0; k < 160; k++) {
        EXPECT_TRUE(is_mask(hole, k, 0) && is_mask(hole, k, 159) && is_mask(hole, 0, k) && is_mask(hole, 159, k))
            << "edge pixel " << k << " is not see-through";
    }
    EXPECT_FALSE(is_mask(hole, 80, 80));
    EXPECT_LT(luma(hole, getpixel(hole, 80, 80)), 60);
    int clear = 0;
    for (int y = 0; y < 160; y++)
        for (int x = 0; x < 160; x++)
            clear += is_mask(hole, x, y);
    EXPECT_GT(clear, 160 * 160 / 2) << "the crack hides too much of the street";
    destroy_bitmap(hole);

    // The player's bullet holes are multiplied in with their top-left on the
    // aim: dark near that corner, white (no change) at the far corner.
    for (const char *name : {"data/gfx/level/dira01.bmp", "data/gfx/level/dira02.bmp", "data/gfx/level/dira03.bmp",
                             "data/gfx/level/dira04.bmp"}) {
        SCOPED_TRACE(name);
        BITMAP *b = load(name);
        if (!b)
            continue;
        int dark_x = 0, dark_y = 0, darkest = 256;
        for (int y = 0; y < b->h; y++)
            for (int x = 0; x < b->w; x++) {
                int c = getpixel(b, x, y);
                if (c != bitmap_mask_color(b) && luma(b, c) < darkest) {
                    darkest = luma(b, c);
                    dark_x = x;
                    dark_y = y;
                }
            }
        EXPECT_LT(darkest, 80);
        EXPECT_LE(dark_x, 5);
        EXPECT_LE(dark_y, 5);
        int far = getpixel(b, b->w - 1, b->h - 1);
        EXPECT_TRUE(far == bitmap_mask_color(b) || luma(b, far) >= 240);
        destroy_bitmap(b);
    }
}

TEST_F(HudArt, TheRevolverStaysBelowTheDoorsAndLeansTowardItsSector)
{
    ANIM_OBJECT_STRUCTURE *kolt = load_anim_object("kolt01.txt");
    double last_lean = -1e9;
    for (int s = 0; s < 7; s++) {
        SCOPED_TRACE(s);
        FrameView v = view(kolt, s, 0);
        ASSERT_NE(v.f, nullptr);
        int w = v.f->width, h = v.f->height;
        // Aimed as high as play allows, the gun at rest reaches at most a
        // little into the creatures' boots.
        int top_on_screen = kScreenH + kAimTop / 10 - h + v.top_opaque_row();
        EXPECT_GE(top_on_screen, kCreatureZoneBottom - 25);
        // Aimed as low as play allows, most of the gun is still on the screen.
        int visible_rows = h - kAimBottom / 10;
        int visible = 0;
        for (int y = 0; y < visible_rows; y++)
            for (int x = 0; x < w; x++)
                visible += v.opaque(x, y);
        EXPECT_GT(visible, 3000);
        // The barrel (the upper third of the art) leans toward the sector.
        int top = v.top_opaque_row();
        double sum = 0;
        int n = 0;
        for (int y = top; y < top + (h - top) / 3; y++)
            for (int x = 0; x < w; x++)
                if (v.opaque(x, y)) {
                    sum += x;
                    n++;
                }
        ASSERT_GT(n, 0);
        double lean = sum / n - w / 2.0;
        EXPECT_GT(lean, last_lean + 5) << "sector " << s << " does not lean further right than the one before";
        if (s < 3) {
            EXPECT_LT(lean, 0);
        }
        if (s > 3) {
            EXPECT_GT(lean, 0);
        }
        last_lean = lean;
    }
    destroy_anim_object(kolt);
}

TEST_F(HudArt, TheFiringFrameShowsAMuzzleFlashThatTheRestFrameLacks)
{
    ANIM_OBJECT_STRUCTURE *kolt = load_anim_object("kolt01.txt");
    for (int s = 0; s < 7; s++) {
        SCOPED_TRACE(s);
        FrameView rest = view(kolt, s, 0), fire = view(kolt, s, 1);
        ASSERT_NE(rest.f, nullptr);
        ASSERT_NE(fire.f, nullptr);
        int flash_rest = 0, flash_fire = 0, flash_ahead = 0, differ = 0;
        int gun_top = rest.top_opaque_row();
        for (int y = 0; y < rest.f->height; y++)
            for (int x = 0; x < rest.f->width; x++) {
                bool fr = fire.opaque(x, y) && is_flash(fire.pic, fire.colour(x, y));
                flash_rest += rest.opaque(x, y) && is_flash(rest.pic, rest.colour(x, y));
                flash_fire += fr;
                flash_ahead += fr && y < gun_top + 10;
                differ += rest.opaque(x, y) != fire.opaque(x, y) || rest.colour(x, y) != fire.colour(x, y);
            }
        EXPECT_LT(flash_rest, 30);
        EXPECT_GT(flash_fire, 400);
        EXPECT_GT(flash_ahead, 250) << "the flash is not at the muzzle";
        EXPECT_GT(differ, 3000);
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
            // Drawn centre-bottom at (560, 460): it stays clear of the doors,
            // the kill bar at x 633 and the screen's edges.
            EXPECT_LE(v.f->height, 460 - kCreatureZoneBottom);
            EXPECT_LE(560 + v.f->move_X + v.f->width / 2, 632);
            brass[n] = 0;
            for (int y = 0; y < v.f->height; y++)
                for (int x = 0; x < v.f->width; x++)
                    brass[n] += v.opaque(x, y) && is_brass(v.pic, v.colour(x, y));
        }
        EXPECT_EQ(brass[0], 0);
        ASSERT_GT(brass[1], 50);
        for (int n = 2; n < 7; n++) {
            double per = (double)brass[n] / n;
            EXPECT_NEAR(per, brass[1], brass[1] * 0.2) << n << " cartridges";
        }
    }
    EXPECT_EQ(anim_frame(nab, 7, 0), nullptr);
    destroy_anim_object(nab);
}

}  // namespace
