// menu.h -- the screens between the comics: the main menu with its title
// music, the difficulty choice, the options with their three hanging-figure
// sliders, the quit dialog that also listens for cheat codes, and the
// top-ten table with its name entry.
//
// Every screen composes its picture in game_screen and presents it through
// m_refresh, at the pace of every other screen.  A hot rectangle holds a
// point when X1 < x < X2 and Y1 < y < Y2: its border is outside.
#ifndef MENU_H
#define MENU_H

// ---------------------------------------------------------------- shared
int is_on(int X1, int Y1, int X2, int Y2);       // the pointer is in the rectangle
// The left button is down, or was tapped since this frame's click sample
// (m_sample_click), and the pointer is in the rectangle.
int is_clicked(int X1, int Y1, int X2, int Y2);
void m_sample_click(void);  // takes the frame's click from the latch
void m_refresh(void);       // waits for the frame's turn, then game_screen to the screen

// ---------------------------------------------------------------- screens
int menu_main(void);        // until Q or a confirmed quit; returns 0
int menu_obtiznost(void);   // the difficulty screen: sets obtiznost, or Q; returns 0
int menu_option(int type);  // the options; `type` has no effect; returns 0
int menu_yesno(void);       // 1 for yes; 0 for no, Esc or a cheat code
// Enters `score` if it earns a place, then shows the table with the new row
// marked and, unless it is -9999, the score and the level reached at the
// poster's foot; returns 0.
int menu_topten(int score);
// The letter a typed character puts in a name: a letter as its capital
// (typed with or without Shift or Caps Lock), a space as itself; 0 for
// anything else.
char name_letter(int c);
// Edits a name in `str` (a field of `count` bytes) on the name panel, the
// text's top-left at (X, Y); returns 0 once Enter is pressed.
int get_string(char *str, int count, int X, int Y);

// ---------------------------------------------------------------- sliders
#define SLIDER_MAX 100
// One frame of a drag: the value follows the pointer from `*Y` to `mouse_y`
// (up raises it when `upward` is 1, down raises it when 0), clamped to
// 0..SLIDER_MAX; `*Y` becomes `mouse_y`.  Returns the new value.
int slider_drag(int value, int *Y, int mouse_y, int upward);
// Allegro's calls for the settings, replaceable by tests.
extern void (*menu_set_volume)(int digi, int midi);
extern void (*menu_set_mouse_speed)(int xspeed, int yspeed);
void apply_volume(void);        // set_volume(sound_volume x 2, music_volume x 2)
void apply_mouse_speed(void);   // set_mouse_speed(mouse_sensitivity / 10, the same)
int music_sample_volume(void);  // music_volume x 255 / 100
void menu_music_load(void);     // the title music into s_music, once for the run (MUSIC_ON)

// ---------------------------------------------------------------- cheat codes
#define CHEAT_WORD_SIZE 50
#define CHEAT_COUNT 5
enum { CHEAT_LIFE, CHEAT_DUEL, CHEAT_SECRET_LEVEL, CHEAT_QUOTA, CHEAT_CIVIL };
extern const char *const cheat_codes[CHEAT_COUNT];

// Letters typed while a modifier is held, compared when it is released.
struct CHEAT_STATE {
    int flag;                       // 1 while a modifier is held
    int pos;                        // letters collected
    char word[CHEAT_WORD_SIZE];
};
void cheat_reset(CHEAT_STATE *st);
// One frame of listening: `shifts` is key_shifts, `read_key` gives the next
// buffered key (Allegro's readkey value) and is called only when a key may
// be taken.  Returns the code matched when the modifier was released, or -1.
int cheat_listen(CHEAT_STATE *st, int shifts, int (*read_key)(void));
void cheat_apply(int code);     // the code's effect on the game

// ---------------------------------------------------------------- top ten
// Where a row's score starts so that its "$" ends the score column.
int topten_score_x(int score);

#endif
