// texts.cpp -- digits, dollar amounts and capital-letter words in the two
// bitmap fonts.
#include "texts.h"

#include "variable.h"

#define DOLLAR_CELL 0

static void draw_digit_cell(BITMAP *dest, int cell, int x, int y)
{
    if (bfont1)
        masked_blit(bfont1, dest, DIGIT_W * cell, 0, x, y, DIGIT_W, DIGIT_H);
}

// Leading digits first, by recursion; returns the position of the last digit.
static int draw_number(BITMAP *dest, unsigned int number, int X, int Y)
{
    int position = 0;
    if (number >= 10)
        position = draw_number(dest, number / 10, X, Y) + 1;
    draw_digit_cell(dest, (int)(number % 10) + 1, X + DIGIT_W * position, Y);
    return position;
}

static unsigned int magnitude(int number)
{
    return number < 0 ? 0u - (unsigned int)number : (unsigned int)number;
}

int num_digits(int number)
{
    unsigned int m = magnitude(number);
    int digits = 1;
    while (m >= 10) {
        m /= 10;
        digits++;
    }
    return digits;
}

int bmp_print_num(BITMAP *dest, int number, int X, int Y)
{
    return draw_number(dest, magnitude(number), X, Y);
}

int bmp_print_num_dolar(BITMAP *dest, int number, int X, int Y)
{
    int position = bmp_print_num(dest, number, X, Y);
    draw_digit_cell(dest, DOLLAR_CELL, X + DIGIT_W * (position + 1), Y);
    return position;
}

void bmp_print_string(BITMAP *dest, const char *string, int X, int Y)
{
    if (!string || !bfont2)
        return;
    for (int i = 0; string[i]; i++) {
        char c = string[i];
        if (c >= 'A' && c <= '[')
            masked_blit(bfont2, dest, LETTER_W * (c - 'A'), 0, X + LETTER_W * i, Y, LETTER_W, LETTER_H);
    }
}

int print_num(int number, int X, int Y) { return bmp_print_num(game_screen, number, X, Y); }
int screen_print_num(int number, int X, int Y) { return bmp_print_num(screen, number, X, Y); }
int print_num_dolar(int number, int X, int Y) { return bmp_print_num_dolar(game_screen, number, X, Y); }
int screen_print_num_dolar(int number, int X, int Y) { return bmp_print_num_dolar(screen, number, X, Y); }
void print_string(const char *string, int X, int Y) { bmp_print_string(game_screen, string, X, Y); }
void screen_print_string(const char *string, int X, int Y) { bmp_print_string(screen, string, X, Y); }
