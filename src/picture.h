// picture.h -- a picture of the data tree, loaded or the program ends.
#ifndef PICTURE_H
#define PICTURE_H

#include <allegro.h>

// load_bitmap(path, pal); a picture that cannot be read ends the program
// through critical_error ("Unable to open file PATH").
BITMAP *load_picture(const char *path);

#endif
