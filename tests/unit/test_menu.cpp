// The menus' rules below their screens: hot rectangles without their
// borders, the cheat-code listener's bounds, the letters of a name, the
// top-ten file and the table's score column.
#include <errno.h>
#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <deque>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "menu.h"
#include "test_support.h"
#include "texts.h"
#include "topten.h"

namespace {

TEST(HotRectangle, BordersAreOutside)
{
    const int cases[][3] = {{41, 247, 1}, {89, 280, 1}, {40, 260, 0}, {90, 260, 0}, {60, 246, 0}, {60, 281, 0}};
    for (const auto &c : cases) {
        mouse_x = c[0], mouse_y = c[1], mouse_b = 1;
        EXPECT_EQ(is_on(40, 246, 90, 281), c[2]) << c[0] << "," << c[1];
        EXPECT_EQ(is_clicked(40, 246, 90, 281), c[2]) << c[0] << "," << c[1];
    }
}

std::deque<int> typed;
int next_typed(void)
{
    if (typed.empty())
        return -1;
    int k = typed.front();
    typed.pop_front();
    return k;
}

TEST(CheatCodes, OnlyCapitalsAreCollectedAndNoMoreThanTheWordHolds)
{
    CHEAT_STATE st;
    cheat_reset(&st);
    typed.assign({'P', 'L'});
    EXPECT_EQ(cheat_listen(&st, 0, next_typed), -1);    // no modifier: nothing read
    EXPECT_EQ(typed.size(), 2u);
    typed.assign({'p', '1', 'Z' | KEY_Z << 8, 'A'});
    for (int i = 0; i < 4; i++)
        cheat_listen(&st, KB_CTRL_FLAG, next_typed);
    EXPECT_STREQ(st.word, "ZA");
    typed.assign(60, 'A');
    for (int i = 0; i < 60; i++)
        cheat_listen(&st, KB_SHIFT_FLAG, next_typed);
    EXPECT_EQ(st.pos, CHEAT_WORD_SIZE - 1);
    EXPECT_EQ(typed.size(), 60u - (CHEAT_WORD_SIZE - 3));
    typed.clear();
}

TEST(NameEntry, ALetterIsTakenAsItsCapitalWhateverTheShift)
{
    const struct {
        int typed;
        char stored;
    } cases[] = {{'t', 'T'}, {'T', 'T'}, {'a', 'A'}, {'A', 'A'}, {'z', 'Z'}, {'Z', 'Z'}, {' ', ' '},
                 {'@', 0},   {'[', 0},   {'`', 0},   {'{', 0},   {'1', 0},   {'\r', 0}, {0xe9, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(name_letter(c.typed), c.stored) << c.typed;
}

// ---------------------------------------------------------------- top ten

// The table's rows as "score name" lines, and `n` empty rows.
std::string rows(const TOPTEN_TABLE &t)
{
    std::string s;
    for (int r = 0; r < TOPTEN_ROWS; r++)
        s += std::to_string(t.score[r]) + " " + t.name[r] + "\n";
    return s;
}
std::string nobody(int n) { return n ? "0 NOBODY\n" + nobody(n - 1) : ""; }

TEST(TopTen, RowsThatDoNotFitAreSkippedAndTheRestFilled)
{
    ScratchDir dir;
    TOPTEN_TABLE t;
    EXPECT_EQ(topten_read(TOPTEN_FILE, &t), 0);     // no file yet
    EXPECT_EQ(rows(t), nobody(10));
    dir.write(TOPTEN_FILE,
              "500\tANNA\n"
              "oops\n"                          // no score
              "450\tABCDEFGHIJKLMNOPQRST\n"  // 20 characters: one too many
              "440\tlower\n"                    // not capitals
              "99999999999\tHUGE\n"             // no int holds it
              "\n"
              "-20\t  SPACED OUT\r\n"           // blanks after the score go, CR too
              "400\tABCDEFGHIJKLMNOPQRS300\tNEXT\n"  // the old form: two rows on a line
              "200\tZED");                      // no line feed at the end
    EXPECT_EQ(topten_read(TOPTEN_FILE, &t), 5);
    EXPECT_EQ(rows(t), "500 ANNA\n-20 SPACED OUT\n400 ABCDEFGHIJKLMNOPQRS\n300 NEXT\n200 ZED\n" + nobody(5));
}

TEST(TopTen, AScoreGoesBelowEqualOnesAndTheTenthEqualDoesNotEnter)
{
    ScratchDir dir;
    TOPTEN_TABLE t;
    dir.write(TOPTEN_FILE, "500\tA\n400\tB\n400\tC\n300\tD\n200\tE\n100\tF\n90\tG\n80\tH\n70\tI\n60\tJ\n50\tK\n");
    topten_read(TOPTEN_FILE, &t);
    EXPECT_EQ((std::vector<int>{topten_place(&t, 400), topten_place(&t, 61), topten_place(&t, 60)}),
              (std::vector<int>{3, 9, -1}));
    topten_insert(&t, 3, 400, "NEW");
    EXPECT_EQ(rows(t), "500 A\n400 B\n400 C\n400 NEW\n300 D\n200 E\n100 F\n90 G\n80 H\n70 I\n");
}

TEST(TopTen, EveryRowIsWrittenOnItsOwnLineAndReadsBackTheSame)
{
    ScratchDir dir;
    TOPTEN_TABLE t, back;
    topten_read(TOPTEN_FILE, &t);
    topten_insert(&t, 0, 900, "ABCDEFGHIJKLMNOPQRS");   // 19 characters
    topten_insert(&t, 1, 800, "   ");                   // spaces only
    ASSERT_EQ(topten_write(TOPTEN_FILE, &t), 0);
    std::stringstream text;
    text << std::ifstream(TOPTEN_FILE).rdbuf();
    EXPECT_EQ(text.str().substr(0, 38), "900\tABCDEFGHIJKLMNOPQRS\n800\tNOBODY\n0\tN");
    topten_read(TOPTEN_FILE, &back);
    EXPECT_EQ(rows(back), "900 ABCDEFGHIJKLMNOPQRS\n800 NOBODY\n" + nobody(8));
    EXPECT_EQ(topten_write("no/such/folder/" TOPTEN_FILE, &t), -1);
}

// The table must reach the disk before it takes the old one's name.
int fsyncs = 0, fsync_fails = 0;
extern "C" int fsync(int fd)
{
    fsyncs++;
    return fsync_fails ? (errno = EIO, -1) : (int)syscall(SYS_fsync, fd);
}

TEST(TopTen, TheNewTableIsOnTheDiskBeforeItReplacesTheOldOne)
{
    ScratchDir dir;
    TOPTEN_TABLE t;
    dir.write(TOPTEN_FILE, "500\tOLD\n");
    topten_read(TOPTEN_FILE, &t);
    topten_insert(&t, 0, 900, "NEW");
    fsyncs = 0;
    fsync_fails = 1;
    EXPECT_EQ(topten_write(TOPTEN_FILE, &t), -1);
    topten_read(TOPTEN_FILE, &t);
    EXPECT_EQ(rows(t), "500 OLD\n" + nobody(9));
    fsync_fails = 0;
    EXPECT_EQ(fsyncs, 1);
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

}  // namespace
