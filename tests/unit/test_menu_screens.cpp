// The menu screens played as a player plays them: the game's pictures,
// the pointer and keys moved frame by frame on the fake clock, and what the
// player is left with checked -- the setting changed, the row in top.txt,
// the lit pointer, the picture shown.
#include <gtest/gtest.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "input.h"
#include "layout.h"
#include "menu.h"
#include "pacing.h"
#include "present.h"
#include "sound.h"
#include "test_support.h"
#include "texts.h"
#include "topten.h"
#include "variable.h"

namespace {

// The player's script: each step runs at the first frame at least `ms` after
// the one before it.
struct Step {
    unsigned long ms;
    std::function<void()> act;
};
std::deque<Step> script;
unsigned long last_step_us;
int digi_set, midi_set, speed_set;

void play_script()
{
    unsigned long now = fake_clock::now();
    if (now > 30000000UL)
        throw std::runtime_error("the screen did not end");
    if (!script.empty() && now >= last_step_us + script.front().ms * 1000) {
        last_step_us = now;
        auto act = script.front().act;
        script.pop_front();
        act();
    }
}

// The game's data tree, made by the build beside the test program.
const std::string GAME_DATA = std::filesystem::canonical("/proc/self/exe").parent_path() / "game/data";

const int PLAIN = 0x30, LIT = 0x60, INK = 0x90;     // the pointers' and the fonts' blue

class MenuScreens : public ::testing::Test {
protected:
    ScratchDir dir;     // top.txt is written here; data is the game's
    FatalErrors fatal;
    BITMAP *saved_screen = screen;

    void SetUp() override
    {
        if (symlink(GAME_DATA.c_str(), "data") != 0 || access("data/gfx/menu/wanted.bmp", R_OK) != 0)
            GTEST_SKIP() << "no game data beside the test program";
        script.clear();
        fake_clock::install(1000000, 1, play_script);
        last_step_us = fake_clock::now();
        cas = spec_cas = 0;
        brix_timer();
        frame_stats_reset();
        screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
        game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
        present_init(1);
        mouse_pointer = solid(64, 64, PLAIN);
        mouse_pointer2 = solid(64, 64, LIT);
        bfont1 = solid(DIGIT_CELLS * DIGIT_W, DIGIT_H, INK);
        bfont2 = solid(LETTER_CELLS * LETTER_W, LETTER_H, INK);
        set_pointer(mouse_pointer);
        music_on = 0;
        mouse_x = mouse_y = 30;
        clear_input();
        install_keyboard_hooks(nullptr, [] { return 0; });  // readkey reads the typed keys without a driver
        digi_set = midi_set = speed_set = -1;
        menu_set_volume = [](int d, int m) { digi_set = d, midi_set = m; };
        menu_set_mouse_speed = [](int x, int) { speed_set = x; };
    }

    void TearDown() override
    {
        if (IsSkipped())
            return;
        fake_clock::uninstall();
        present_exit();
        for (BITMAP **b : {&screen, &game_screen, &mouse_pointer, &mouse_pointer2, &bfont1, &bfont2})
            if (*b)
                destroy_bitmap(*b);
        game_screen = mouse_pointer = mouse_pointer2 = bfont1 = bfont2 = nullptr;
        screen = saved_screen;
        menu_set_volume = set_volume;
        menu_set_mouse_speed = set_mouse_speed;
        clear_input();
        install_keyboard_hooks(nullptr, nullptr);
    }
    static void clear_input()
    {
        mouse_b = key_shifts = 0;
        memset((void *)key, 0, KEY_MAX);
        click_latch_clear();
        key_latch_clear();
        clear_keybuf();
    }

    static BITMAP *solid(int w, int h, int blue)
    {
        BITMAP *b = create_bitmap(w, h);
        clear_to_color(b, makecol(0, 0x40, blue));
        return b;
    }

    // ------------------------------------------------ the player
    static void then(unsigned long ms, std::function<void()> act) { script.push_back({ms, std::move(act)}); }
    static void point(int x, int y) { mouse_x = x, mouse_y = y; }
    // A touchpad's tap: down and up between two frames.
    static void tap(int x, int y)
    {
        point(x, y);
        click_latch_press();
    }
    static void tap_key(int scancode)
    {
        key_latch_event(scancode);
        key_latch_event(scancode | 0x80);
    }
    // A key typed: its character to the buffer, `repeats` more while held.
    static void type(int scancode, int c, int repeats = 0)
    {
        for (int i = 0; i <= repeats; i++)
            simulate_keypress(scancode << 8 | c);
        tap_key(scancode);
    }
    static int letter_key(char c) { return KEY_A + (c | 0x20) - 'a'; }

    // ------------------------------------------------ what the player sees
    static int shown(int x, int y) { return getpixel(present_picture(), x, y); }
    static bool lit_at(int x, int y) { return shown(x, y) == makecol(0, 0x40, LIT); }
    static bool letter_at(int place) { return shown(222 + LETTER_W * place + 4, 247) == makecol(0, 0x40, INK); }
    // Whether the poster's foot has a line of text (the player's score and level).
    static bool foot_line()
    {
        int ink = 0;
        for (int x = 150; x < 510; x++)
            ink += shown(x, 436) == makecol(0, 0x40, INK);
        return ink > 0;
    }
    // Whether the picture shows `file` with its top-left at (x, y), its mask
    // pixels aside.
    static bool shows(const char *file, int x, int y, int w, int h)
    {
        BITMAP *p = load_bitmap((std::string("data/gfx/menu/") + file).c_str(), nullptr);
        int differ = 0;
        for (int j = 0; j < h; j++)
            for (int i = 0; i < w; i++)
                differ += getpixel(p, i, j) != bitmap_mask_color(p) && getpixel(p, i, j) != shown(x + i, y + j);
        destroy_bitmap(p);
        return differ == 0;
    }
    std::string file() const
    {
        std::stringstream s;
        s << std::ifstream(TOPTEN_FILE).rdbuf();
        return s.str();
    }
};

// ---------------------------------------------------------------- quit dialog

TEST_F(MenuScreens, TheQuitDialogAnswersFreshTapsAndEscOnly)
{
    // The Esc and the held click that opened it answer nothing.
    tap_key(KEY_ESC);
    point(370, 200);            // held on No
    mouse_b = 1;
    then(300, [] {
        mouse_b = 0;
        point(100, 100);
    });
    then(50, [] {
        EXPECT_FALSE(lit_at(100, 100));
        point(250, 180);
    });
    then(50, [] {
        EXPECT_TRUE(lit_at(250, 180));
        tap(250, 180);
    });
    EXPECT_EQ(menu_yesno(), 1);
    then(100, [] { tap(370, 200); });
    EXPECT_EQ(menu_yesno(), 0);
    then(100, [] { tap_key(KEY_ESC); });
    EXPECT_EQ(menu_yesno(), 0);
}

TEST_F(MenuScreens, ACheatCodeTypedInTheQuitDialogIsAppliedAndClosesIt)
{
    life_cheat = 0;
    auto word = [](const char *letters, int shifts) {
        then(30, [shifts] { key_shifts = shifts; });
        for (char c : std::string(letters))
            then(30, [c] { type(letter_key(c), c); });
        then(30, [] { key_shifts = 0; });
    };
    // A word is compared when the modifier is let go: a part of it is gone.
    word("QUARTZ", KB_SHIFT_FLAG);
    word("LANTERNBOAT", KB_SHIFT_FLAG);
    word("QUA", 0);     // letters typed without a modifier are thrown away, not collected
    word("QUARTZLANTERNBOAT", KB_SHIFT_FLAG);
    EXPECT_EQ(menu_yesno(), 0);
    EXPECT_EQ(life_cheat, 1);
    EXPECT_TRUE(script.empty());
}

// ---------------------------------------------------------------- options

TEST_F(MenuScreens, TheOptionsFiguresSetTheVolumesAndTheMouseAndTheDifficultyIsChosen)
{
    music_volume = 50, sound_volume = 70, mouse_sensitivity = 50, obtiznost = DIFFICULTY_EASY;
    point(80, 310);         // the click on Options, still held where Cancel is
    mouse_b = 1;
    then(200, [] { mouse_b = 0; });
    then(50, [] { tap(328, 200), mouse_b = 1; });      // the music figure up 60, held at the top...
    then(50, [] { point(328, 140); });
    then(50, [] { point(328, 145); });                 // ...and down again at once
    then(50, [] { mouse_b = 0; });
    then(50, [] {
        EXPECT_EQ(midi_set, 190);                       // set when let go
        tap(400, 150), mouse_b = 1;                     // the sound figure down, to the bottom
    });
    then(50, [] { point(400, 300); });
    then(50, [] {
        EXPECT_EQ(digi_set, 0);                         // heard while dragging
        EXPECT_TRUE(shows("mute.bmp", 392, 220, 28, 31));
        EXPECT_FALSE(shows("mute.bmp", 318, 220, 28, 31));
        mouse_b = 0;
    });
    then(50, [] { tap(484, 150), mouse_b = 1; });      // the mouse figure down 20
    then(50, [] { point(484, 170); });
    then(50, [] { mouse_b = 0; });
    then(50, [] {
        EXPECT_EQ(speed_set, 7);
        EXPECT_TRUE(shows("difgood.bmp", 280, 350, 259, 115));
        point(75, 300);
    });
    then(50, [] {
        EXPECT_TRUE(lit_at(75, 300));                   // Cancel
        tap(400, 420);                                  // the difficulty screen...
    });
    then(50, [] { EXPECT_EQ(shown(320, 60), 0); });    // ...opening on a clear picture...
    then(250, [] { tap(530, 240); });                  // ...its third column
    then(300, [] {
        EXPECT_TRUE(shows("difugly.bmp", 280, 350, 259, 87));
        tap(75, 300);
    });
    menu_option(0);
    EXPECT_TRUE(script.empty());
    EXPECT_EQ((std::vector<int>{music_volume, sound_volume, mouse_sensitivity, obtiznost}),
              (std::vector<int>{95, 0, 70, DIFFICULTY_HARD}));
}

TEST_F(MenuScreens, TheDifficultyIsChosenByAFreshClickOnALitColumnOrLeftWithQ)
{
    obtiznost = DIFFICULTY_EASY;
    point(100, 240);        // the click that opened the screen, still held on the first column
    mouse_b = 1;
    then(300, [] {
        mouse_b = 0;
        point(300, 240);
    });
    then(50, [] {
        EXPECT_TRUE(lit_at(300, 240));
        EXPECT_TRUE(shows("m02b.bmp", 214, 0, 209, 150));
        EXPECT_TRUE(shows("m02.bmp", 0, 0, 214, 150));   // the other columns unlit
        tap(300, 240);
    });
    menu_obtiznost();
    EXPECT_EQ(obtiznost, DIFFICULTY_MEDIUM);
    then(200, [] { tap_key(KEY_Q); });
    menu_obtiznost();
    EXPECT_EQ(obtiznost, DIFFICULTY_MEDIUM);
    EXPECT_TRUE(script.empty());
}

// ---------------------------------------------------------------- top ten

const char *const TABLE = "900\tA\n800\tB\n700\tC\n600\tD\n500\tE\n400\tF\n300\tG\n200\tH\n100\tI\n-10000\tJ\n";
const int MARK_INK_X = 481, NOT_SAVED_AT_X = 287, NOT_SAVED_AT_Y = 116;
int mark_y(int row) { return 137 + 27 * row + 13; }

TEST_F(MenuScreens, ANewScoreAsksTheNameInCapitalsAndWritesItsRow)
{
    dir.write(TOPTEN_FILE, TABLE);
    then(100, [] { type(KEY_BACKSPACE, '\b'); });     // nothing to rub out yet
    then(20, [] { type(KEY_D, 'd'); });
    then(20, [] {
        EXPECT_TRUE(letter_at(1));                      // the cursor after the D
        type(KEY_O, 'O', 3);                            // held: typed once
    });
    then(20, [] {
        type(KEY_C, 'c');                               // two keys in one frame, in order
        type(KEY_X, 'x');
    });
    then(20, [] { type(KEY_BACKSPACE, '\b'); });
    then(20, [] {
        type(KEY_1, '1');                               // no digits
        type(KEY_SPACE, ' ');
    });
    for (int i = 0; i < 10; i++)
        then(20, [] {
            type(KEY_Z, 'z');                           // two taps in one frame: two letters
            type(KEY_Z, 'z');
        });
    then(20, [] {
        EXPECT_TRUE(letter_at(18) && !letter_at(19));   // 19 letters, and no room for a cursor
        type(KEY_ENTER, '\r');
    });
    then(500, [] { tap(400, 300); });
    point(600, 150);
    menu_topten(650);
    EXPECT_EQ(file(), "900\tA\n800\tB\n700\tC\n650\tDOC ZZZZZZZZZZZZZZZ\n600\tD\n500\tE\n400\tF\n300\tG\n"
                      "200\tH\n100\tI\n");
    // The new row is marked, and the table shows no pointer.
    EXPECT_EQ(shown(MARK_INK_X, mark_y(3)), makecol(122, 38, 26));
    EXPECT_NE(shown(MARK_INK_X, mark_y(2)), makecol(122, 38, 26));
    EXPECT_NE(shown(NOT_SAVED_AT_X, NOT_SAVED_AT_Y), makecol(0, 0x40, INK));
    EXPECT_FALSE(lit_at(600, 150) || shown(600, 150) == makecol(0, 0x40, PLAIN));
}

TEST_F(MenuScreens, ATableThatCannotBeSavedSaysSoAndLeavesTheOldFile)
{
    dir.write(TOPTEN_FILE, TABLE);
    ASSERT_EQ(mkdir(TOPTEN_FILE ".new", 0755), 0);
    then(100, [] { type(KEY_ENTER, '\r'); });
    then(100, [] { tap(400, 300); });       // too soon: the table stands a moment first
    then(400, [] { tap_key(KEY_ESC); });
    menu_topten(650);
    EXPECT_TRUE(script.empty());
    EXPECT_EQ(file(), TABLE);
    EXPECT_EQ(shown(NOT_SAVED_AT_X, NOT_SAVED_AT_Y), makecol(0, 0x40, INK));
    EXPECT_TRUE(foot_line());               // the score just played
}

// ---------------------------------------------------------------- main menu

TEST_F(MenuScreens, TheMainMenuLightsItsItemsAndOpensTheirScreens)
{
    dir.write(TOPTEN_FILE, TABLE);
    tap_key(KEY_Q);                         // pressed before the menu opened: no quit
    then(200, [] { point(60, 260); });
    then(50, [] {
        EXPECT_TRUE(lit_at(60, 260));       // New game
        point(300, 100);
    });
    then(50, [] { EXPECT_FALSE(lit_at(300, 100)); });
    // The poster shows the table and asks no name, whatever its rows hold.
    then(50, [] { tap(520, 370); });
    then(300, [] { EXPECT_TRUE(shows("wanted.bmp", 150, 22, 361, 100) && !foot_line()); });
    then(50, [] { tap(400, 300); });
    then(300, [] { tap(80, 320); });        // Options...
    then(300, [] {
        EXPECT_TRUE(shows("menuhang.bmp", 220, 0, 365, 100));
        tap_key(KEY_ESC);                   // ...and back
    });
    then(300, [] { tap(60, 360); });        // Quit, not confirmed
    then(300, [] { tap(370, 200); });
    then(300, [] { tap(60, 360); });        // Quit, confirmed
    then(300, [] { tap(250, 180); });
    menu_main();
    then(300, [] { tap_key(KEY_Q); });
    menu_main();
    EXPECT_TRUE(script.empty());
    EXPECT_EQ(file(), TABLE);
}

}  // namespace
