// animator.h -- animated sprite sets described by text files.
//
// An animation object is a list of pictures, a table of rectangles cut from
// them (picture frames) and up to 40 numbered animation slots, each a list of
// steps naming picture frames.  Doors, the revolver, the cartridge display,
// creatures and decorations are all animation objects.  The caller always
// names the slot and step it wants drawn; the object keeps no playback state
// that drawing uses.
#ifndef ANIMATOR_H
#define ANIMATOR_H

#include <allegro.h>

#define ANIM_SLOTS 40           // animation slots 0 .. 39
#define ANIM_MAX_STEPS 1000     // more steps than this in one slot is a broken file
#define ANIM_MAX_BITMAPS 256    // more pictures than this is a broken file
#define ANIM_MAX_FRAMES 4096    // more picture frames than this is a broken file

struct ONE_FRAME_STRUCTURE {
    int image;              // index into the picture list
    int image_position_X;   // rectangle's left edge inside the picture
    int image_position_Y;   // rectangle's top edge inside the picture
    int width;
    int height;
    int move_X;             // offset added to the drawing anchor
    int move_Y;
};

struct FRAME_STRUCTURE {
    int delay;              // stored, not consulted by the game
    int index;              // picture frame shown by this step
};

struct ANIMATION_STRUCTURE {
    int count;              // steps; 0 = empty slot
    int loop_start;         // stored, not consulted by the game
    FRAME_STRUCTURE *frame; // count steps, owned
};

struct ANIM_OBJECT_STRUCTURE {
    long last_time;         // playback state, 0 after loading
    int actual_frame;       // playback state, 0 after loading
    int actual_animation;   // playback state, 0 after loading
    ANIMATION_STRUCTURE animation[ANIM_SLOTS];
    ONE_FRAME_STRUCTURE *frame;   // picture-frame table, owned
    BITMAP **image;               // picture list, owned with its bitmaps
    int bitmap_count;
    int frame_count;        // number of picture frames (kept for bounds checks)
};

// Loads "data/text/<name>".  Never returns null: a missing or broken file
// ends the program through critical_error with the path and the fault.
ANIM_OBJECT_STRUCTURE *load_anim_object(const char *name);
int destroy_anim_object(ANIM_OBJECT_STRUCTURE *anim_object);

// The picture frame of (animation, frame), or null when the slot is out of
// range or empty or the step lies outside it.
const ONE_FRAME_STRUCTURE *anim_frame(const ANIM_OBJECT_STRUCTURE *anim_object,
                                      int animation, int frame);

// Draw step `frame` of slot `animation` into game_screen.  The anchor (x, y)
// is the top-left, top-centre or bottom-centre of the drawn rectangle, moved
// by the picture frame's offsets.  An empty slot or a step outside the slot
// draws nothing.  All return 0.
int fr_draw_anim_object(ANIM_OBJECT_STRUCTURE *anim_object, int x, int y, int animation, int frame);
int draw_center_top(ANIM_OBJECT_STRUCTURE *anim_object, int x, int y, int animation, int frame);
int draw_center_bottom(ANIM_OBJECT_STRUCTURE *anim_object, int x, int y, int animation, int frame);

// 1 when the step that draw_center_top would draw at (x, y) has an opaque
// pixel within `radius` pixels of the screen point (px, py); 0 when not, or
// when the step draws nothing.
int center_top_opaque_near(const ANIM_OBJECT_STRUCTURE *anim_object, int x, int y, int animation, int frame,
                           int px, int py, int radius);

#endif
