// The comic script interpreter: commands and their fields, how words are read,
// the scripts it refuses, the comic's files, the player's skips, pauses and close.
#include <malloc.h>
#include <stdio.h>

#include "present.h"
#include "test_comix_fixture.h"

using namespace comix_test;

namespace {

using ComixScript = ComixTest;

Ints fields(const VIRTUAL_IMAGE_TYPE &v)     // for whole-record comparisons
{
    return {v.image, v.pos_X, v.pos_Y, v.X, v.Y, v.new_X, v.new_Y, v.width, v.height, v.param1, v.param2, v.tempo, v.fade,
            v.fade_value, v.re_width, v.re_height, v.r_w, v.r_h, v.anim_count, v.anim_actual, v.anim_x, v.anim_y,
            v.anim_tempo, v.anim_type, v.anim_pingpong, v.anim_tempo_old};
}

// The end of a comic hides every image but leaves the other fields as the
// commands set them, so they can be checked after it.
TEST_F(ComixScript, CommandsSetTheirFields)
{
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
}

TEST_F(ComixScript, OddSpacingNotesAndMalformedNumbers)
{
    // A command ending before its last number leaves the fields it would have set as they were.
    play("--THE-STAGE--   virtual\t5\n\n  1   2\n3 4\t\t 5\r\n"
         "The deputy will setxy 5 -7 +8 and then rest.\nmove 6 1 2 3 4 5\nvirtual 7 3\nsetxy 5 1");
    EXPECT_EQ((Ints{v_image[5].image, v_image[5].pos_X, v_image[5].height, v_image[5].X, v_image[5].Y, v_image[7].image,
                    v_image[7].pos_X, v_image[7].anim_x}), (Ints{1, 2, 5, 1, 8, 3, 0, 0}));
    // "delay" in place of y: setxy sets x only, then the delay runs.
    long before = cas;
    play("virtual 0 0 0 0 1 1 setxy 0 40 delay 20 setxy 1 3 4");
    EXPECT_EQ((Ints{v_image[0].X, v_image[0].Y, v_image[1].Y, cas >= before + 20}), (Ints{40, 0, 4, 1}));
}

TEST_F(ComixScript, NumbersOutsideTheTablesSkipTheCommandButConsumeItsArguments)
{
    dir.write_bmp("data/comix/a.bmp", 4, 4, 200, 0, 0);
    memset(v_image, 0x55, sizeof v_image);   // any write outside would show up as changed
    VIRTUAL_IMAGE_TYPE before[COMIX_SLOTS];
    memcpy(before, v_image, sizeof before);
    play("image 20 a.bmp image -1 a.bmp sound 99 a.bmp destroy 20 destroy_sound -3 "
         "virtual 20 0 0 0 1 1 vis_on -1 move 25 1 2 3 4 5 setxy 20 1 2 fade -1 1 1 "
         "setreal 20 1 1 movereal 20 1 1 getXY 20 0 getXY 0 -4 getXY 0 20 resize 20 1 1 1 1 "
         "resize_rel 20 1 1 1 1 resize_stop 20 anime 20 1 1 anime_type 20 1 "
         "play_sound 20 1 1 repeat_sound -1 1 1 stop_sound 40");
    for (int i = 0; i < COMIX_SLOTS; i++) {
        before[i].visible = 0;          // the comic's start and end hide all
        EXPECT_EQ(memcmp(&before[i], &v_image[i], sizeof before[i]), 0) << "image " << i;
    }
    EXPECT_EQ(scroll_tempo, 0);
}

// A long note is one word, passed over; a name too long for its path, and
// a script that is not there, end the program naming the file.
TEST_F(ComixScript, LongWordsAreReadBoundedAndBrokenScriptsRefused)
{
    std::string note(300, 'x');
    play(note + "setxy 1 2 3 " + note + " setxy 2 4 5");
    EXPECT_EQ((Ints{v_image[1].X, v_image[2].X}), (Ints{0, 4}));   // "xx..xsetxy" is no keyword
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
TEST_F(ComixScript, FilesAreReadAheadAndLiveForTheComicOnly)
{
    for (const char *name : {"red.bmp", "big.bmp"})
        dir.write_bmp(std::string("data/comix/") + name, name[0] == 'r' ? 16 : 32, 8, 0, 250, 0);
    dir.write_wav("data/comix/s.wav");
    dir.write("data/comix/inner.cmx", "image 3 big.bmp include missing.cmx setxy 8 1 1");
    for (int i = 0; i < COMIX_SLOTS; i++) v_image[i].visible = 1;
    scroll_tempo = 4;
    c_image[7] = create_bitmap(4, 4);       // left over: released, not drawn
    BITMAP *hand = create_bitmap(64, 64);
    clear_to_color(hand, rgb(200, 0, 0));
    present_init(1);
    set_pointer(hand);
    pointer_show(1);
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
    present_exit();
    destroy_bitmap(hand);
    // The last frame stays; the include within an include is passed over.
    EXPECT_EQ(seen, (Ints{0, 0, 0, rgb(1, 2, 3), 32, 0, 1, 32, 32}));
    EXPECT_EQ((Ints{pixel(30, 12), v_image[8].X}), (Ints{rgb(0, 250, 0), 1}));
    char stats[4096] = "";
    FILE *f = fmemopen(stats, sizeof stats - 1, "w");
    screen_stats_write(f), fclose(f);
    EXPECT_NE(strstr(stats, "screen comic frames "), nullptr) << stats;   // the comic's frames are a screen's own
    for (int i = 0; i < COMIX_SLOTS; i++) EXPECT_TRUE(!c_image[i] && !c_sound[i] && !v_image[i].visible) << i;
    // Nothing a comic loaded stays behind: not what it replaced, nor what it read ahead.
    dir.write_bmp("data/comix/big.bmp", 32, 8, 0, 250, 0);
    dir.write_wav("data/comix/s.wav");
    size_t before = 0;
    for (int i = 0; i < 60; i++) {
        before = i == 10 ? mallinfo2().uordblks : before;
        play("image 0 big.bmp image 0 big.bmp sound 1 s.wav sound 1 s.wav image 2 big.bmp destroy 2");
    }
    EXPECT_LT(mallinfo2().uordblks, before + 1000);
}

// While the files are read, the picture before the comic stands and is
// shown again only when less than 4 ms of its frame remain.
TEST_F(ComixScript, ReadingAheadKeepsTheFramesPaced)
{
    dir.write_bmp("data/comix/a.bmp", 4, 4, 1, 2, 3);
    Ints frames;
    for (long left : {16666, 4000, 3999}) {
        frame_stats_reset();
        frame_wait();                       // a frame was just shown
        fake_clock::advance_us(16666 - left);
        long before = fake_clock::sleeps();
        play("image 0 a.bmp");              // a comic without a frame of its own
        frames.push_back(fake_clock::sleeps() - before);
    }
    EXPECT_EQ(frames, (Ints{0, 0, 1}));
}

// A skip (Esc, or a click however quick) ends the whole comic, even from an
// included script, once the key or button is up, and nothing after the
// comic sees it.  The click that started the level does not skip it.
TEST_F(ComixScript, EscOrAClickEndsTheWholeComicOnceReleasedAndIsConsumed)
{
    key[KEY_ESC] = 1;                       // held from the start: the first command runs
    at_ms(300, [] { key[KEY_ESC] = 0; });
    play("setxy 0 1 1 setxy 1 2 2");
    EXPECT_EQ((Ints{v_image[0].X, v_image[1].X, now_us() >= 300000UL}), (Ints{1, 0, 1}));
    dir.write("data/comix/inner.cmx", "delay 1000 setxy 1 1 1");
    at_ms(400, [] { key[KEY_ESC] = 1; });
    at_ms(450, [] { key[KEY_ESC] = 0; });
    play("include inner.cmx setxy 2 2 2");
    EXPECT_EQ((Ints{v_image[1].X, v_image[2].X}), (Ints{0, 0}));
    click_latch_press();
    play("delay 10 setxy 3 5 5");
    EXPECT_EQ(v_image[3].X, 5);
    at_ms(now_us() / 1000 + 200, [] { click_latch_press(); });     // between two frames: only the latch saw it
    long before = cas;
    play("delay 1000 setxy 4 5 5 delay 1000");
    EXPECT_EQ((Ints{cas < before + 100, left_clicked()}), (Ints{1, 0}));
    unsigned long t = now_us() / 1000;
    at_ms(t + 100, [] { mouse_b = 1; });   // held: the comic ends when the button comes up
    at_ms(t + 700, [] { mouse_b = 0; });
    play("delay 1000 setxy 4 5 5");
    EXPECT_EQ((Ints{now_us() >= (t + 700) * 1000, v_image[4].X, left_clicked()}), (Ints{1, 0, 0}));
}

// The pause holds the stage still; a click or a key goes on with the comic
// (it does not end it), and the time the player read is nobody's: nothing
// jumps after it, on the stage or on the game clock.
TEST_F(ComixScript, PauseHoldsTheStageAndNothingJumpsAfterIt)
{
    dir.write_bmp("data/comix/p.bmp", 8, 8, 0, 0, 250);
    at_ms(100, [] { mouse_b = 1; });
    at_ms(2000, [] { mouse_b = 0; });
    long before = cas;
    play("image 0 p.bmp virtual 0 0 0 0 8 8 vis_on 0 move 0 600 0 1 0 1 pause setxy 3 7 7");
    EXPECT_EQ((Ints{cas, v_image[0].X, v_image[3].X, now_us() >= 2000000UL, left_clicked()}), (Ints{before, 0, 7, 1, 0}));
    at_ms(now_us() / 1000 + 1000, [] { simulate_keypress('a'); });
    play("virtual 0 0 0 0 8 8 vis_on 0 move 0 600 0 1 0 1 pause delay 2");
    // A step or two at the delay, not a hundred at once.
    EXPECT_EQ((Ints{v_image[0].X <= 4, cas <= before + 4, keypressed()}), (Ints{1, 1, 0}));
}

TEST_F(ComixScript, AButtonHeldFromBeforeTheComicSkipsNeitherItNorItsPause)
{
    mouse_b = 1;                            // the click on New game, still down
    at_ms(500, [] { mouse_b = 0; });
    at_ms(1500, [] { mouse_b = 1; click_latch_press(); });
    at_ms(1600, [] { mouse_b = 0; });
    play("setxy 0 5 5 pause setxy 1 6 6");
    // The pause waited for the fresh click.
    EXPECT_EQ((Ints{v_image[0].X, v_image[1].X, now_us() >= 1500000UL}), (Ints{5, 6, 1}));
}

TEST_F(ComixScript, CloseButtonEndsTheComicFromEveryWait)
{
    close_handler = [] { throw CloseRequested(); };     // the program's never returns
    for (auto [script, held] : {std::pair{"delay 100000", 0}, {"pause", 0}, {"setxy 0 1 1", 1}}) {
        events().clear();
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

}  // namespace
