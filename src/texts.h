// texts.h -- the game's two bitmap fonts.
//
// Digits: bfont1, cells of 13 x 27, cell 0 the dollar sign, digit d in cell
// d + 1.  Letters: bfont2, cells of 10 x 15, 'A'..'Z' in cells 0..25 and the
// name-entry cursor '[' in cell 26.  (X, Y) is the top-left of the first
// character.  The print_ functions draw into game_screen, the screen_ ones
// straight onto the screen.
#ifndef TEXTS_H
#define TEXTS_H

#include <allegro.h>

#define DIGIT_W 13
#define DIGIT_H 27
#define LETTER_W 10
#define LETTER_H 15
#define DIGIT_CELLS 11          // bfont1: the dollar sign and ten digits
#define LETTER_CELLS 27         // bfont2: 'A'..'Z' and the cursor

// Number drawing returns the position of the last digit drawn (digits - 1).
// A negative number is drawn as its magnitude (no minus glyph exists).
int print_num(int number, int X, int Y);
int screen_print_num(int number, int X, int Y);
int print_num_dolar(int number, int X, int Y);
int screen_print_num_dolar(int number, int X, int Y);
void print_string(const char *string, int X, int Y);
void screen_print_string(const char *string, int X, int Y);

// The digits a number is drawn with: 1 for 0, 4 for 1000 and for -1000.
int num_digits(int number);

// The same, into any bitmap (the above are these with game_screen / screen).
int bmp_print_num(BITMAP *dest, int number, int X, int Y);
int bmp_print_num_dolar(BITMAP *dest, int number, int X, int Y);
void bmp_print_string(BITMAP *dest, const char *string, int X, int Y);

#endif
