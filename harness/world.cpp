// world.cpp -- the game's whole-run world built in memory.
#include "world.h"

#include <stdlib.h>

#include "layout.h"
#include "variable.h"

namespace world {

ANIM_OBJECT_STRUCTURE *anim(std::initializer_list<int> steps, int w, int h, Painter paint, int base,
                            int move_x, int move_y)
{
    ANIM_OBJECT_STRUCTURE *a = (ANIM_OBJECT_STRUCTURE *)calloc(1, sizeof *a);
    int frames = 0;
    for (int n : steps)
        frames += n;
    a->bitmap_count = a->frame_count = frames;
    a->image = (BITMAP **)calloc(frames ? frames : 1, sizeof(BITMAP *));
    a->frame = (ONE_FRAME_STRUCTURE *)calloc(frames ? frames : 1, sizeof(ONE_FRAME_STRUCTURE));
    int f = 0, slot = 0;
    for (int n : steps) {
        ANIMATION_STRUCTURE *an = &a->animation[slot];
        an->count = n;
        an->frame = n ? (FRAME_STRUCTURE *)calloc(n, sizeof(FRAME_STRUCTURE)) : nullptr;
        for (int s = 0; s < n; s++, f++) {
            a->image[f] = paint(w, h, base, slot, s, f);
            a->frame[f] = ONE_FRAME_STRUCTURE{f, 0, 0, w, h, move_x, move_y};
            an->frame[s].index = f;
        }
        slot++;
    }
    return a;
}


void build(const Look &look)
{
    game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    game_screen2 = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    look.background(game_screen2);
    bstar1 = look.picture(STAR_W, STAR_H, STAR);
    for (int i = 0; i < 3; i++)
        bhead[i] = look.picture(PORTRAIT_W, PORTRAIT_H, (Picture)(HEAD_0 + i));
    bcheat_life = look.picture(PORTRAIT_W, PORTRAIT_H, CHEAT_LIFE);
    bcheat_civil = look.picture(CIVIL_MARK_W, CIVIL_MARK_H, CHEAT_CIVIL);
    bbandits = look.picture(KILL_LABEL_W, KILL_LABEL_H, BANDITS);
    bmhole = look.picture(HIT_MARK_SIZE, HIT_MARK_SIZE, MARK);
    for (int i = 0; i < HOLE_PICTURES; i++)
        bhole[i] = look.picture(6, 6, HOLE);
    for (int i = 0; i < DOOR_COUNT; i++) {
        dvere[i].anim_object = look.door(i);
        dvere[i].X = door_leaf_x[i];
        dvere[i].Y = DOOR_LEAF_Y;
    }
    for (int i = 0; i < KOLT_SECTORS; i++)
        kolt[i].X = kolt_sector_x[i];
    kolt_anim = look.revolver();
    nabojnik_anim = look.cartridges();
}

static void release_picture(BITMAP *&b)
{
    if (b)
        destroy_bitmap(b);
    b = nullptr;
}

void release(void)
{
    release_picture(game_screen);
    release_picture(game_screen2);
    release_picture(bstar1);
    for (BITMAP *&b : bhead)
        release_picture(b);
    release_picture(bcheat_life);
    release_picture(bcheat_civil);
    release_picture(bbandits);
    release_picture(bmhole);
    for (int i = 0; i < HOLE_PICTURES; i++)
        release_picture(bhole[i]);
    for (auto &d : dvere) {
        destroy_anim_object(d.anim_object);
        d.anim_object = nullptr;
    }
    destroy_anim_object(kolt_anim);
    destroy_anim_object(nabojnik_anim);
    kolt_anim = nabojnik_anim = nullptr;
}

}  // namespace world
