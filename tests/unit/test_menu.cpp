// The menus' rules that a player can feel: hot rectangles without their
// borders, the sliders and what they pass to Allegro, the cheat codes typed
// in the quit dialog, and the top-ten table's file.
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <deque>
#include <fstream>
#include <sstream>
#include <string>

#include "input.h"
#include "menu.h"
#include "topten.h"
#include "sound.h"
#include "test_support.h"
#include "texts.h"
#include "variable.h"

namespace {

TEST(HotRectangle, BordersAreOutside)
{
    struct Case {
        int x, y, in;
    } cases[] = {{41, 247, 1}, {89, 280, 1}, {40, 260, 0}, {90, 260, 0}, {60, 246, 0}, {60, 281, 0}};
    for (const Case &c : cases) {
        mouse_x = c.x;
        mouse_y = c.y;
        mouse_b = 1;
        EXPECT_EQ(is_on(40, 246, 90, 281), c.in) << c.x << "," << c.y;
        EXPECT_EQ(is_clicked(40, 246, 90, 281), c.in) << c.x << "," << c.y;
    }
    // A tap shorter than a frame still clicks, once.
    mouse_x = 60;
    mouse_y = 260;
    mouse_b = 0;
    click_latch_press();
    m_sample_click();
    EXPECT_EQ(is_clicked(40, 246, 90, 281), 1);
    m_sample_click();
    EXPECT_EQ(is_clicked(40, 246, 90, 281), 0);
}

TEST(KeyLatch, EveryPressCountsOnceAndARepeatNotAtAll)
{
    key_latch_clear();
    key_latch_event(KEY_Z);             // down...
    key_latch_event(KEY_Z);             // ...and the repeats of a key held down
    key_latch_event(KEY_Z);
    key_latch_event(KEY_Z | 0x80);
    key_latch_event(KEY_Z);             // a second tap, before anyone looked
    key_latch_event(KEY_Z | 0x80);
    EXPECT_EQ(key_pressed(KEY_Z), 1);
    EXPECT_EQ(key_pressed(KEY_Z), 1);
    EXPECT_EQ(key_pressed(KEY_Z), 0);
    key_latch_event(KEY_ESC);
    key_latch_clear();                  // a screen that opens forgets old presses
    EXPECT_EQ(key_pressed(KEY_ESC), 0);
}

// ---------------------------------------------------------------- sliders

int digi_set = -1, midi_set = -1, speed_x = -1, speed_y = -1;
void record_volume(int d, int m) { digi_set = d, midi_set = m; }
void record_speed(int x, int y) { speed_x = x, speed_y = y; }

TEST(Sliders, FollowThePointerAndClampWithoutADeadZone)
{
    int Y = 200;
    EXPECT_EQ(slider_drag(50, &Y, 170, 1), 80);     // up 30: louder
    EXPECT_EQ(Y, 170);
    EXPECT_EQ(slider_drag(80, &Y, 100, 1), 100);    // clamped at the top...
    EXPECT_EQ(slider_drag(100, &Y, 105, 1), 95);    // ...and back at once
    EXPECT_EQ(slider_drag(5, &Y, 200, 1), 0);
    Y = 150;
    EXPECT_EQ(slider_drag(20, &Y, 160, 0), 30);     // the mouse figure: down is slower
    EXPECT_EQ(slider_drag(30, &Y, 100, 0), 0);
}

TEST(Sliders, SettingsReachAllegroScaled)
{
    menu_set_volume = record_volume;
    menu_set_mouse_speed = record_speed;
    sound_volume = 70;
    music_volume = 80;
    apply_volume();
    EXPECT_EQ(digi_set, 140);
    EXPECT_EQ(midi_set, 160);
    EXPECT_EQ(music_sample_volume(), 204);
    struct {
        int sensitivity, speed;
    } speeds[] = {{0, 0}, {9, 0}, {20, 2}, {100, 10}};
    for (auto s : speeds) {
        mouse_sensitivity = s.sensitivity;
        apply_mouse_speed();
        EXPECT_EQ(speed_x, s.speed);
        EXPECT_EQ(speed_y, s.speed);
    }
    menu_set_volume = set_volume;
    menu_set_mouse_speed = set_mouse_speed;
}

// ---------------------------------------------------------------- cheat codes

std::deque<int> typed;
int next_typed(void)
{
    if (typed.empty())
        return -1;
    int k = typed.front();
    typed.pop_front();
    return k;
}

// Feeds `letters` one per frame with `shifts` held, then one frame with the
// modifier released; returns what that frame matched.
int type_code(CHEAT_STATE *st, const std::string &letters, int shifts)
{
    for (char c : letters)
        typed.push_back(c);
    int matched = -1;
    for (size_t i = 0; i <= letters.size() + 1 && matched < 0; i++)
        matched = cheat_listen(st, shifts, next_typed);
    if (matched < 0)
        matched = cheat_listen(st, 0, next_typed);
    typed.clear();
    return matched;
}

TEST(CheatCodes, AWordTypedWithAModifierIsComparedWhenItIsReleased)
{
    CHEAT_STATE st;
    cheat_reset(&st);
    EXPECT_EQ(type_code(&st, "PLUMBRIDE", KB_SHIFT_FLAG), CHEAT_DUEL);
    EXPECT_EQ(type_code(&st, "COPPERMOTH", KB_SHIFT_FLAG), CHEAT_CIVIL);
    EXPECT_EQ(type_code(&st, "PLUMB", KB_SHIFT_FLAG), -1);         // a partial word...
    EXPECT_EQ(type_code(&st, "RIDE", KB_SHIFT_FLAG), -1);          // ...is gone with the release
    EXPECT_EQ(type_code(&st, "plumbride", KB_CTRL_FLAG), -1);      // no capitals: dropped
    EXPECT_EQ(st.pos, 0);
    // Without a modifier nothing is read or collected.
    typed.assign({'P', 'L'});
    EXPECT_EQ(cheat_listen(&st, 0, next_typed), -1);
    EXPECT_EQ(typed.size(), 2u);
    typed.clear();
}

TEST(CheatCodes, AtMostFortyNineLettersAreRead)
{
    CHEAT_STATE st;
    cheat_reset(&st);
    typed.assign(60, 'A');
    for (int i = 0; i < 60; i++)
        cheat_listen(&st, KB_SHIFT_FLAG, next_typed);
    EXPECT_EQ(st.pos, CHEAT_WORD_SIZE - 1);
    EXPECT_EQ(typed.size(), 60u - (CHEAT_WORD_SIZE - 1));
    typed.clear();
}

TEST(CheatCodes, SwitchesToggleAndTheQuotaCodeMeetsTheQuota)
{
    life_cheat = 0;
    kill_civil_cheat = 0;
    cheat_apply(CHEAT_LIFE);
    EXPECT_EQ(life_cheat, 1);
    cheat_apply(CHEAT_LIFE);
    EXPECT_EQ(life_cheat, 0);
    cheat_apply(CHEAT_CIVIL);
    EXPECT_EQ(kill_civil_cheat, 1);
    kill_civil_cheat = 0;
    max_level_bandit = 12;
    pocet_zabitych = 3;
    cheat_apply(CHEAT_QUOTA);
    EXPECT_EQ(pocet_zabitych, 12);
}

// ---------------------------------------------------------------- top ten

class TopTen : public ::testing::Test {
protected:
    ScratchDir dir;
    TOPTEN_TABLE t;

    std::string file() const
    {
        std::ifstream in(dir.path() + "/" TOPTEN_FILE);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void expect_row(int r, int score, const char *name)
    {
        EXPECT_EQ(t.score[r], score) << "row " << r;
        EXPECT_STREQ(t.name[r], name) << "row " << r;
    }
};

TEST_F(TopTen, AMissingFileGivesTenEmptyRows)
{
    EXPECT_EQ(topten_read(TOPTEN_FILE, &t), 0);
    for (int r = 0; r < TOPTEN_ROWS; r++)
        expect_row(r, 0, "NOBODY");
}

TEST_F(TopTen, RowsThatDoNotFitAreSkippedAndTheRestFilled)
{
    dir.write(TOPTEN_FILE,
              "500\tANNA\n"
              "oops\n"                          // no score
              "450\tA NAME FAR TOO LONG TO FIT\n"  // over 19 characters
              "440\tlower\n"                    // not capitals
              "99999999999\tHUGE\n"             // no int holds it
              "\n"
              "-20\t  SPACED OUT\r\n"           // blanks after the score go, CR too
              "400\tABCDEFGHIJKLMNOPQRS300\tNEXT\n"  // the old form: two rows on a line
              "200\tLAST");                     // no line feed at the end
    EXPECT_EQ(topten_read(TOPTEN_FILE, &t), 5);
    expect_row(0, 500, "ANNA");
    expect_row(1, -20, "SPACED OUT");
    expect_row(2, 400, "ABCDEFGHIJKLMNOPQRS");
    expect_row(3, 300, "NEXT");
    expect_row(4, 200, "LAST");
    expect_row(5, 0, "NOBODY");
    expect_row(9, 0, "NOBODY");
}

TEST_F(TopTen, AScoreGoesBelowEqualOnesAndTheTenthEqualDoesNotEnter)
{
    dir.write(TOPTEN_FILE, "500\tA\n400\tB\n400\tC\n300\tD\n200\tE\n100\tF\n90\tG\n80\tH\n70\tI\n60\tJ\n");
    topten_read(TOPTEN_FILE, &t);
    EXPECT_EQ(topten_place(&t, 400), 3);
    EXPECT_EQ(topten_place(&t, 60), -1);
    EXPECT_EQ(topten_place(&t, -9999), -1);
    EXPECT_EQ(topten_place(&t, 61), 9);
    topten_insert(&t, 3, 400, "NEW");
    expect_row(2, 400, "C");
    expect_row(3, 400, "NEW");
    expect_row(4, 300, "D");
    expect_row(9, 70, "I");     // J is gone
}

TEST_F(TopTen, EveryRowIsWrittenOnItsOwnLineAndReadsBackTheSame)
{
    topten_read(TOPTEN_FILE, &t);
    topten_insert(&t, 0, 900, "ABCDEFGHIJKLMNOPQRS");   // 19 characters
    topten_insert(&t, 1, 800, "   ");                   // spaces only
    topten_insert(&t, 2, 700, "");
    ASSERT_EQ(topten_write(TOPTEN_FILE, &t), 0);
    std::string text = file();
    const std::string head = "900\tABCDEFGHIJKLMNOPQRS\n800\tNOBODY\n700\tNOBODY\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), TOPTEN_ROWS);
    TOPTEN_TABLE back;
    topten_read(TOPTEN_FILE, &back);
    for (int r = 0; r < TOPTEN_ROWS; r++) {
        EXPECT_EQ(back.score[r], t.score[r]);
        EXPECT_STREQ(back.name[r], t.name[r]);
    }
}

TEST_F(TopTen, ATableThatCannotBeWrittenLeavesTheOldFileWhole)
{
    dir.write(TOPTEN_FILE, "500\tOLD\n");
    // The file beside it cannot be made: a folder stands in its way.
    ASSERT_EQ(mkdir((dir.path() + "/" TOPTEN_FILE ".new").c_str(), 0755), 0);
    topten_read(TOPTEN_FILE, &t);
    topten_insert(&t, 0, 900, "NEW");
    EXPECT_EQ(topten_write(TOPTEN_FILE, &t), -1);
    EXPECT_EQ(file(), "500\tOLD\n");
    EXPECT_EQ(topten_write("no/such/folder/" TOPTEN_FILE, &t), -1);
}

}  // namespace

TEST(NameEntry, ALetterIsTakenAsItsCapitalWhateverTheShift)
{
    const struct {
        int typed;
        char stored;
    } cases[] = {{'t', 'T'}, {'T', 'T'}, {'a', 'A'}, {'Z', 'Z'}, {' ', ' '},
                 {'@', 0},   {'[', 0},   {'`', 0},   {'{', 0},   {'1', 0}, {'\r', 0}, {0xe9, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(name_letter(c.typed), c.stored) << c.typed;
}

TEST(TopTenLayout, ScoresEndInOneColumnAndAHugeOneKeepsInsideTheFrame)
{
    const int right = topten_score_x(7) + DIGIT_W * 2;   // "7$"
    for (int score : {0, 45, 1234, 99999, -300})
        EXPECT_EQ(topten_score_x(score) + DIGIT_W * (num_digits(score) + 1), right) << score;
    EXPECT_EQ(topten_score_x(2147483647), topten_score_x(99999999));   // held at the frame
    EXPECT_EQ((std::vector<int>{num_digits(0), num_digits(9), num_digits(10), num_digits(-1000),
                                num_digits(-2147483647 - 1)}),
              (std::vector<int>{1, 1, 2, 4, 10}));
}
