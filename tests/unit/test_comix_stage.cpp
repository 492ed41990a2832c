// The comic stage: movement, fade, scale, scroll and animation against the
// game clock, what a composed frame shows, and the delay that runs them.
#include <tuple>

#include "test_comix_fixture.h"

using namespace comix_test;

namespace {

using ComixStage = ComixTest;

// Steps are due once more than the tempo has passed since the last one; a
// burst catches up.  Their limits are signed and each axis goes its own way.
TEST_F(ComixStage, MovementStepsWhenDueWithSignedLimits)
{
    VIRTUAL_IMAGE_TYPE &v = image(0, 0, 100, 10, 8, 8);
    v.new_X = 50, v.new_Y = 13, v.param1 = -4, v.param2 = 2, v.tempo = 5;
    Ints seen;
    for (long t : {1005, 1006, 1011, 1031, 1061, 1066, 1100}) tick_at(t), seen.push_back(v.X), seen.push_back(v.Y);
    // Twelve steps of -4 then one of -2 in x; 2 then 1 in y.
    EXPECT_EQ(seen, (Ints{100, 10, 96, 12, 92, 13, 76, 13, 52, 13, 50, 13, 50, 13}));
    EXPECT_EQ(v.old, 1095);
    // A limit pointing away from the target moves away for ever; 0 holds; a tempo below 1 counts as 1.
    v.new_X = 60, v.param1 = -3, v.new_Y = 40, v.param2 = 0, v.tempo = 0;
    tick_at(1098);
    EXPECT_EQ((Ints{v.X, v.Y}), (Ints{44, 13}));
    v.visible = 0;          // a hidden image does not move
    tick_at(1200);
    EXPECT_EQ(v.X, 44);
    move_one(-1), move_one(COMIX_SLOTS);    // out of the table: nothing
}

// {fade, its step, width and height scale, their steps, visible} at the
// start, then after every tick.  Both run for hidden images too.
TEST_F(ComixStage, FadeAndScaleStopAtTheirEdges)
{
    using V = VIRTUAL_IMAGE_TYPE;
    int V::*f[] = {&V::fade, &V::fade_value, &V::re_width, &V::re_height, &V::r_w, &V::r_h, &V::visible};
    std::vector<Ints> cases[] = {
        // A fade-in of a hidden image passes 255: opaque and shown.
        {{1, 100, 0, 0, 0, 0, 0}, {101, 100, 0, 0, 0, 0, 0}, {201, 100, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 1}},
        // Faded out: drawn opaque for the tick it reaches 0, hidden after.
        {{32, -16, 0, 0, 0, 0, 1}, {16, -16, 0, 0, 0, 0, 1}, {0, -16, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0}},
        {{255, 0, 0, 0, 0, 0, 1}, {255, 0, 0, 0, 0, 0, 1}},         // exactly 255 is still translucent
        {{0, 255, 0, 0, 0, 0, 1}, {255, 255, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 1}},
        // Each scale stops at 0; both at 0 hide the image.
        {{0, 0, 100, 100, -60, -30, 1}, {0, 0, 40, 70, -60, -30, 1}, {0, 0, 0, 40, 0, -30, 1}, {0, 0, 0, 10, 0, -30, 1},
         {0, 0, 0, 0, 0, 0, 0}},
        {{0, 0, 10000, 10000, 500, 0, 0}, {0, 0, 10500, 10000, 500, 0, 0}},
    };
    for (const auto &c : cases) {
        VIRTUAL_IMAGE_TYPE &v = image(0, 0, 0, 0, 8, 8);
        for (int i = 0; i < 7; i++) v.*f[i] = c[0][i];
        for (size_t t = 1; t < c.size(); t++) {
            move_all();
            Ints now;
            for (auto field : f) now.push_back(v.*field);
            EXPECT_EQ(now, c[t]) << "case " << &c - cases << " tick " << t;
        }
    }
}

TEST_F(ComixStage, ScrollMovesVisibleImagesAndTheirTargets)
{
    VIRTUAL_IMAGE_TYPE &shown = image(0, 0, 100, 100, 8, 8);
    shown.new_X = 300, shown.param1 = 1, shown.tempo = 100000;    // heading right, one pixel per step, tempo far away
    VIRTUAL_IMAGE_TYPE &hidden = image(1, 0, 50, 50, 8, 8);
    hidden.visible = 0;
    scroll_tempo = 3, scroll_x = -2, scroll_y = 1, scroll_tempo_old = 1000;
    tick_at(1000);
    EXPECT_EQ(shown.X, 100);        // nothing due while the clock has not passed it
    tick_at(1001);
    EXPECT_EQ((Ints{shown.X, shown.new_X, shown.Y, shown.new_Y}), (Ints{98, 298, 101, 101}));
    tick_at(1010);                  // due at 1003, 1006, 1009
    EXPECT_EQ((Ints{shown.X, scroll_tempo_old, hidden.X, hidden.Y}), (Ints{92, 1012, 50, 50}));
    scroll_tempo = 0;               // off: nothing more
    tick_at(1100);
    EXPECT_EQ(shown.X, 92);
}

// The frames shown tick after tick, for every order; ping-pong turns at the
// ends before it steps, so a restart while running backwards, or a single
// frame, stays in range.  Hidden images animate too.
TEST_F(ComixStage, AnimationOrders)
{
    struct { int type, count, tempo, start, pingpong, visible; Ints frames; } cases[] = {
        {0, 4, 1, 0, 1, 1, {1, 2, 3, 0, 1}}, {1, 4, 1, 0, 1, 1, {3, 2, 1, 0, 3}}, {2, 4, 1, 0, 1, 0, {1, 2, 3, 2, 1, 0, 1}},
        {2, 4, 1, 0, -1, 1, {1, 2, 3, 2}},      // restarted the way `anime` does
        {2, 4, 1, 2, 0, 1, {3, 2, 1}}, {2, 1, 1, 0, 1, 1, {0, 0, 0}}, {0, 3, 2, 0, 1, 1, {1, 1, 2, 2, 0, 0}},
        {0, 3, 0, 0, 1, 1, {1, 2, 0}},          // a tempo below 1 counts as 1
        {1, 3, -5, 7, 1, 1, {1, 0, 2}},         // beyond the last frame: from the last
    };
    for (const auto &c : cases) {
        VIRTUAL_IMAGE_TYPE &v = image(0, 0, 0, 0, 10, 8);
        v.anim_y = 30, v.anim_type = c.type, v.anim_count = c.count, v.anim_tempo = c.tempo;
        v.anim_actual = c.start, v.anim_pingpong = c.pingpong, v.visible = c.visible;
        Ints seen;
        for (size_t i = 0; i < c.frames.size(); i++) {
            tick_at(cas + 1);
            seen.push_back(v.anim_actual);
            EXPECT_EQ((Ints{v.anim_x, v.anim_y}), (Ints{v.anim_actual * 10, 30}));
        }
        EXPECT_EQ(seen, c.frames) << "order " << c.type << " of " << c.count << " from " << c.start;
    }
}

TEST_F(ComixStage, DrawingOrderAndTheThreeRules)
{
    const int red = rgb(200, 0, 0), blue = rgb(0, 0, 200), green = rgb(0, 200, 0);
    picture(0, 40, 40, red);
    rectfill(picture(1, 40, 40, blue), 0, 0, 9, 39, bitmap_mask_color(game_screen));   // left quarter transparent
    image(0, 0, 100, 100, 40, 40);
    image(1, 1, 110, 100, 40, 40);
    // Translucent: the whole picture, blended, ignoring rectangle and scale.
    VIRTUAL_IMAGE_TYPE &t = image(2, 0, 300, 300, 10, 10);
    t.fade = 128, t.re_width = t.re_height = 5000, t.anim_x = 20;
    show_all();
    // Behind the transparent columns; the higher number in front; cleared to colour 0.
    EXPECT_EQ((Ints{pixel(105, 110), pixel(125, 110), pixel(145, 110), pixel(50, 50)}), (Ints{red, blue, blue, 0}));
    int c = pixel(335, 335);                    // 35 px in: only the whole picture reaches
    EXPECT_NEAR(getr(c), 100, 2);
    EXPECT_EQ(getb(c), 0);
    // Scaled: half size, centred on the unscaled rectangle.
    VIRTUAL_IMAGE_TYPE &s = image(3, 0, 400, 100, 40, 40);
    s.re_width = s.re_height = 5000;
    show_all();
    for (auto [x, y, colour] : {std::tuple{409, 120, 0}, {410, 110, red}, {429, 129, red}, {430, 120, 0}, {420, 130, 0}})
        EXPECT_EQ(pixel(x, y), colour) << x << "," << y;
    // One axis at 0: nothing.  Empty slot, or a slot outside the table: nothing.
    s.re_width = 0;
    image(4, 7, 500, 300, 40, 40);
    image(5, COMIX_SLOTS, 500, 400, 40, 40);
    // An animation frame is cut from the picture's left edge, plus pos_X as defined.
    BITMAP *p = picture(6, 30, 10, rgb(10, 10, 10));
    rectfill(p, 10, 0, 19, 9, green);
    rectfill(p, 20, 0, 29, 9, blue);
    VIRTUAL_IMAGE_TYPE &v = image(6, 6, 50, 50, 10, 10);
    v.anim_x = 20;                  // as defined: source at pos_X
    show_all();
    EXPECT_EQ((Ints{pixel(420, 120), pixel(520, 320), pixel(55, 55)}), (Ints{0, 0, blue}));
    v.anim_count = 3, v.anim_tempo = 1;
    tick_at(cas + 1);               // frame 1: x = 10 from the picture's edge
    show_all();
    EXPECT_EQ(pixel(55, 55), green);
    // A scaled frame lying partly outside the picture draws only its inside.
    v.anim_x = 25, v.re_width = v.re_height = 20000;
    show_all();
    EXPECT_EQ((Ints{pixel(49, 50), pixel(56, 50)}), (Ints{blue, 0}));   // x 45..54 shows columns 25..29
}

// A delay runs the stage one tick per hundredth of a second, making up a
// pause's movement first; Space or the close button end it at once.
TEST_F(ComixStage, DelayRunsOneTickPerHundredthAndSpaceOrCloseEndIt)
{
    picture(0, 8, 8, rgb(9, 9, 9));
    VIRTUAL_IMAGE_TYPE &v = image(0, 0, 0, 0, 8, 8);
    v.new_X = 10000, v.param1 = v.fade = v.fade_value = 1;
    v.old = cas - 50;               // fifty ticks passed during a pause
    long before = cas;
    c_delay(30);
    long ran = cas - before;
    EXPECT_EQ((Ints{ran >= 30, v.fade, v.X}), (Ints{1, 1 + ran, 50 + ran - 1}));
    at_ms(now_us() / 1000 + 100, [] { key[KEY_SPACE] = 1, simulate_keypress(' '); });
    before = cas;
    c_delay(500);
    EXPECT_EQ((Ints{cas < before + 20, keypressed()}), (Ints{1, 0}));     // the press is forgotten
    key[KEY_SPACE] = 0;
    at_ms(now_us() / 1000 + 50, [] { close_requested = 1; });
    before = cas;
    c_delay(100000);
    EXPECT_LT(cas, before + 20);
}

}  // namespace
