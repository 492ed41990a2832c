// The bitmap fonts, checked in pixels: every glyph cell of the test fonts
// has its own colour, so a drawn cell tells which glyph went where.
#include <gtest/gtest.h>

#include "texts.h"
#include "variable.h"

namespace {

int digit_colour(int cell) { return makecol(10 + cell * 20, 100, 50); }
int letter_colour(int cell) { return makecol(50, 10 + cell * 8, 200); }

class Fonts : public ::testing::Test {
protected:
    void SetUp() override
    {
        bfont1 = create_bitmap(11 * DIGIT_W, DIGIT_H);
        for (int c = 0; c < 11; c++)
            rectfill(bfont1, c * DIGIT_W, 0, c * DIGIT_W + DIGIT_W - 1, DIGIT_H - 1, digit_colour(c));
        // The mask colour in a cell's corner stays transparent.
        putpixel(bfont1, 2 * DIGIT_W, 0, bitmap_mask_color(bfont1));  // top-left of the digit 1
        bfont2 = create_bitmap(27 * LETTER_W, LETTER_H);
        for (int c = 0; c < 27; c++)
            rectfill(bfont2, c * LETTER_W, 0, c * LETTER_W + LETTER_W - 1, LETTER_H - 1, letter_colour(c));
        game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
        clear_to_color(game_screen, makecol(0, 0, 0));
    }
    void TearDown() override
    {
        destroy_bitmap(bfont1);
        destroy_bitmap(bfont2);
        destroy_bitmap(game_screen);
        bfont1 = bfont2 = game_screen = nullptr;
    }
    int at(int x, int y) { return getpixel(game_screen, x, y); }
    int black() { return makecol(0, 0, 0); }
};

TEST_F(Fonts, NumbersAreDrawnMostSignificantDigitFirst)
{
    EXPECT_EQ(print_num(7, 65, 5), 0);
    EXPECT_EQ(at(65 + 6, 5 + 10), digit_colour(8));
    EXPECT_EQ(at(65 + DIGIT_W + 6, 15), black());

    clear_to_color(game_screen, black());
    EXPECT_EQ(print_num(1234, 65, 5), 3);
    const int digits[4] = {1, 2, 3, 4};
    for (int i = 0; i < 4; i++) {
        int x = 65 + DIGIT_W * i;
        EXPECT_EQ(at(x + 1, 6), digit_colour(digits[i] + 1)) << "digit " << i;
        EXPECT_EQ(at(x + DIGIT_W - 1, 5 + DIGIT_H - 1), digit_colour(digits[i] + 1));
    }
    EXPECT_EQ(at(65 - 1, 10), black());
    EXPECT_EQ(at(65 + 4 * DIGIT_W, 10), black());
    EXPECT_EQ(at(70, 5 + DIGIT_H), black());
    EXPECT_EQ(at(65, 5), black());  // mask pixel of the glyph stays transparent
}

TEST_F(Fonts, ADollarSignFollowsTheAmount)
{
    EXPECT_EQ(print_num_dolar(10, 165, 5), 1);
    EXPECT_EQ(at(165 + 5, 10), digit_colour(2));
    EXPECT_EQ(at(178 + 5, 10), digit_colour(1));
    EXPECT_EQ(at(191 + 5, 10), digit_colour(0));

    clear_to_color(game_screen, black());
    EXPECT_EQ(print_num_dolar(0, 165, 5), 0);
    EXPECT_EQ(at(165 + 5, 10), digit_colour(1));
    EXPECT_EQ(at(178 + 5, 10), digit_colour(0));
}

TEST_F(Fonts, NegativeAmountsShowTheirMagnitude)
{
    EXPECT_EQ(print_num_dolar(-250, 10, 5), 2);
    EXPECT_EQ(at(10 + 5, 10), digit_colour(3));
    EXPECT_EQ(at(10 + 3 * DIGIT_W + 5, 10), digit_colour(0));
}

TEST_F(Fonts, StringsKeepAPlaceForEveryCharacter)
{
    print_string("LEVEL SCORE[", 10, 10);
    const char *text = "LEVEL SCORE[";
    for (int i = 0; text[i]; i++) {
        int x = 10 + LETTER_W * i + 4;
        if (text[i] == ' ')
            EXPECT_EQ(at(x, 15), black()) << "space at " << i;
        else
            EXPECT_EQ(at(x, 15), letter_colour(text[i] - 'A')) << "char " << i;
    }

    clear_to_color(game_screen, black());
    print_string("abc1!Z", 0, 0);   // nothing for lower case, digits, punctuation
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(at(LETTER_W * i + 4, 7), black());
    EXPECT_EQ(at(LETTER_W * 5 + 4, 7), letter_colour(25));
    print_string(nullptr, 0, 0);    // nothing, no crash
}

TEST_F(Fonts, TheScreenVariantsDrawOnTheScreen)
{
    BITMAP *saved = screen;
    screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    clear_to_color(screen, black());
    EXPECT_EQ(screen_print_num_dolar(42, 0, 0), 1);
    screen_print_string("AB", 0, 100);
    EXPECT_EQ(getpixel(screen, 5, 5), digit_colour(5));
    EXPECT_EQ(getpixel(screen, 2 * DIGIT_W + 5, 5), digit_colour(0));
    EXPECT_EQ(getpixel(screen, LETTER_W + 4, 105), letter_colour(1));
    EXPECT_EQ(at(5, 5), black());
    destroy_bitmap(screen);
    screen = saved;
}

}  // namespace
