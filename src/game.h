// game.h -- the shooting gallery itself: the frame loop of a game, the three
// door slots and the creatures in them, the player's shots, and the game
// screen with its status display.
#ifndef GAME_H
#define GAME_H

#include "layout.h"

// ---------------------------------------------------------------- the game
// No retreat, quota, last-life or duel phase under way, and the loop not
// ended: how every level begins.
void game_phase_reset(void);
// Releases the level in play, loads level `number` of the level script, makes
// the sight the pointer and paints the level's background into game_screen2.
// Returns 0.
int game_load_level(int number);

// Starts a game the way the main menu does: level 1, three lives, score 0,
// runs it, and releases the level.  Returns 0.
int game_new(void);

// Runs one game from the current level to its end: start comic, frames,
// level changes, then the game-over comic and the top-ten table.  Returns 0.
int main_game(void);

// The pieces of main_game, in the order it runs them:
int game_start(void);       // phase reset, start comic, aim range, duel set-up
int game_frame(void);       // one frame; non-zero when the game ends
int game_quit(void);        // release the level, game-over comic, table, menu range

// Steps of one frame (game_frame runs them in this order):
int game_shoot(void);       // the left button: fire, or click empty; 1 when a shot was fired
int game_reload(void);      // the right button and the automatic reload
int game_retreat(void);     // the retreat after a lost life, and its end
int game_keys(void);        // N, B and Esc; non-zero when the player chose to quit
int game_end_rules(void);   // quota, level change, last life, game over, Q; non-zero = game over
int game_change_level(void);// finish comic, next level, start comic
// READY over the street for a second, with the game clock standing: at the
// start of every level and when the quit dialog closes.  Returns 0.
int game_ready(void);

// The comic player the game calls for the levels' start and finish comics
// and the game-over comic: comix_play.  Tests put a recorder in its place.
extern int (*game_comix)(const char *name);
// The quit dialog (Esc in play) and the top-ten table (at the end of every
// game): menu_yesno and menu_topten.  Tests put stand-ins in their place.
extern int (*game_yesno)(void);
extern int (*game_topten)(int score);

// ---------------------------------------------------------------- door slots
// One step of the three door slots and of the bandits' hit marks.
int pohni_objekty(void);
// Puts creature `index` of the level into slot `door`.  An index outside the
// level's creature table, or a door outside 0..2, leaves the slot as it is.
int init_small(int door, int index);

// ---------------------------------------------------------------- shooting
int door_shot(int x, int y);        // door 0..2 whose creature zone holds (x, y), or -1
int strela(int door);               // resolves a shot at slot `door`; returns `door`
int decoration_shot(int x, int y);  // 1 + index of the decoration hit, or 0
int no_shot(int x, int y);          // 1 + door whose door-frame zone holds (x, y), or 0
// 1 when (x, y), inside door `door`'s creature zone, passes a townsperson
// standing there by more than a few pixels of what he shows: a miss, not a foul.
int shot_misses_townsperson(int door, int x, int y);

// ---------------------------------------------------------------- screen
int draw_game_screen(void); // runs pohni_objekty and composes the frame in game_screen
int write_info(void);       // lives, level and score

// ---------------------------------------------------------------- duels
// On a duel level (level_mode 1): fills the three slots from creatures 0, 1
// and 2 and starts the duel's clock (duel_time = cas).  Does nothing on an
// ordinary level.  Returns 0.
int duel_start(void);
int duel_pohni_objekty(void);       // one step of the duelists and of the hit marks
int duel_draw_game_screen(void);    // runs duel_pohni_objekty and composes a duel frame

#endif
