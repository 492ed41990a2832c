// input.h -- the input latches: every press of the mouse button and of a key, seen once.
#ifndef INPUT_H
#define INPUT_H

// Mouse clicks can be shorter than a frame.  The mouse callback latches every
// left-button press; left_clicked() answers "down now, or pressed since I
// last asked" and consumes the latch, so every screen sees every click once
// while a held button behaves as a held button.
void click_latch_install(void);     // chains Allegro's mouse_callback
void click_latch_press_at(int x, int y);  // a press at display pixel (x, y) (the callback's)
void click_latch_press(void);       // a press where the pointer is (tests call it)
void click_latch_clear(void);       // forget a pending press
int left_clicked(void);
// left_clicked, and where: the place, in game pixels, where the latched press
// went down, or where the pointer is when the button is only held.
int left_clicked_at(int *x, int *y);

// Key presses are latched the same way, by scancode: the keyboard callback
// counts every fresh press (a key going down, not the repeats of a key held
// down), and key_pressed() consumes one.  Screens that act on a press -- Esc
// opening or closing the quit dialog, the letters of a name -- see every tap,
// however short, and never the auto-repeat of a held key.
void key_latch_install(void);       // sets Allegro's keyboard_lowlevel_callback
void key_latch_event(int scancode); // what the callback does (tests call it)
void key_latch_clear(void);         // forget every pending press
int key_pressed(int scancode);      // 1 (and one press consumed) if one is pending
int key_hit(int scancode);          // held now, or pressed since last asked (consumes it)

#endif
