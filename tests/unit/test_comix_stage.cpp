// The comic stage: movement, fade, scale, scroll and animation against the
// game clock, and what a composed frame shows.
#include <vector>

#include "close_focus.h"
#include "test_comix_fixture.h"

using namespace comix_test;

namespace {

class ComixStage : public ComixTest {
protected:
    // A shown image of w x h at (x, y), cut from slot `slot` at (0, 0).
    VIRTUAL_IMAGE_TYPE &image(int n, int slot, int x, int y, int w, int h)
    {
        VIRTUAL_IMAGE_TYPE &v = v_image[n];
        memset(&v, 0, sizeof v);
        v.image = slot;
        v.X = v.new_X = x;
        v.Y = v.new_Y = y;
        v.width = w;
        v.height = h;
        v.tempo = 1;
        v.anim_pingpong = 1;
        v.visible = 1;
        v.old = cas;
        return v;
    }
    BITMAP *picture(int slot, int w, int h, int colour)
    {
        c_image[slot] = create_bitmap(w, h);
        clear_to_color(c_image[slot], colour);
        return c_image[slot];
    }
    void tick_at(long t)
    {
        cas = t;
        move_all();
    }
};

TEST_F(ComixStage, StepLimitsAreSignedAndAxesIndependent)
{
    VIRTUAL_IMAGE_TYPE &v = image(0, 0, 100, 10, 8, 8);
    v.new_X = 50;
    v.new_Y = 13;
    v.param1 = -4;
    v.param2 = 2;
    int steps = 0;
    while ((v.X != 50 || v.Y != 13) && steps < 100) {
        move_one(0);
        steps++;
    }
    EXPECT_EQ(steps, 13);   // twelve steps of -4, then -2
    EXPECT_EQ(v.Y, 13);     // y arrived long before x: 2, then 1
    move_one(0);
    EXPECT_EQ(v.X, 50);

    // A limit pointing away from the target moves away for ever; 0 holds.
    v.new_X = 60;
    v.param1 = -3;
    v.new_Y = 40;
    v.param2 = 0;
    move_one(0);
    move_one(0);
    EXPECT_EQ(v.X, 44);
    EXPECT_EQ(v.Y, 13);
    move_one(-1);           // out of the table: nothing
    move_one(COMIX_SLOTS);
}

TEST_F(ComixStage, MovementStepsWhenDueAndCatchesUp)
{
    VIRTUAL_IMAGE_TYPE &v = image(0, 0, 0, 0, 8, 8);
    v.new_X = 1000;
    v.param1 = 1;
    v.tempo = 5;
    v.old = 1000;
    tick_at(1005);
    EXPECT_EQ(v.X, 0);      // first step only once more than tempo has passed
    tick_at(1006);
    EXPECT_EQ(v.X, 1);
    tick_at(1031);          // a burst: steps due at 1010 .. 1030
    EXPECT_EQ(v.X, 6);
    EXPECT_EQ(v.old, 1030);

    // A hidden image does not move, and its steps are not kept for later.
    v.visible = 0;
    tick_at(1100);
    EXPECT_EQ(v.X, 6);
}

TEST_F(ComixStage, FadeInAndOutAtTheirEdges)
{
    VIRTUAL_IMAGE_TYPE &in = image(0, 0, 0, 0, 8, 8);
    in.visible = 0;                 // a fade-in of a hidden image
    in.fade = 1;
    in.fade_value = 100;
    move_all();
    move_all();
    EXPECT_EQ((std::vector<int>{in.fade, in.visible}), (std::vector<int>{201, 0}));
    move_all();                     // passes 255: opaque and shown
    EXPECT_EQ((std::vector<int>{in.fade, in.fade_value, in.visible}), (std::vector<int>{0, 0, 1}));

    VIRTUAL_IMAGE_TYPE &out = image(1, 0, 0, 0, 8, 8);
    out.fade = 32;
    out.fade_value = -16;
    move_all();
    move_all();
    EXPECT_EQ((std::vector<int>{out.fade, out.visible}), (std::vector<int>{0, 1}));  // drawn opaque for this tick
    move_all();
    EXPECT_EQ((std::vector<int>{out.visible, out.fade_value}), (std::vector<int>{0, 0}));

    VIRTUAL_IMAGE_TYPE &top = image(2, 0, 0, 0, 8, 8);
    top.fade = 255;                 // exactly 255 is still translucent
    move_all();
    EXPECT_EQ(top.fade, 255);
}

TEST_F(ComixStage, ScaleStopsAtZeroAndHidesWhenBothAreZero)
{
    VIRTUAL_IMAGE_TYPE &v = image(0, 0, 0, 0, 8, 8);
    v.re_width = 100;
    v.re_height = 100;
    v.r_w = -60;
    v.r_h = -30;
    move_all();
    move_all();
    EXPECT_EQ((std::vector<int>{v.re_width, v.r_w, v.re_height, v.visible}), (std::vector<int>{0, 0, 40, 1}));
    move_all();
    move_all();
    EXPECT_EQ((std::vector<int>{v.re_height, v.visible}), (std::vector<int>{0, 0}));

    VIRTUAL_IMAGE_TYPE &h = image(1, 0, 0, 0, 8, 8);
    h.visible = 0;                  // scale runs for hidden images too
    h.re_width = h.re_height = 10000;
    h.r_w = 500;
    move_all();
    EXPECT_EQ(h.re_width, 10500);
}

TEST_F(ComixStage, ScrollMovesVisibleImagesAndTheirTargets)
{
    VIRTUAL_IMAGE_TYPE &shown = image(0, 0, 100, 100, 8, 8);
    shown.new_X = 300;              // heading right, one pixel per step, tempo far away
    shown.param1 = 1;
    shown.tempo = 100000;
    VIRTUAL_IMAGE_TYPE &hidden = image(1, 0, 50, 50, 8, 8);
    hidden.visible = 0;
    scroll_tempo = 3;
    scroll_x = -2;
    scroll_y = 1;
    scroll_tempo_old = 1000;
    tick_at(1000);
    EXPECT_EQ(shown.X, 100);        // nothing due while the clock has not passed it
    tick_at(1001);
    EXPECT_EQ((std::vector<int>{shown.X, shown.new_X, shown.Y, shown.new_Y}), (std::vector<int>{98, 298, 101, 101}));
    tick_at(1010);                  // due at 1003, 1006, 1009
    EXPECT_EQ((std::vector<long>{shown.X, scroll_tempo_old, hidden.X, hidden.Y}), (std::vector<long>{92, 1012, 50, 50}));

    scroll_tempo = 0;               // off: nothing more
    tick_at(1100);
    EXPECT_EQ(shown.X, 92);
}

static std::vector<int> frames(VIRTUAL_IMAGE_TYPE &v, int n)
{
    std::vector<int> seen;
    for (int i = 0; i < n; i++) {
        cas++;
        move_all();
        seen.push_back(v.anim_actual);
        EXPECT_EQ(v.anim_x, v.anim_actual * v.width);
    }
    return seen;
}

TEST_F(ComixStage, AnimationOrders)
{
    VIRTUAL_IMAGE_TYPE &v = image(0, 0, 0, 0, 10, 8);
    v.anim_y = 30;
    v.anim_count = 4;
    v.anim_tempo = 1;
    v.anim_tempo_old = cas;
    EXPECT_EQ(frames(v, 5), (std::vector<int>{1, 2, 3, 0, 1}));
    EXPECT_EQ(v.anim_y, 30);
    v.anim_type = 1;
    v.anim_actual = 0;
    EXPECT_EQ(frames(v, 5), (std::vector<int>{3, 2, 1, 0, 3}));
    v.anim_type = 2;
    v.anim_actual = 0;
    EXPECT_EQ(frames(v, 7), (std::vector<int>{1, 2, 3, 2, 1, 0, 1}));

    // Hidden images animate too.
    v.visible = 0;
    frames(v, 1);
    EXPECT_EQ(v.anim_actual, 2);
}

TEST_F(ComixStage, PingPongStaysInRangeWhenRestartedOrOfOneFrame)
{
    VIRTUAL_IMAGE_TYPE &v = image(0, 0, 0, 0, 10, 8);
    v.anim_type = 2;
    v.anim_count = 4;
    v.anim_tempo = 1;
    v.anim_tempo_old = cas;
    frames(v, 4);                   // 1 2 3 2: running backwards now
    ASSERT_EQ(v.anim_pingpong, -1);
    v.anim_actual = 0;              // restarted the way `anime` does
    EXPECT_EQ(frames(v, 4), (std::vector<int>{1, 2, 3, 2}));

    v.anim_count = 1;
    v.anim_actual = 0;
    EXPECT_EQ(frames(v, 3), (std::vector<int>{0, 0, 0}));
}

TEST_F(ComixStage, AnimationTempoBelowOneCountsAsOne)
{
    VIRTUAL_IMAGE_TYPE &v = image(0, 0, 0, 0, 10, 8);
    v.anim_count = 3;
    v.anim_tempo = 0;
    v.anim_tempo_old = cas;
    cas += 4;
    move_all();                     // returns, four frames later
    EXPECT_EQ(v.anim_actual, 1);
    v.anim_tempo = -5;
    cas += 2;
    move_all();
    EXPECT_EQ(v.anim_actual, 0);
}

TEST_F(ComixStage, DrawingOrderAndTheThreeRules)
{
    int red = rgb(200, 0, 0), blue = rgb(0, 0, 200), mask = bitmap_mask_color(game_screen);
    picture(0, 40, 40, red);
    BITMAP *b = picture(1, 40, 40, blue);
    rectfill(b, 0, 0, 9, 39, mask);            // left quarter transparent
    image(0, 0, 100, 100, 40, 40);
    image(1, 1, 110, 100, 40, 40);
    show_all();
    EXPECT_EQ(pixel(105, 110), red);            // behind the transparent columns
    EXPECT_EQ(pixel(125, 110), blue);           // the higher number is in front
    EXPECT_EQ(pixel(145, 110), blue);
    EXPECT_EQ(pixel(50, 50), 0);                // cleared to colour 0

    // Translucent: the whole picture, blended, ignoring rectangle and scale.
    VIRTUAL_IMAGE_TYPE &t = image(2, 0, 300, 300, 10, 10);
    t.fade = 128;
    t.re_width = t.re_height = 5000;
    t.anim_x = 20;
    show_all();
    int c = pixel(335, 335);                    // 35 px in: only the whole picture reaches
    EXPECT_NEAR(getr(c), 100, 2);
    EXPECT_EQ(getb(c), 0);

    // Scaled: half size, centred on the unscaled rectangle.
    VIRTUAL_IMAGE_TYPE &s = image(3, 0, 400, 100, 40, 40);
    s.re_width = 5000;
    s.re_height = 5000;
    show_all();
    EXPECT_EQ(pixel(409, 120), 0);
    EXPECT_EQ(pixel(410, 110), red);
    EXPECT_EQ(pixel(429, 129), red);
    EXPECT_EQ(pixel(430, 120), 0);
    EXPECT_EQ(pixel(420, 130), 0);

    // One axis at 0: nothing.  Empty slot: nothing.
    s.re_width = 0;
    VIRTUAL_IMAGE_TYPE &e = image(4, 7, 500, 300, 40, 40);
    e.fade = 0;
    show_all();
    EXPECT_EQ(pixel(420, 120), 0);
    EXPECT_EQ(pixel(520, 320), 0);
}

TEST_F(ComixStage, AnimationFrameIsCutFromThePicturesLeftEdge)
{
    BITMAP *p = picture(0, 30, 10, rgb(10, 10, 10));
    rectfill(p, 10, 0, 19, 9, rgb(0, 200, 0));
    rectfill(p, 20, 0, 29, 9, rgb(0, 0, 200));
    VIRTUAL_IMAGE_TYPE &v = image(0, 0, 50, 50, 10, 10);
    v.anim_x = 20;                  // as defined: source at pos_X
    show_all();
    EXPECT_EQ(pixel(55, 55), rgb(0, 0, 200));
    v.anim_count = 3;
    v.anim_tempo = 1;
    v.anim_tempo_old = cas;
    cas++;
    move_all();                     // frame 1: x = 10 from the picture's edge
    show_all();
    EXPECT_EQ(pixel(55, 55), rgb(0, 200, 0));

    // A scaled frame lying partly outside the picture draws only its inside.
    v.anim_x = 25;
    v.re_width = v.re_height = 20000;
    show_all();
    EXPECT_EQ(pixel(49, 50), rgb(0, 0, 200));   // x 45..54 shows columns 25..29
    EXPECT_EQ(pixel(56, 50), 0);
}

TEST_F(ComixStage, DelayRunsOneTickPerHundredthAndCatchesUpFirst)
{
    picture(0, 8, 8, rgb(9, 9, 9));
    VIRTUAL_IMAGE_TYPE &v = image(0, 0, 0, 0, 8, 8);
    v.new_X = 10000;
    v.param1 = 1;
    v.tempo = 1;
    v.old = cas - 50;               // fifty ticks passed during a pause
    v.fade = 1;
    v.fade_value = 1;
    long before = cas;
    c_delay(30);
    EXPECT_GE(cas, before + 30);
    long ran = cas - before;
    EXPECT_EQ(v.fade, 1 + ran);     // fade: one step per tick of the delay only
    EXPECT_EQ(v.X, 50 + ran - 1);   // movement: the pause is made up
}

TEST_F(ComixStage, SpaceOrTheCloseButtonEndsADelayAtOnce)
{
    at_ms(100, [] {
        key[KEY_SPACE] = 1;
        simulate_keypress(' ');
    });
    long before = cas;
    c_delay(500);
    EXPECT_LT(cas, before + 20);
    EXPECT_FALSE(keypressed());     // the press is forgotten
    key[KEY_SPACE] = 0;
    at_ms(now_us() / 1000 + 50, [] { close_requested = 1; });
    before = cas;
    c_delay(100000);
    EXPECT_LT(cas, before + 20);
}

}  // namespace
