// blend.cpp -- translucent and multiplied drawing, and the game's load_bitmap at 8 bits.
#include "blend.h"

#include <allegro.h>
#include <dlfcn.h>
#include <stdlib.h>

#define TRANS_STEPS 16              // opacities 0, 17, 34 .. 255
#define TRANS_STEP_SIZE (255 / (TRANS_STEPS - 1))
static COLOR_MAP *trans_maps = nullptr;     // TRANS_STEPS maps
static COLOR_MAP *multiply_map = nullptr;
static int multiply_map_alpha = -1;
static RGB_MAP *palette_rgb_map = nullptr;
static PALETTE blend_palette;

// The 8-bit palette: Allegro's even 3-3-2 palette, with black at index 0
// (the mask colour's index, and what a clear gives).
static void eight_bit_palette(PALETTE p)
{
    generate_332_palette(p);
    p[0].r = p[0].g = p[0].b = 0;
}

// Left to itself, Allegro gives every true-colour picture loaded at 8 bits
// a palette of its own, and one screen can show only one.  So the game's
// load_bitmap stands in front of Allegro's: at 8 bits it has the picture
// read at its own depth and maps it onto the screen's palette (the mask
// colour onto the mask index), and the palette argument receives that
// palette; at any other depth it is Allegro's load_bitmap itself.
extern "C" BITMAP *load_bitmap(AL_CONST char *filename, RGB *palette)
{
    typedef BITMAP *(*loader_fn)(AL_CONST char *, RGB *);
    static loader_fn allegro_load = (loader_fn)dlsym(RTLD_NEXT, "load_bitmap");
    if (!allegro_load)
        return nullptr;
    if (!trans_maps)
        return allegro_load(filename, palette);
    int conversion = get_color_conversion();
    set_color_conversion(COLORCONV_NONE);
    BITMAP *raw = allegro_load(filename, nullptr);     // at the file's own depth
    set_color_conversion(conversion);
    if (palette)
        get_palette(palette);
    if (!raw || bitmap_color_depth(raw) == 8)
        return raw;
    BITMAP *picture = create_bitmap_ex(8, raw->w, raw->h);
    if (picture) {
        int depth = bitmap_color_depth(raw), mask = bitmap_mask_color(raw);
        for (int y = 0; y < raw->h; y++)
            for (int x = 0; x < raw->w; x++) {
                int c = getpixel(raw, x, y);
                putpixel(picture, x, y,
                         c == mask ? MASK_COLOR_8
                                   : makecol8(getr_depth(depth, c), getg_depth(depth, c), getb_depth(depth, c)));
            }
    }
    destroy_bitmap(raw);
    return picture;
}

void blend_maps_init(void)
{
    if (get_color_depth() != 8 || trans_maps)
        return;
    eight_bit_palette(blend_palette);
    set_palette(blend_palette);
    palette_rgb_map = (RGB_MAP *)malloc(sizeof(RGB_MAP));
    trans_maps = (COLOR_MAP *)malloc(TRANS_STEPS * sizeof(COLOR_MAP));
    if (!palette_rgb_map || !trans_maps) {
        blend_maps_exit();
        return;
    }
    create_rgb_table(palette_rgb_map, blend_palette, nullptr);
    rgb_map = palette_rgb_map;      // also speeds up every colour lookup at 8 bits
    for (int i = 0; i < TRANS_STEPS; i++) {
        int a = i * TRANS_STEP_SIZE;
        create_trans_table(&trans_maps[i], blend_palette, a, a, a, nullptr);
    }
    color_map = &trans_maps[TRANS_STEPS / 2];   // never a blend without a map
}

void blend_maps_exit(void)
{
    if (rgb_map == palette_rgb_map)
        rgb_map = nullptr;
    color_map = nullptr;
    free(palette_rgb_map);
    free(trans_maps);
    free(multiply_map);
    palette_rgb_map = nullptr;
    trans_maps = nullptr;
    multiply_map = nullptr;
    multiply_map_alpha = -1;
}

static int clamp_alpha(int alpha) { return alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha); }

void trans_blender(int alpha)
{
    set_trans_blender(0, 0, 0, alpha);
    if (trans_maps)
        color_map = &trans_maps[(clamp_alpha(alpha) + TRANS_STEP_SIZE / 2) / TRANS_STEP_SIZE];
}

void multiply_blender(int alpha)
{
    set_multiply_blender(0, 0, 0, alpha);
    if (!trans_maps)
        return;
    if (multiply_map_alpha != alpha) {
        if (!multiply_map)
            multiply_map = (COLOR_MAP *)malloc(sizeof(COLOR_MAP));
        if (!multiply_map)
            return;
        create_blender_table(multiply_map, blend_palette, nullptr);    // from the blender just set
        multiply_map_alpha = alpha;
    }
    color_map = multiply_map;
}
