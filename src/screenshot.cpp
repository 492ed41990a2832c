// screenshot.cpp -- the last frame presented, saved as "screen.bmp".
#include "screenshot.h"

#include <allegro.h>

#include "present.h"
#include "variable.h"

void save_screen(void)
{
    BITMAP *picture = present_picture();
    if (picture)
        save_bmp("screen.bmp", picture, pal);
}
