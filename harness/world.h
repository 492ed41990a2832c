// world.h -- the game's whole-run world built in memory instead of from the data tree, for the unit tests and the frame benchmark.
//
// The two screens, the status display's pictures at the sizes the game
// draws them, the three door leaves at their places, the revolver's aiming
// sectors and its two animations.  How the pictures look is the caller's:
// the unit tests paint each one a colour of its own, so that a pixel tells
// what was drawn there; the benchmark paints them with stripes and a
// transparent border, to cost what the game's own pictures cost.
#ifndef WORLD_H
#define WORLD_H

#include <allegro.h>

#include <initializer_list>

#include "animator.h"

namespace world {

// The picture of step `step` of slot `slot` (picture frame `frame` of the
// object) of an animation object whose colours start at `base`.
typedef BITMAP *(*Painter)(int w, int h, int base, int slot, int step, int frame);

// An animation object whose slots each have `steps[slot]` steps; every step
// is its own w x h picture made by `paint`, drawn with the offsets
// (move_x, move_y).
ANIM_OBJECT_STRUCTURE *anim(std::initializer_list<int> steps, int w, int h, Painter paint, int base,
                            int move_x = 0, int move_y = 0);

// The whole-run pictures of the status display.
enum Picture { STAR, HEAD_0, HEAD_1, HEAD_2, CHEAT_LIFE, CHEAT_CIVIL, BANDITS, MARK, HOLE };

struct Look {
    BITMAP *(*picture)(int w, int h, Picture which);
    void (*background)(BITMAP *street);         // paints the level's background (game_screen2)
    ANIM_OBJECT_STRUCTURE *(*door)(int door);   // a door leaf, slot 0 steps 0 (closed) .. 3 (open)
    ANIM_OBJECT_STRUCTURE *(*revolver)(void);   // one slot per aiming sector
    ANIM_OBJECT_STRUCTURE *(*cartridges)(void); // one slot per bullet count
};

// Makes every piece named above with `look` and puts it where the game has it.
void build(const Look &look);
// Releases every piece build made (the level's creatures and decorations
// are the caller's).
void release(void);

}  // namespace world

#endif
