// variable.h -- the game's shared state and its clock.
//
// Everything that more than one module touches lives here as a plain global:
// the off-screen bitmaps, the status pictures, the current level's tables,
// the player's counters, the revolver's display state, the options and the
// cheat switches.  The loop-phase variables are declared by game.h and the
// sound settings by sound.h.
//
// The game clock `cas` counts hundredths of a second of real (monotonic)
// time.  It only moves when brix_timer() is called; every timed rule of the
// game compares `cas` with a stored start time.
#ifndef VARIABLE_H
#define VARIABLE_H

#include <allegro.h>
#include "animator.h"

// ---------------------------------------------------------------- limits
#define SCREEN_WIDTH 640
#define SCREEN_HEIGHT 480
#define PATH_SIZE 40            // path buffers of the data loaders, terminator included
#define TOKEN_SIZE 40           // words read from data files, terminator included
#define MAX_OBJECTS 24          // creature kinds in one level
#define MAX_DECORATIONS 10      // decorations in one level
#define MAX_TICKS 40            // ticks in one creature script
#define DOOR_COUNT 3
#define KOLT_SECTORS 7
#define HOLE_COUNT 3            // marks of bandits' shots on the screen
#define LAYER_COUNT 3
#define KOMIX_NAME_SIZE 50
#define MAX_LIVES 10

#define TICKS_PER_SECOND 100    // one tick of `cas` is 1/100 s
#define CLOCK_UNITS_PER_TICK 10000  // time-source units (microseconds) per tick
#define FRAMES_PER_SECOND 60    // every screen presents at this pace

// ---------------------------------------------------------------- records

// A creature kind (a bandit or a civilian), read from data/object/.
struct OBJECT_STRUCTURE {
    ANIM_OBJECT_STRUCTURE *anim_object;  // poses: slot v for tick value v, 3 hit, 4 fallen
    int max_show;           // stored, not consulted
    int show_count;         // 0 on load, not consulted
    int score;              // points the creature is worth
    SAMPLE *s_dead;         // played when it is hit
    SAMPLE *s_shot;         // played when it fires
    SAMPLE *s_cry;          // loaded and released, never played
    int type;               // 0 civilian, 2 bandit with a child, other values bandit
    int delay;              // tick length in hundredths, after the difficulty adjustment
    int end_tick;           // ticks played when not shot, at most MAX_TICKS
    int vaha;               // cumulative appearance weight (set by the level loader)
    int tick[MAX_TICKS];    // tick values: pose shown and action of each tick
    int next_name;          // child creature's index in `object` (type 2)
};

// A shootable decoration, read from data/decor/.
struct DECORATION_STRUCTURE {
    ANIM_OBJECT_STRUCTURE *anim_object;  // slot 0 intact, slot 1 destroyed
    int type;               // 2: becomes intact again 40 ticks after a hit
    int mode;               // 0 intact, 1 destroyed
    int X, Y;               // top-left drawing anchor
    SAMPLE *s_destroy;      // played when destroyed, or null
    SAMPLE *s_normal;       // loaded and released, never played, or null
    long old_time;          // `cas` of the last hit
};

// A picture layer; layer 0 is the level's background.
struct VRSTVA_STRUCTURE {
    BITMAP *image;
    int X, Y, Z;
    int width, height;
};

// One of the three doors.
struct DVERE_OBJECT_STRUCTURE {
    ANIM_OBJECT_STRUCTURE *anim_object;  // slot 0: step 0 closed .. step 3 open
    int X, Y;               // top-left drawing anchor
};

// One aiming sector of the revolver.
struct KOLT_OBJECT_STRUCTURE {
    int X;                  // bottom-centre anchor x before the sway
    int Y;                  // unused
};

// A door slot and the creature in it.
struct SMALL_OBJECT_STRUCTURE {
    int draw;               // 1 while a creature occupies the slot
    int type;               // copy of the creature's type
    int mode;               // 0 acting, 1 shot
    int animation;          // index of the creature in `object`
    int position;           // 0 on entry, not consulted
    int tik;                // current tick number
    int delay;              // tick length, copy of the creature's delay
    long last_time;         // `cas` at which the current tick began; 0 = not started
    int shot_tick;          // unused
    int dead_tick;          // unused
    int end_tick;           // tick at which an unharmed creature leaves
    int X, Y;               // top-centre anchor of the creature's picture
};

// The mark a bandit's shot leaves on the screen.
struct DIRA_STRUCT {
    int visible;
    int X, Y;               // top-left of the 160 x 160 picture
    long old_time;          // `cas` when it was made
};

// ---------------------------------------------------------------- clock
extern long cas;            // the game clock, hundredths of a second
extern long spec_cas;       // time-source reading up to which `cas` has been advanced

void brix_timer(void);      // advance `cas` to the present
void brix_timer_wait(void); // drop the time since the last brix_timer
void brix_delay(int delay); // wait until `delay` ticks have passed (sleeps between reads)

// The clock reads microseconds from a replaceable source; tests install a
// fake one.  `now_us` returns microseconds (it may wrap at 2^32), `sleep_us`
// waits about that long (a fake one may simply advance its time).
typedef unsigned long (*brix_now_fn)(void);
typedef void (*brix_sleep_fn)(long us);
void brix_set_time_source(brix_now_fn now_us, brix_sleep_fn sleep_us);
void brix_default_time_source(void);
unsigned long brix_now_us(void);   // reading of the installed source
void brix_sleep_us(long us);       // sleep through the installed source

// ---------------------------------------------------------------- display
extern PALETTE pal;
extern int color_depth;
extern BITMAP *game_screen;         // back buffer of every screen
extern BITMAP *game_screen2;        // the level's background with its bullet holes
extern BITMAP *mouse_pointer;       // ordinary pointer
extern BITMAP *mouse_pointer2;      // pointer over a button
extern BITMAP *mouse_shot;          // gun sight
extern BITMAP *bfont1;              // digit font
extern BITMAP *bfont2;              // letter font
extern BITMAP *bstar1;              // one life
extern BITMAP *bhole[5];            // bullet holes 0..3; entry 4 stays null
extern BITMAP *bmhole;              // mark of a bandit's shot
extern BITMAP *bhead[3];            // portrait after 0, 1, 2 hits
extern BITMAP *bbang;               // loaded and released, not drawn
extern BITMAP *bcheat_life;         // portrait while lives are infinite
extern BITMAP *bcheat_civil;        // mark of the civilian cheat
extern BITMAP *bbandits;            // the kill bar's label: bandits to go

// ---------------------------------------------------------------- level
extern VRSTVA_STRUCTURE vrstva[LAYER_COUNT];
extern OBJECT_STRUCTURE object[MAX_OBJECTS];
extern int object_count;
extern SMALL_OBJECT_STRUCTURE small_object[DOOR_COUNT];
extern DVERE_OBJECT_STRUCTURE dvere[DOOR_COUNT];
extern DECORATION_STRUCTURE decoration[MAX_DECORATIONS];
extern int decoration_count;
extern DIRA_STRUCT dira[HOLE_COUNT];

extern int level;                   // level being played
extern int next_level;              // level that follows
extern char komix_start[KOMIX_NAME_SIZE];   // comic before the level; "" = none
extern char komix_finish[KOMIX_NAME_SIZE];  // comic after the level is won
extern int refresh_door;            // chance per frame, in thousandths, that a door opens
extern int max_doors_open;          // most doors occupied at once
extern int level_mode;              // 0 ordinary, 1 duel
extern int level_time;              // stored, not consulted
extern int max_level_bandit;        // kill quota
extern int max_pravdepodobnost;     // sum of the creature weights

// ---------------------------------------------------------------- player
extern int pocet_naboju;            // bullets in the cylinder (6)
extern int max_pocet_naboju;        // cylinder capacity (6)
extern int celkem_naboju;           // spare cartridges (44)
extern int pocet_hitu;              // hits taken on this life, 0..2
extern int pocet_zivotu;            // lives left
extern int pocet_zabitych;          // bandits shot in this level
extern int score;
extern int obtiznost;               // difficulty 0 (easiest) .. 2

// ---------------------------------------------------------------- revolver
extern ANIM_OBJECT_STRUCTURE *kolt_anim;      // one slot per aiming sector
extern ANIM_OBJECT_STRUCTURE *nabojnik_anim;  // one slot per bullet count 0..6
extern int kolt_X;                  // current aiming sector 0..6
extern KOLT_OBJECT_STRUCTURE kolt[KOLT_SECTORS];
extern long shot_last_time;         // `cas` of the last accepted left click
extern long reload_last_time;       // `cas` of the last reload
extern int shot_show;               // 1 while the firing frame is shown
extern int reload_show;             // 1 while the reload frame is shown

// ---------------------------------------------------------------- loop phase
extern int quit_flag;       // non-zero ends the game loop; 2 = the last life is gone
extern int bang;            // 0 normal, 1 retreat after a lost life, 2 quota met,
                            // 3 last life lost; no creature enters while it is not 0
extern long bang_time;      // cas at which the retreat began (0 = not yet)
extern long finish_time;    // cas at which the quota or last-life phase began (0 = not yet)
extern long duel_time;      // cas at which the current duel level began
extern int street_still;    // 1 while READY shows: nobody moves and the clock stands

// ---------------------------------------------------------------- options
extern int mouse_sensitivity;       // 20; Allegro's mouse speed is a tenth of it
extern int life_cheat;              // infinite lives
extern int kill_civil_cheat;        // shooting civilians costs nothing

#endif
