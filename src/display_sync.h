// display_sync.h -- the window's picture and input, handed over at once.
//
// Allegro's X11 driver passes both through a background thread that wakes
// every 10 ms: a picture copied to the screen reaches the X server only at
// its next turn, and so does a press waiting at the server reach the game.
// These two calls do the same work on the spot, from the frame itself.
// Without an X11 display (the unit tests' SYSTEM_NONE) they do nothing.
#ifndef DISPLAY_SYNC_H
#define DISPLAY_SYNC_H

void display_handoff(void);     // the picture just copied, to the X server now
void display_take_input(void);  // the input events waiting at the X server, taken in now

#endif
