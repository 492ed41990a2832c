// init.cpp -- the whole-run resources, and the loaders of the game's world.
#include "init.h"

#include <allegro.h>
#include <stdio.h>
#include <string.h>

#include "animator.h"
#include "criterr.h"
#include "sound.h"
#include "variable.h"

int init_all_done = 0;

#define DEFAULT_MOUSE_SENSITIVITY 20
#define MIDDLE_SECTOR 3

static const int kolt_sector_x[KOLT_SECTORS] = {150, 205, 260, 320, 380, 435, 490};
static const int door_x[DOOR_COUNT] = {30, 251, 473};
#define DOOR_Y 83

// A whole-run picture that is missing, or smaller than the part of it the
// game draws, ends the program.
static BITMAP *load_picture(const char *path, int min_w, int min_h)
{
    BITMAP *picture = load_bitmap(path, pal);
    if (!picture)
        critical_error("Unable to open file %s", path);
    if (picture->w < min_w || picture->h < min_h)
        critical_error("Broken file %s: the picture is %d x %d, the game needs at least %d x %d", path,
                       picture->w, picture->h, min_w, min_h);
    return picture;
}

int init_all(void)
{
    mouse_sensitivity = DEFAULT_MOUSE_SENSITIVITY;
    bfont1 = load_picture("data/gfx/font/font1.bmp", 11 * 13, 27);
    bfont2 = load_picture("data/gfx/font/font2.bmp", 27 * 10, 15);
    bstar1 = load_picture("data/gfx/level/star.bmp", 80, 78);
    static const char *const holes[4] = {"data/gfx/level/dira01.bmp", "data/gfx/level/dira02.bmp",
                                         "data/gfx/level/dira03.bmp", "data/gfx/level/dira04.bmp"};
    for (int i = 0; i < 4; i++)
        bhole[i] = load_picture(holes[i], 1, 1);
    bhole[4] = nullptr;
    bhead[0] = load_picture("data/gfx/level/hit100.bmp", 113, 104);
    bhead[1] = load_picture("data/gfx/level/hit66.bmp", 113, 104);
    bhead[2] = load_picture("data/gfx/level/hit33.bmp", 113, 104);
    bmhole = load_picture("data/gfx/level/hole.bmp", 160, 160);
    bbang = load_picture("data/gfx/level/bang.bmp", 1, 1);
    bcheat_life = load_picture("data/gfx/level/hit0.bmp", 113, 104);
    bcheat_civil = load_picture("data/gfx/level/civil.bmp", 40, 46);
    init_sound();

    kolt_X = MIDDLE_SECTOR;
    for (int i = 0; i < KOLT_SECTORS; i++)
        kolt[i].X = kolt_sector_x[i];
    nabojnik_anim = load_anim_object("naboje01.txt");
    kolt_anim = load_anim_object("kolt01.txt");
    for (int i = 0; i < DOOR_COUNT; i++)
        dvere[i].anim_object = load_anim_object("dvere01.txt");
    for (int i = 0; i < DOOR_COUNT; i++) {
        dvere[i].X = door_x[i];
        dvere[i].Y = DOOR_Y;
    }
    init_all_done = 1;
    return 0;
}

static void release_bitmap(BITMAP **picture)
{
    if (*picture)
        destroy_bitmap(*picture);
    *picture = nullptr;
}

static void release_anim(ANIM_OBJECT_STRUCTURE **anim)
{
    destroy_anim_object(*anim);
    *anim = nullptr;
}

int destroy_all(void)
{
    init_all_done = 0;
    destroy_sound();
    show_mouse(nullptr);
    BITMAP **pictures[] = {&mouse_pointer, &mouse_pointer2, &mouse_shot, &bfont1, &bfont2, &bstar1,
                           &bhole[0], &bhole[1], &bhole[2], &bhole[3], &bhead[0], &bhead[1],
                           &bhead[2], &bbang, &bcheat_civil, &bcheat_life, &bmhole};
    for (BITMAP **picture : pictures)
        release_bitmap(picture);
    release_anim(&nabojnik_anim);
    release_anim(&kolt_anim);
    for (int i = 0; i < DOOR_COUNT; i++)
        release_anim(&dvere[i].anim_object);
    release_bitmap(&game_screen2);
    release_bitmap(&game_screen);
    return 0;
}
