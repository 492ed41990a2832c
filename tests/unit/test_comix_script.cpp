// The comic player: the script's commands and their fields, how words are read, the scripts it
// refuses, the comic's files, the player's skips, pauses and close; and the stage: movement,
// fade, scale, scroll and animation against the game clock, a composed frame, the delay.
// The tests run on a memory back buffer, a clock that only moves when the player sleeps, and
// input scripted against that clock so that blocking waits can be driven from a test.
#include <gtest/gtest.h>
#include <malloc.h>
#include <stdio.h>
#include <string.h>

#include <tuple>
#include <utility>
#include <vector>

#include "close_focus.h"
#include "comix.h"
#include "input.h"
#include "pacing.h"
#include "present.h"
#include "sound.h"
#include "test_support.h"
#include "variable.h"

namespace {

using Ints = std::vector<long>;
struct CloseRequested {};

// Actions run at the first sleep at or after their time, once.
std::vector<std::pair<unsigned long, std::function<void()>>> events;
unsigned long now_us() { return fake_clock::now(); }
void at_ms(unsigned long ms, std::function<void()> action) { events.push_back({ms * 1000UL, action}); }
void scripted_sleep()
{
    if (now_us() > 120000000UL) throw std::runtime_error("the comic did not end in two minutes");
    for (auto &e : events)
        if (e.second && now_us() >= e.first) std::exchange(e.second, nullptr)();
}
int rgb(int r, int g, int b) { return makecol(r, g, b); }

class Comix : public ::testing::Test {
protected:
    ScratchDir dir;
    FatalErrors fatal;

    void reset()
    {
        memset((void *)key, 0, KEY_MAX), memset(v_image, 0, sizeof v_image), click_latch_clear(), events.clear();
        mouse_b = mouse_x = mouse_y = close_requested = scroll_tempo = scroll_x = scroll_y = scroll_tempo_old = 0;
        close_handler = nullptr;
        for (int i = 0; i < COMIX_SLOTS; i++)
            destroy_bitmap(c_image[i]), destroy_sample(c_sound[i]), c_image[i] = nullptr, c_sound[i] = nullptr;
    }
    void SetUp() override
    {
        reset(), fake_clock::install(0, 1, scripted_sleep), frame_stats_reset();
        spec_cas = 0, cas = 1000, sound_volume = 70;
        clear_to_color(game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT), rgb(1, 2, 3));
    }
    void TearDown() override
    {
        reset(), destroy_bitmap(game_screen), fake_clock::uninstall();
        game_screen = nullptr;
    }
    void play(const std::string &text) { dir.write("data/comix/test.cmx", text), comix_play("test.cmx"); }
    int pixel(int x, int y) const { return getpixel(game_screen, x, y); }
    // A shown image of w x h at (x, y), cut from slot `slot` at (0, 0).
    VIRTUAL_IMAGE_TYPE &image(int n, int slot, int x, int y, int w, int h)
    {
        VIRTUAL_IMAGE_TYPE &v = v_image[n] = VIRTUAL_IMAGE_TYPE{};
        v.image = slot, v.X = v.new_X = x, v.Y = v.new_Y = y, v.width = w, v.height = h;
        v.tempo = v.anim_pingpong = v.visible = 1;
        v.old = v.anim_tempo_old = cas;
        return v;
    }
    BITMAP *picture(int slot, int w, int h, int colour) { return clear_to_color(c_image[slot] = create_bitmap(w, h), colour), c_image[slot]; }
    void tick_at(long t) { cas = t, move_all(); }
};

Ints fields(const VIRTUAL_IMAGE_TYPE &v)     // for whole-record comparisons
{
    return {v.image, v.pos_X, v.pos_Y, v.X, v.Y, v.new_X, v.new_Y, v.width, v.height, v.param1, v.param2, v.tempo, v.fade,
            v.fade_value, v.re_width, v.re_height, v.r_w, v.r_h, v.anim_count, v.anim_actual, v.anim_x, v.anim_y,
            v.anim_tempo, v.anim_type, v.anim_pingpong, v.anim_tempo_old};
}

// The end of a comic hides every image but leaves the other fields as the
// commands set them, so they can be checked after it.
TEST_F(Comix, CommandsSetTheirFieldsWordsAreReadBoundedAndBrokenScriptsAreRefused)
{
    std::string note(300, 'x');         // a long note is one word, passed over
    play(note + "setxy 1 2 3 " + note + " setxy 2 4 5");
    EXPECT_EQ((Ints{v_image[1].X, v_image[2].X}), (Ints{0, 4}));   // "xx..xsetxy" is no keyword
    // virtual defines and resets an image but keeps its animation's state.
    VIRTUAL_IMAGE_TYPE &v = v_image[3];
    v.anim_actual = v.anim_type = 2, v.anim_tempo_old = 55, v.anim_pingpong = -1;
    v.fade = v.re_width = v.param1 = v.tempo = v.anim_count = 9;
    play("virtual 3 4 10 20 30 40");
    EXPECT_EQ(fields(v), (Ints{4, 10, 20, 0, 0, 0, 0, 30, 40, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 2, 10, 20, 0, 2, 1, 55}));
    // move's tempo 0 becomes 1; getXY copies the position only.
    play("virtual 0 0 0 0 10 10 virtual 1 0 0 0 20 30 vis_on 0 setxy 0 5 6 setreal 0 -2 3 "
         "move 0 100 200 4 -5 0 movereal 0 10 -20 getXY 1 0 fade 0 1 7 resize 1 100 200 -3 4 "
         "anime 0 4 12 anime_type 0 1 scroll 3 -1 2 quit setxy 9 1 1");
    EXPECT_EQ(fields(v_image[0]), (Ints{0, 0, 0, 3, 9, 110, 180, 10, 10, 4, -5, 1, 1, 7, 0, 0, 0, 0, 4, 0, 0, 0, 12, 1, 1, cas}));
    EXPECT_EQ(fields(v_image[1]), (Ints{0, 0, 0, 3, 9, 0, 0, 20, 30, 0, 0, 1, 0, 0, 100, 200, -3, 4, 0, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ((Ints{scroll_tempo, scroll_x, scroll_y, scroll_tempo_old, v_image[0].old, v_image[0].visible}),
              (Ints{3, -1, 2, cas, cas, 0}));
    // quit clears the picture without presenting it and does not end the script.
    EXPECT_EQ((Ints{pixel(0, 0), v_image[9].X, fake_clock::sleeps()}), (Ints{0, 1, 0}));
    // Tenths of the size, truncated first; resize_stop ends the scale only.
    clear_to_color(game_screen, rgb(5, 5, 5));
    play("virtual 2 0 0 0 30 50 resize_rel 2 15 25 -9 10 resize_rel 3 1 1 1 1 cls");
    const VIRTUAL_IMAGE_TYPE &r = v_image[2];
    EXPECT_EQ((Ints{pixel(0, 0), fake_clock::sleeps(), r.re_width, r.re_height, r.r_w, r.r_h}), (Ints{0, 0, 30, 100, 0, 50}));
    play("resize_stop 2");
    EXPECT_EQ((Ints{r.re_width, r.re_height, r.r_h}), (Ints{0, 0, 50}));
    // Odd spacing and notes.  A command ending before its last number leaves the fields it would have set as they were.
    play("--THE-STAGE--   virtual\t5\n\n  1   2\n3 4\t\t 5\r\n"
         "The deputy will setxy 5 -7 +8 and then rest.\nmove 6 1 2 3 4 5\nvirtual 7 3\nsetxy 5 1");
    EXPECT_EQ((Ints{v_image[5].image, v_image[5].pos_X, v_image[5].height, v_image[5].X, v_image[5].Y, v_image[7].image,
                    v_image[7].pos_X, v_image[7].anim_x}), (Ints{1, 2, 5, 1, 8, 3, 0, 0}));
    // "delay" in place of y: setxy sets x only, then the delay runs.
    long before = cas;
    play("virtual 0 0 0 0 1 1 setxy 0 40 delay 20 setxy 1 3 4");
    EXPECT_EQ((Ints{v_image[0].X, v_image[0].Y, v_image[1].Y, cas >= before + 20}), (Ints{40, 0, 4, 1}));
    // Numbers outside the tables skip the command but consume its arguments.
    dir.write_bmp("data/comix/a.bmp", 4, 4, 200, 0, 0);
    memset(v_image, 0x55, sizeof v_image);   // any write outside would show up as changed
    VIRTUAL_IMAGE_TYPE kept[COMIX_SLOTS];
    memcpy(kept, v_image, sizeof kept);
    play("image 20 a.bmp image -1 a.bmp sound 99 a.bmp destroy 20 destroy_sound -3 virtual 20 0 0 0 1 1 vis_on -1 "
         "move 25 1 2 3 4 5 setxy 20 1 2 fade -1 1 1 setreal 20 1 1 movereal 20 1 1 getXY 20 0 getXY 0 -4 getXY 0 20 "
         "resize 20 1 1 1 1 resize_rel 20 1 1 1 1 resize_stop 20 anime 20 1 1 anime_type 20 1 play_sound 20 1 1 "
         "repeat_sound -1 1 1 stop_sound 40");
    for (auto &b : kept) b.visible = 0;     // the comic's start and end hide all
    EXPECT_EQ((Ints{memcmp(kept, v_image, sizeof kept), scroll_tempo}), (Ints{0, 0}));
    // A name too long for its path, and a script that is not there, end the program naming the file.
    dir.write("data/comix/main.cmx", "include gone.cmx");
    struct { std::string name, text, message; } cases[] = {
                 {"test.cmx", "image 0 " + std::string(29, 'n') + ".bmp", "data/comix/test.cmx"},
                 {"test.cmx", "include " + std::string(200, 'i'), "data/comix/test.cmx"},
                 {std::string(29, 'c'), "", "File name too long"},
                 {"nothere.cmx", "", "Unable to open file data/comix/nothere.cmx"},
                 {"main.cmx", "", "Unable to open file data/comix/gone.cmx"}};
    for (const auto &c : cases) {
        if (!c.text.empty()) dir.write("data/comix/" + c.name, c.text);
        std::string message = fatal_of([&] { comix_play(c.name.c_str()); });
        EXPECT_NE(message.find(c.message), std::string::npos) << c.name << ": " << message;
    }
}

// Every picture and sound a comic names (its included script's too, one level
// deep) is loaded before its first frame, one per command; the comic starts on
// a clean stage without the pointer and releases them all at its end.
TEST_F(Comix, FilesAreReadAheadWithTheFramesPacedAndLiveForTheComicOnly)
{
    dir.write_bmp("data/comix/red.bmp", 16, 8, 0, 250, 0), dir.write_bmp("data/comix/big.bmp", 32, 8, 0, 250, 0);
    dir.write_wav("data/comix/s.wav"), dir.write("data/comix/inner.cmx", "image 3 big.bmp include missing.cmx setxy 8 1 1");
    for (int i = 0; i < COMIX_SLOTS; i++) v_image[i].visible = 1;
    scroll_tempo = 4;
    c_image[7] = create_bitmap(4, 4);       // left over: released, not drawn
    BITMAP *hand = create_bitmap(64, 64);
    clear_to_color(hand, rgb(200, 0, 0)), present_init(1), set_pointer(hand), pointer_show(1);
    Ints seen;
    at_ms(0, [&] {
        seen = {v_image[0].visible, c_image[7] != nullptr, scroll_tempo, getpixel(present_picture(), 2, 2)};
        remove("data/comix/big.bmp"), remove("data/comix/s.wav");   // gone after the first frame: read already
    });
    at_ms(500, [&] {
        for (int slot : {0, 1, 2, 3, 4})
            seen.push_back(slot == 2 ? c_sound[2] != nullptr : c_image[slot] ? c_image[slot]->w : 0);
    });
    // Loading into an occupied slot replaces what was there; a picture that cannot be loaded leaves its slot empty.
    play("delay 1 image 0 red.bmp image 0 big.bmp image 1 none.bmp sound 2 s.wav sound 2 s.wav include inner.cmx image 4 "
         "big.bmp play_sound 5 255 128 repeat_sound 5 255 128 stop_sound 5 play_sound 2 255 128 virtual 0 0 0 0 32 8 "
         "setxy 0 10 10 vis_on 0 delay 100");
    present_exit(), destroy_bitmap(hand);
    // The last frame stays; the include within an include is passed over.
    EXPECT_EQ(seen, (Ints{0, 0, 0, rgb(1, 2, 3), 32, 0, 1, 32, 32}));
    EXPECT_EQ((Ints{pixel(30, 12), v_image[8].X}), (Ints{rgb(0, 250, 0), 1}));
    char stats[4096] = "";
    for (FILE *f = fmemopen(stats, sizeof stats - 1, "w"); f; f = nullptr) screen_stats_write(f), fclose(f);
    EXPECT_NE(strstr(stats, "screen comic frames "), nullptr) << stats;   // the comic's frames are a screen's own
    for (int i = 0; i < COMIX_SLOTS; i++) EXPECT_TRUE(!c_image[i] && !c_sound[i] && !v_image[i].visible) << i;
    // Nothing a comic loaded stays behind: not what it replaced, nor what it read ahead.
    dir.write_bmp("data/comix/big.bmp", 32, 8, 0, 250, 0), dir.write_wav("data/comix/s.wav");
    size_t before = 0;
    for (int i = 0; i < 60; i++)
        before = i == 10 ? mallinfo2().uordblks : before, play("image 0 big.bmp image 0 big.bmp sound 1 s.wav sound 1 s.wav image 2 big.bmp destroy 2");
    EXPECT_LT(mallinfo2().uordblks, before + 1000);
    // While the files are read, the picture before the comic stands and is
    // shown again only when less than 4 ms of its frame remain.
    dir.write_bmp("data/comix/a.bmp", 4, 4, 1, 2, 3);
    Ints frames;
    for (long left : {16666, 4000, 3999}) {     // a frame was just shown; a comic without a frame of its own
        frame_stats_reset(), frame_wait(), fake_clock::advance_us(16666 - left);
        long sleeps = fake_clock::sleeps();
        play("image 0 a.bmp"), frames.push_back(fake_clock::sleeps() - sleeps);
    }
    EXPECT_EQ(frames, (Ints{0, 0, 1}));
}

// A skip (Esc, or a click however quick) ends the whole comic, even from an
// included script, once the key or button is up, and nothing after the
// comic sees it.  The click that started the level does not skip it.
TEST_F(Comix, EscOrAClickEndsTheWholeComicOnceReleasedAndIsConsumed)
{
    key[KEY_ESC] = 1;                       // held from the start: the first command runs
    at_ms(300, [] { key[KEY_ESC] = 0; }), play("setxy 0 1 1 setxy 1 2 2");
    EXPECT_EQ((Ints{v_image[0].X, v_image[1].X, now_us() >= 300000UL}), (Ints{1, 0, 1}));
    dir.write("data/comix/inner.cmx", "delay 1000 setxy 1 1 1"), at_ms(400, [] { key[KEY_ESC] = 1; });
    at_ms(450, [] { key[KEY_ESC] = 0; }), play("include inner.cmx setxy 2 2 2");
    EXPECT_EQ((Ints{v_image[1].X, v_image[2].X}), (Ints{0, 0}));
    click_latch_press(), play("delay 10 setxy 3 5 5");
    EXPECT_EQ(v_image[3].X, 5);
    at_ms(now_us() / 1000 + 200, [] { click_latch_press(); });     // between two frames: only the latch saw it
    long before = cas;
    play("delay 1000 setxy 4 5 5 delay 1000");
    EXPECT_EQ((Ints{cas < before + 100, left_clicked()}), (Ints{1, 0}));
    unsigned long t = now_us() / 1000;
    at_ms(t + 100, [] { mouse_b = 1; });   // held: the comic ends when the button comes up
    at_ms(t + 700, [] { mouse_b = 0; }), play("delay 1000 setxy 4 5 5");
    EXPECT_EQ((Ints{now_us() >= (t + 700) * 1000, v_image[4].X, left_clicked()}), (Ints{1, 0, 0}));
}

// The pause holds the stage still; a click or a key goes on with the comic
// (it does not end it), and the time the player read is nobody's: nothing
// jumps after it, on the stage or on the game clock.
TEST_F(Comix, PauseHoldsTheStageAndNothingJumpsAfterItAndCloseEndsEveryWait)
{
    dir.write_bmp("data/comix/p.bmp", 8, 8, 0, 0, 250), at_ms(100, [] { mouse_b = 1; }), at_ms(2000, [] { mouse_b = 0; });
    long before = cas;
    play("image 0 p.bmp virtual 0 0 0 0 8 8 vis_on 0 move 0 600 0 1 0 1 pause setxy 3 7 7");
    EXPECT_EQ((Ints{cas, v_image[0].X, v_image[3].X, now_us() >= 2000000UL, left_clicked()}), (Ints{before, 0, 7, 1, 0}));
    at_ms(now_us() / 1000 + 1000, [] { simulate_keypress('a'); });
    play("virtual 0 0 0 0 8 8 vis_on 0 move 0 600 0 1 0 1 pause delay 2");
    // A step or two at the delay, not a hundred at once.
    EXPECT_EQ((Ints{v_image[0].X <= 4, cas <= before + 4, keypressed()}), (Ints{1, 1, 0}));
    // A button held from before the comic (the click on New game) skips neither it nor its pause.
    unsigned long t = now_us() / 1000;
    mouse_b = 1;
    at_ms(t + 500, [] { mouse_b = 0; }), at_ms(t + 1500, [] { mouse_b = 1; click_latch_press(); });
    at_ms(t + 1600, [] { mouse_b = 0; }), play("setxy 0 5 5 pause setxy 1 6 6");
    EXPECT_EQ((Ints{v_image[0].X, v_image[1].X, now_us() >= (t + 1500) * 1000}), (Ints{5, 6, 1}));   // waited for the fresh click
    // The close button ends the comic from every wait.
    close_handler = [] { throw CloseRequested(); };     // the program's never returns
    for (auto [script, held] : {std::pair{"delay 100000", 0}, {"pause", 0}, {"setxy 0 1 1", 1}}) {
        events.clear();
        close_requested = 0, mouse_b = held;            // 1: waiting for the button to come up
        at_ms(now_us() / 1000 + 100, [] { close_requested = 1; });
        EXPECT_THROW(play(script), CloseRequested) << script;
        if (!held)
            screen_end();                   // the program leaves from inside the comic's screen
    }
    // Without a handler that leaves, the comic still ends at once.
    mouse_b = 0, close_handler = nullptr, close_requested = 1;
    play("pause delay 100000 setxy 6 1 1");
    EXPECT_EQ(v_image[6].X, 0);
}

// Steps are due once more than the tempo has passed since the last one; a
// burst catches up.  Their limits are signed and each axis goes its own way.
TEST_F(Comix, TheStageMovesScrollsFadesScalesAndAnimatesTickByTick)
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
    cas = 1000;             // a scroll moves the visible images and their targets
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
    // {fade, its step, width and height scale, their steps, visible} at the
    // start, then after every tick.  Both run for hidden images too.
    using V = VIRTUAL_IMAGE_TYPE;
    int V::*f[] = {&V::fade, &V::fade_value, &V::re_width, &V::re_height, &V::r_w, &V::r_h, &V::visible};
    std::vector<Ints> fades[] = {
        // A fade-in of a hidden image passes 255: opaque and shown.
        {{1, 100, 0, 0, 0, 0, 0}, {101, 100, 0, 0, 0, 0, 0}, {201, 100, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 1}},
        // Faded out: drawn opaque for the tick it reaches 0, hidden after.
        {{32, -16, 0, 0, 0, 0, 1}, {16, -16, 0, 0, 0, 0, 1}, {0, -16, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0}},
        {{255, 0, 0, 0, 0, 0, 1}, {255, 0, 0, 0, 0, 0, 1}},         // exactly 255 is still translucent
        {{0, 255, 0, 0, 0, 0, 1}, {255, 255, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 1}},
        // Each scale stops at 0; both at 0 hide the image.
        {{0, 0, 100, 100, -60, -30, 1}, {0, 0, 40, 70, -60, -30, 1}, {0, 0, 0, 40, 0, -30, 1}, {0, 0, 0, 10, 0, -30, 1}, {0, 0, 0, 0, 0, 0, 0}},
        {{0, 0, 10000, 10000, 500, 0, 0}, {0, 0, 10500, 10000, 500, 0, 0}},
    };
    for (const auto &c : fades) {
        VIRTUAL_IMAGE_TYPE &v = image(0, 0, 0, 0, 8, 8);
        for (int i = 0; i < 7; i++) v.*f[i] = c[0][i];
        for (size_t t = 1; t < c.size(); t++) {
            move_all();
            Ints now;
            for (auto field : f) now.push_back(v.*field);
            EXPECT_EQ(now, c[t]) << "case " << &c - fades << " tick " << t;
        }
    }
    // The animation frames shown tick after tick, for every order; ping-pong turns at the ends before it steps, so a
    // restart while running backwards, or a single frame, stays in range.  Hidden images animate too.
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

TEST_F(Comix, DrawingOrderTheThreeRulesAndTheDelayThatRunsTheStage)
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
    // A delay runs the stage one tick per hundredth of a second, making up a
    // pause's movement first; Space or the close button end it at once.
    memset(v_image, 0, sizeof v_image), brix_timer();     // the clock brought up to now
    VIRTUAL_IMAGE_TYPE &d = image(0, 0, 0, 0, 8, 8);
    d.new_X = 10000, d.param1 = d.fade = d.fade_value = 1;
    d.old = cas - 50;               // fifty ticks passed during a pause
    long before = cas;
    c_delay(30);
    long ran = cas - before;
    EXPECT_EQ((Ints{ran >= 30, d.fade, d.X}), (Ints{1, 1 + ran, 50 + ran - 1}));
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
