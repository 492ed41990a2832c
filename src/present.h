// present.h -- the one way a frame reaches the display.
//
// Every screen composes its 640 x 480 picture in game_screen and calls
// present(): it copies the picture with the pointer drawn on it where the
// player's mouse is, puts it on the display scaled by a whole number of
// pixels, and waits for the next frame's turn (60 a second).  Only the rows
// that differ from what the display already shows are sent.  The game itself never
// leaves its 640 x 480 game pixels: the mouse is read in game pixels, the
// pointer's range is set in them, and the screenshot key saves them.
#ifndef PRESENT_H
#define PRESENT_H

#include <allegro.h>

#define MAX_SCALE 4
// Room left around a window that the scale is chosen for: its frame and
// title bar, and a desktop's panel.
#define WINDOW_FRAME_ROOM_X 32
#define WINDOW_FRAME_ROOM_Y 96

// The scale for setup.cfg's SCALE value `requested`: 1 to MAX_SCALE as it
// stands; anything else picks the largest whole scale whose window fits a
// desktop of desktop_w x desktop_h with room for the frame (1 if none is known).
int choose_scale(int requested, int desktop_w, int desktop_h);

// Full screen: the picture at the largest whole scale that fits a display of
// w x h, centred; the bars around it are black.  Scale 1 at the top left
// corner on a display smaller than the picture.
struct PRESENT_PLACE {
    int scale;
    int x, y;       // the picture's top left corner on the display
};
PRESENT_PLACE full_screen_place(int w, int h);

extern int present_scale;           // display pixels per game pixel
extern int present_x, present_y;    // the picture's top left corner on the display
// After every graphics mode is set: the picture's place on the display, the
// mouse's range set again for it, and the whole picture sent at the next frame.
void present_init(int scale, int x = 0, int y = 0);
void present_exit(void);

void present(void);                 // game_screen and the pointer to the display, then pace
// While the game waits, its picture stands still and its frames keep coming:
// the last frame again, once (present_again) or for `ticks` (present_hold,
// in place of a plain wait).
void present_again(void);
void present_hold(int ticks);
BITMAP *present_picture(void);      // the last frame presented, in game pixels

// ---------------------------------------------------------------- the pointer
// Every picture (hand, lit hand, gun sight) is 64 x 64 with its hot spot --
// the sight's centre, the fingertip -- at (32, 32).
#define POINTER_FOCUS 32
void set_pointer(BITMAP *picture);  // the pointer's picture from now on
void pointer_show(int shown);       // whether present() draws the pointer
int game_mouse_x(void);             // the mouse in game pixels
int game_mouse_y(void);
int game_x_of(int display_x);       // a point of the display in game pixels
int game_y_of(int display_y);
// Confines the mouse to a rectangle of game pixels (corners included).
void game_mouse_range(int x1, int y1, int x2, int y2);
void set_menu_mouse_range(void);    // the menus' range, also between games

#endif
