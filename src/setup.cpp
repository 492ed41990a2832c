// setup.cpp -- setup.cfg: the player's display and music settings.
#include "setup.h"

#include <limits.h>
#include <stdio.h>

#include "criterr.h"
#include "present.h"
#include "reader.h"

// 1 when `key` and its number were read into *value.  The keys are matched
// literally, each where the one before left off; a number beyond an int
// ends the program, naming the file, the key and the value.
static int setup_value(FILE *f, const char *path, const char *key, int *value)
{
    long long v;
    if (!read_literal(f, key) || !scan_number(f, &v))
        return 0;
    if (v < INT_MIN || v > INT_MAX)
        critical_error("Broken file %s: %s is %s%lld, too large a number", path, key, beyond_word(v), v);
    *value = (int)v;
    skip_blanks(f);
    return 1;
}

static int valid_depth(int depth)
{
    return depth == 8 || depth == 15 || depth == 16 || depth == 24 || depth == 32;
}
int read_setup(const char *path, SETUP_VALUES *out)
{
    out->gfx_mode = DEFAULT_GFX_MODE;
    out->gfx_color = DEFAULT_GFX_COLOR;
    out->music_on = 0;
    out->scale = 0;
    struct Closer {
        FILE *f;
        ~Closer()
        {
            if (f)
                fclose(f);
        }
    } file{fopen(path, "r")};
    FILE *f = file.f;
    if (!f)
        return -1;
    int gmode = 0, gdepth = 0, music = 0;
    int ok = setup_value(f, path, "GFX_MODE", &gmode) && setup_value(f, path, "GFX_COLOR", &gdepth);
    if (ok) {
        if (!valid_depth(gdepth))
            critical_error("Broken file %s: GFX_COLOR is %d, not 8, 15, 16, 24 or 32", path, gdepth);
        out->gfx_mode = gmode;
        out->gfx_color = gdepth;
        if (setup_value(f, path, "MUSIC_ON", &music))
            out->music_on = music;
        int scale = 0;
        if (setup_value(f, path, "SCALE", &scale) && scale >= 0 && scale <= MAX_SCALE)
            out->scale = scale;
    }
    return ok ? 0 : -1;
}

