// Animation description files (layout, every rejected fault, nothing kept after release), the
// three drawing anchors in pixels, the hit test's bounds, setup.cfg and the fatal-error message.
#include <gtest/gtest.h>
#include <malloc.h>

#include <vector>

#include "setup.h"
#include "criterr.h"
#include "display.h"
#include "test_support.h"
#include "variable.h"

namespace {

class Animator : public ::testing::Test {
protected:
    ScratchDir dir;
    FatalErrors fatal;
    void SetUp() override
    {
        dir.write_bmp("data/gfx/pic.bmp", 200, 100, 200, 40, 40);
        dir.write_bmp("data/gfx/sub/two.bmp", 50, 50, 40, 200, 40);
        game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    }
    void TearDown() override { destroy_bitmap(game_screen); }
    // The message load_anim_object ends with on `text` ("" when it loads).
    std::string fatal_message(const std::string &text, const char *name = "bad.txt")
    {
        dir.write("data/text/bad.txt", text);
        return fatal_of([&] { destroy_anim_object(load_anim_object(name)); });
    }
};

// Size comes before position in a picture-frame line; any white space
// separates the numbers.
const char *recommended = "2\tpic.bmp\nsub/two.bmp 3\n0 40 60 10 20 -5 -3\n1 41 30 0 0 0 0\n0 10 10 100 50 0 0\n\n"
                          "2\n0 2\n0 5 2 7 1\n5 1\n1 9\t0";

// Levels load and release their objects again and again.
TEST_F(Animator, ReadsTheLayoutReleasesAllItHeldAndRefusesBrokenFiles)
{
    dir.write("data/text/a.txt", recommended);
    ANIM_OBJECT_STRUCTURE *obj = load_anim_object("a.txt");
    const ONE_FRAME_STRUCTURE *f = anim_frame(obj, 0, 0);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ((std::vector<long>{f->image, f->width, f->height, f->image_position_X, f->image_position_Y, f->move_X, f->move_Y,
                                 anim_frame(obj, 0, 1) == &obj->frame[2], obj->image[anim_frame(obj, 5, 0)->image]->w}),
              (std::vector<long>{0, 40, 60, 10, 20, -5, -3, 1, 50}));
    for (int k : {1, 4, 6, 39}) EXPECT_EQ(anim_frame(obj, k, 0), nullptr) << "slot " << k;
    destroy_anim_object(obj);
    size_t before = 0;
    for (int i = 0; i < 120; i++)       // after the first loads have set up what stays
        before = i == 20 ? mallinfo2().uordblks : before, destroy_anim_object(load_anim_object("a.txt"));
    EXPECT_LT(mallinfo2().uordblks, before + 1000);
    // A fault of "" is a file that loads: the limits themselves are allowed.
    // A picture frame is "picture width height x y move_x move_y" after "1 pic.bmp 1".
    const std::string p = "1 pic.bmp 1 ", frame = p + "0 10 10 0 0 0 0 ", outside = "lies outside its 200 x 100 picture";
    struct Case { std::string text, fault; } cases[] = {
        {frame + "1 40 1 0 0 0", "animation slot is 40"}, {frame + "1 -1 1 0 0 0", "animation slot is -1"}, {frame + "1 0 -3 0", "step count is -3"},
        {frame + "1 0 999999 0", "step count is 999999"}, {"-2 pic.bmp", "picture count is -2"}, {"1 pic.bmp -1", "picture-frame count is -1"},
        {frame + "1 0 1 1 0 0", "names picture frame 1 of 1"}, {frame + "1 0 1 -1 0 0", "names picture frame -1 of 1"},
        {p + "1 10 10 0 0 0 0 0", "names picture 1 of 1"}, {p + "-1 10 10 0 0 0 0 0", "picture -1 of 1"}, {p + "0 10 10 195 0 0 0 0", outside},
        {p + "0 10 10 0 95 0 0 0", outside}, {p + "0 -1 10 0 0 0 0 0", outside}, {p + "0 10 -1 0 0 0 0 0", outside},
        {p + "0 10 10 -1 0 0 0 0", outside}, {p + "0 10 10 0 -1 0 0 0", outside}, {p + "0 200 100 0 0 0 0 0", ""},
        {p + "0 0 0 200 100 640 -480 0", ""}, {p + "0 0 0 0 0 641 0 0", "move x is 641"}, {p + "0 0 0 0 0 0 -481 0", "move y is -481"},
        {frame + "1 0 2 0 0 0 0 2", "loop start 2 of slot 0"}, {frame + "1 0 2 0 0 0 0 -1", "loop start -1 of slot 0"}, {frame + "1 0 0 0", ""},
        {frame + "2 0 1 0 0 0", "ends before an animation slot"}, {p + "0 10 10 0", "ends before a picture frame's y"},
        {p + "0 ten 10 0 0 0 0 0", "width is not"}, {"", "ends before the picture count"}, {"1 gone.bmp 0 0", "Unable to open file data/gfx/gone.bmp"},
        {"1 " + std::string(27, 'p') + ".bmp 0 0", "File name too long"}, {"1 " + std::string(5000, 'q') + " 0 0", "longer than"},
        {"1 " + std::string(26, 'p') + ".bmp 0 0", ""},     // 30 characters still fit the path
    };
    dir.write_bmp("data/gfx/" + std::string(26, 'p') + ".bmp", 10, 10, 1, 2, 3);
    for (const Case &c : cases) {
        std::string message = fatal_message(c.text);
        bool named = c.fault.empty() || c.fault[0] == 'U' || c.fault[0] == 'F' || message.find("data/text/bad.txt") != std::string::npos;
        EXPECT_TRUE(c.fault.empty() ? message.empty() : message.find(c.fault) != std::string::npos && named)
            << c.text.substr(0, 60) << " -> " << message;
    }
    EXPECT_EQ(fatal_message("", "nothere.txt"), "Unable to open file data/text/nothere.txt");
    EXPECT_NE(fatal_message("", std::string(40, 'x').c_str()).find("File name too long"), std::string::npos);
}

TEST_F(Animator, EachAnchorPlacesTheRectangleItsOwnWayAndTheHitTestStaysInsideIt)
{
    // Picture frame 1 is a 41 x 30 red rectangle; frame 2 the same with offsets (-5, 3).
    dir.write_bmp("data/gfx/red.bmp", 41, 30, 255, 0, 0);
    dir.write("data/text/anchor.txt", "1 red.bmp 3 0 1 1 0 0 0 0  0 41 30 0 0 0 0  0 41 30 0 0 -5 3 "
                                      "2  1 3 0 1 0 1 1 1 0  2 1 2 1 0");
    ANIM_OBJECT_STRUCTURE *obj = load_anim_object("anchor.txt");
    const int red = makecol(255, 0, 0);
    auto box = [&](int (*draw)(ANIM_OBJECT_STRUCTURE *, int, int, int, int), int slot, int step) {
        clear_to_color(game_screen, 0);
        draw(obj, 100, 200, slot, step);
        std::vector<int> b{10000, 10000, -1, -1};
        for (int y = 0; y < game_screen->h; y++)
            for (int x = 0; x < game_screen->w; x++)
                if (getpixel(game_screen, x, y) == red)
                    b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x), std::max(b[3], y)};
        return b;
    };
    EXPECT_EQ((std::vector<std::vector<int>>{box(draw_center_bottom, 1, 2), box(draw_center_top, 1, 2), box(fr_draw_anim_object, 1, 2),
                                             box(fr_draw_anim_object, 2, 0), box(draw_center_bottom, 2, 0)}),
              (std::vector<std::vector<int>>{{80, 170, 120, 199}, {80, 200, 120, 229}, {100, 200, 140, 229}, {95, 203, 135, 232}, {75, 173, 115, 202}}));
    // Empty slots, steps outside a slot and slots outside the table draw nothing.
    for (auto [slot, step] : {std::pair{3, 0}, {1, 3}, {1, -1}, {40, 0}, {-1, 0}})
        EXPECT_EQ(box(fr_draw_anim_object, slot, step), (std::vector<int>{10000, 10000, -1, -1})) << slot << " " << step;
    destroy_anim_object(obj);
    // The hit test looks only inside the frame's rectangle, and reads only
    // pictures of the object's own list, whatever its frame table says.
    BITMAP *opaque = create_bitmap(20, 20);
    clear_to_color(opaque, makecol(9, 9, 9));   // opaque beyond the 10 x 10 rectangle too
    BITMAP *around[3] = {opaque, opaque, opaque};
    ONE_FRAME_STRUCTURE frame{0, 0, 0, 10, 10, 0, 0};
    FRAME_STRUCTURE step{0, 0};
    ANIM_OBJECT_STRUCTURE one{};
    one.animation[0] = ANIMATION_STRUCTURE{1, 0, &step};
    one.frame = &frame, one.image = around + 1;     // a list of one, with pictures on either side
    one.bitmap_count = one.frame_count = 1;
    std::vector<bool> hits;     // drawn centre-top at (50, 50): columns 45..54, rows 50..59
    struct { int image, px, py, radius, hit; } cases[] = {{0, 45, 50, 0, 1}, {0, 54, 59, 0, 1}, {0, 55, 55, 0, 0}, {0, 50, 60, 0, 0},
                 {0, 44, 49, 0, 0}, {0, 50, 61, 1, 0}, {0, 50, 61, 2, 1}, {-1, 50, 55, 2, 0}, {1, 50, 55, 2, 0}};
    for (auto c : cases)
        frame.image = c.image, hits.push_back(center_top_opaque_near(&one, 50, 50, 0, 0, c.px, c.py, c.radius) == c.hit);
    EXPECT_EQ(hits, std::vector<bool>(std::size(cases), true));
    destroy_bitmap(opaque);
}

// The keys in their order, or else the defaults; the mode's driver.
TEST(SetupAndFatal, SetupFallsBackToTheDefaultsAndALongFatalMessageIsCut)
{
    ScratchDir dir;
    const int M = DEFAULT_GFX_MODE, C = DEFAULT_GFX_COLOR;
    struct { const char *text; std::vector<int> read; } cases[] = {
        {"GFX_MODE\n\n  7GFX_COLOR\t24 MUSIC_ON", {0, 7, 24, 0}}, {"GFX_COLOR 16\nGFX_MODE 1\nMUSIC_ON 1\n", {-1, M, C, 0}},
        {"GFX_MODE 3\nGFX_COLOR sixteen\n", {-1, M, C, 0}}, {nullptr, {-1, M, C, 0}}};
    for (const auto &c : cases) {
        if (c.text) dir.write("setup.cfg", c.text);
        SETUP_VALUES v;
        int rc = read_setup(c.text ? "setup.cfg" : "none.cfg", &v);
        EXPECT_EQ((std::vector<int>{rc, v.gfx_mode, v.gfx_color, v.music_on}), c.read) << (c.text ? c.text : "(none)");
    }
    for (auto [mode, driver] : {std::pair{1, GFX_SAFE}, {2, GFX_AUTODETECT}, {0, GFX_XWINDOWS}, {3, GFX_XWINDOWS}, {-1, GFX_XWINDOWS}})
        EXPECT_EQ(gfx_driver_for_mode(mode), driver) << mode;
    FatalErrors fatal;  // a long fatal message is cut, not overflowed
    std::string message = fatal_of([] { critical_error("Unable to open file %s", std::string(5000, 'z').c_str()); });
    EXPECT_EQ(message.size(), (size_t)CRITERR_BUFFER_SIZE - 1);
}

}  // namespace
