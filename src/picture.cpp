// picture.cpp -- a picture of the data tree, loaded or the program ends.
#include "picture.h"

#include "criterr.h"
#include "variable.h"

BITMAP *load_picture(const char *path)
{
    BITMAP *picture = load_bitmap(path, pal);
    if (!picture)
        critical_error("Unable to open file %s", path);
    return picture;
}
