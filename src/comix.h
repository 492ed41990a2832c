// comix.h -- the comic player: cut-scene scripts and the stage they play on.
//
// A comic is a plain text script in data/comix/ (by convention "*.cmx"): a
// stream of words, each keyword followed by its arguments.  The script loads
// pictures and sounds into 20 numbered slots, defines up to 20 virtual images
// (rectangles cut from those pictures and placed on the 640 x 480 stage),
// sets them moving, fading, scaling, scrolling and animating, plays sounds
// and waits.  The stage composes its frames into game_screen and presents
// them at the frame pace; its effects follow the game clock `cas`.
//
// Skipping: the space bar ends the current delay; Esc or the left button
// (read through the click latch, so a quick tap counts) end the comic; a
// click or key that ends a pause lets the comic go on.  When comix_play
// returns, the left button is up and the click that skipped the comic has
// been consumed.
#ifndef COMIX_H
#define COMIX_H

#include <allegro.h>

#define COMIX_SLOTS 20          // picture slots, sound slots and virtual images

// One picture on the stage.  The number of the image is its drawing order
// (0 at the back, 19 in front).
struct VIRTUAL_IMAGE_TYPE {
    int image;          // picture slot in c_image it is cut from
    int pos_X;          // source rectangle's left edge, as defined
    int pos_Y;          // source rectangle's top edge; top of the animation row
    int X;              // stage position of the top-left corner
    int Y;
    int new_X;          // movement target
    int new_Y;
    int visible;        // 1 shown (and moving), 0 hidden
    int width;          // source rectangle (one animation frame)
    int height;
    int effect;         // reserved, set to 0 by `virtual`
    int param1;         // signed step limit in x of one movement step
    int param2;         // signed step limit in y
    int type;           // reserved, set to 0 by `virtual`
    int tempo;          // ticks between two movement steps, at least 1
    int fade;           // alpha 1..255 of translucent drawing; 0 = opaque
    int fade_value;     // change of fade per tick, signed
    int re_width;       // scale in ten-thousandths; both 0 = unscaled
    int re_height;
    int r_w;            // change of re_width per tick, signed
    int r_h;            // change of re_height per tick, signed
    long old;           // clock value at which the last movement step was due
    int anim_count;     // animation frames; 0 = no animation
    int anim_actual;    // current frame
    int anim_x;         // source rectangle drawn now
    int anim_y;
    int anim_tempo;     // ticks between two frames (below 1 counts as 1)
    long anim_tempo_old;  // clock value at which the last frame step was due
    int anim_type;      // 1 backward, 2 ping-pong, anything else forward
    int anim_pingpong;  // direction of a ping-pong animation, 1 or -1
};

// The stage's tables; they live for the whole run.  Picture and sound slots
// are empty (null) between comics.
extern BITMAP *c_image[COMIX_SLOTS];
extern SAMPLE *c_sound[COMIX_SLOTS];
extern VIRTUAL_IMAGE_TYPE v_image[COMIX_SLOTS];
extern int scroll_tempo;        // ticks between scroll steps; scrolls while > 0
extern long scroll_tempo_old;   // clock value at which the last scroll step was due
extern int scroll_x;            // pixels per scroll step, signed
extern int scroll_y;

// Plays data/comix/<name> (the name as in levels.txt, e.g. "intro.cmx").
// A script that cannot be opened ends the program through critical_error.
// Returns 0.
int comix_play(const char *name);
// Runs data/comix/<name> inside the running comic (the `include` command);
// includes inside it are passed over.  Returns 0.
int comix_play_file(const char *name);

// The stage.
void c_cls(void);               // clears game_screen
void c_refresh(void);           // waits for the frame pace and presents game_screen
void show_all(void);            // composes the visible images and presents
void move_one(int index);       // one movement step of virtual image `index`
void move_all(void);            // one tick of every effect and of the scroll
void c_delay(int count);        // runs the stage for `count` ticks

#endif
