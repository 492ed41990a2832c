// The bitmap fonts, checked in pixels: every glyph cell of the test fonts
// has its own colour, so a drawn cell tells which glyph went where.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

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
        putpixel(bfont1, 2 * DIGIT_W, 0, bitmap_mask_color(bfont1));  // top-left of the digit 1
        bfont2 = create_bitmap(27 * LETTER_W, LETTER_H);
        for (int c = 0; c < 27; c++)
            rectfill(bfont2, c * LETTER_W, 0, c * LETTER_W + LETTER_W - 1, LETTER_H - 1, letter_colour(c));
        game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
        clear_to_color(game_screen, 0);
    }
    void TearDown() override
    {
        destroy_bitmap(bfont1);
        destroy_bitmap(bfont2);
        destroy_bitmap(game_screen);
        bfont1 = bfont2 = game_screen = nullptr;
    }
    // The glyphs drawn in a row of digit cells from x, as text ('$' for the
    // dollar cell, '.' for nothing).
    static std::string digits_at(BITMAP *b, int x, int y, int cells)
    {
        std::string s;
        for (int i = 0; i < cells; i++) {
            int c = getpixel(b, x + i * DIGIT_W + 5, y + 5);
            char glyph = '.';
            for (int cell = 0; cell < 11; cell++)
                if (c == digit_colour(cell))
                    glyph = cell ? (char)('0' + cell - 1) : '$';
            s += glyph;
        }
        return s;
    }
};

TEST_F(Fonts, NumbersAreDrawnMostSignificantDigitFirstAndAmountsEndInADollar)
{
    struct Case {
        int (*print)(int, int, int);
        int number, last;
        const char *shown;
    } cases[] = {
        {print_num, 7, 0, "7.."},
        {print_num, 1234, 3, "1234."},
        {print_num_dolar, 10, 1, "10$."},
        {print_num_dolar, 0, 0, "0$."},
        {print_num_dolar, -250, 2, "250$"},   // the magnitude of a negative amount
    };
    for (const Case &c : cases) {
        clear_to_color(game_screen, 0);
        EXPECT_EQ(c.print(c.number, 65, 5), c.last) << c.number;
        EXPECT_EQ(digits_at(game_screen, 65, 5, (int)strlen(c.shown)), c.shown) << c.number;
        EXPECT_EQ(getpixel(game_screen, 64, 10), 0);
        if (c.shown[0] == '1') {
            EXPECT_EQ(getpixel(game_screen, 65, 5), 0);   // a glyph's mask pixel stays transparent
        }
    }
    EXPECT_EQ(getpixel(game_screen, 70, 5 + DIGIT_H), 0);
}

TEST_F(Fonts, StringsKeepAPlaceForEveryCharacterAndDrawOnlyCapitals)
{
    const char *text = "LEVEL SCORE[ abc1!Z";
    print_string(text, 10, 10);
    for (int i = 0; text[i]; i++) {
        bool capital = text[i] >= 'A' && text[i] <= '[';
        EXPECT_EQ(getpixel(game_screen, 10 + LETTER_W * i + 4, 15), capital ? letter_colour(text[i] - 'A') : 0)
            << "char " << i;
    }
    print_string(nullptr, 0, 0);    // nothing, no crash
}

TEST_F(Fonts, TheScreenVariantsDrawOnTheScreen)
{
    BITMAP *saved = screen;
    screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    clear_to_color(screen, 0);
    EXPECT_EQ(screen_print_num_dolar(42, 0, 0), 1);
    screen_print_num(5, 0, 50);
    screen_print_string("AB", 0, 100);
    EXPECT_EQ(digits_at(screen, 0, 0, 3), "42$");
    EXPECT_EQ(digits_at(screen, 0, 50, 1), "5");
    EXPECT_EQ(getpixel(screen, LETTER_W + 4, 105), letter_colour(1));
    EXPECT_EQ(getpixel(game_screen, 5, 5), 0);
    destroy_bitmap(screen);
    screen = saved;
}

}  // namespace
