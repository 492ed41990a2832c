// init.h -- the game's world: creature, decoration and level loaders and
// the resources that live for the whole run.
#ifndef INIT_H
#define INIT_H

// Creature kind "data/object/<name>" into object[index].
int load_object(const char *name, int index);
int destroy_object(int index);

// Decoration "data/decor/<name>" into decoration[index].
int load_decoration(const char *name, int index);
int destroy_decoration(int index);

// Level `index` of "data/levels/<name>": the level's creatures, decorations,
// background and rules.  The game shows it with game_load_level.
int load_level(const char *name, int index);
int destroy_level(void);
// The level state that carries over from one level to the next (the mode and
// the doors open at once) as it is when the program starts: for loading a
// level by itself, with nothing before it.
void level_state_at_start(void);

// Whole-run resources: fonts, status pictures, sounds, revolver, cartridge
// display and doors.  Every file that cannot be loaded ends the program.
int init_all(void);
int destroy_all(void);
extern int init_all_done;       // 1 between init_all and destroy_all

#endif
