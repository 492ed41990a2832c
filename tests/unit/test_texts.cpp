// The bitmap fonts, checked in pixels: every glyph cell of the test fonts
// has its own colour, so a drawn cell tells which glyph went where.
#include <gtest/gtest.h>

#include <string>

#include "texts.h"
#include "variable.h"

namespace {

int cell_colour(int font, int cell) { return makecol(10 + font * 100, 10 + cell * 8, 200); }

BITMAP *font_of(int font, int cells, int w, int h)
{
    BITMAP *b = create_bitmap(cells * w, h);
    for (int c = 0; c < cells; c++)
        rectfill(b, c * w, 0, c * w + w - 1, h - 1, cell_colour(font, c));
    return b;
}

class Fonts : public ::testing::Test {
protected:
    void SetUp() override
    {
        bfont1 = font_of(0, DIGIT_CELLS, DIGIT_W, DIGIT_H);
        putpixel(bfont1, 2 * DIGIT_W, 0, bitmap_mask_color(bfont1));  // top-left of the digit 1
        bfont2 = font_of(1, LETTER_CELLS, LETTER_W, LETTER_H);
        game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    }
    void TearDown() override
    {
        for (BITMAP *b : {bfont1, bfont2, game_screen})
            destroy_bitmap(b);
        bfont1 = bfont2 = game_screen = nullptr;
    }
};

TEST_F(Fonts, NumbersAreDrawnMostSignificantDigitFirstAndAmountsEndInADollar)
{
    struct Case {
        int (*print)(int, int, int);
        int number, last;
        const char *shown;      // '$' the dollar cell, '.' nothing
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
        std::string s;
        for (int i = 0; c.shown[i]; i++) {
            int colour = getpixel(game_screen, 65 + i * DIGIT_W + 5, 10), cell = (getg(colour) - 10) / 8;
            s += colour == 0 ? '.' : cell == 0 ? '$' : (char)('0' + cell - 1);
        }
        EXPECT_EQ(s, c.shown) << c.number;
        EXPECT_TRUE(c.shown[0] != '1' || getpixel(game_screen, 65, 5) == 0);  // a mask pixel stays clear
    }
}

TEST_F(Fonts, StringsKeepAPlaceForEveryCharacterAndDrawOnlyCapitals)
{
    clear_to_color(game_screen, 0);
    const char *text = "LEVEL SCORE[ abc1!Z";
    print_string(text, 10, 10);
    for (int i = 0; text[i]; i++) {
        bool capital = text[i] >= 'A' && text[i] <= '[';
        EXPECT_EQ(getpixel(game_screen, 10 + LETTER_W * i + 4, 15), capital ? cell_colour(1, text[i] - 'A') : 0)
            << "char " << i;
    }
    print_string(nullptr, 0, 0);    // nothing, no crash
}

}  // namespace
