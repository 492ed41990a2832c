// screenshot.h -- the screenshot key's picture: the last frame, in game pixels, to "screen.bmp".
#ifndef SCREENSHOT_H
#define SCREENSHOT_H

void save_screen(void);             // writes the last frame, in game pixels, to "screen.bmp"

#endif
