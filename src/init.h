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

// The level script "data/levels/<name>" as the game reads it, for the tools
// that go through every level.  The search for a level takes LEVEL and its
// number, CREATURE with two words and any other word with one; each block
// it meets is read as load_level reads it, up to its END_OF_LEVEL.
enum LEVEL_KEY {
    LK_CREATURE, LK_DECORATION, LK_KOMIX_START, LK_KOMIX_FINISH, LK_NEXT, LK_BACK,
    LK_MAX_DOORS_OPEN, LK_REFRESH_DOOR, LK_MODE, LK_TIME, LK_MAX_BANDIT, LK_BULLETS, LK_AMMO,
    LK_ADD_LIFE, LK_END_OF_LEVEL, LK_COUNT
};
struct LEVEL_SCRIPT_VISITOR {
    void *data;
    // Every "LEVEL <number>" of the file, wherever it stands.
    void (*level_word)(void *data, int number, int line);
    // A block the search meets.
    void (*block)(void *data, int number, int line);
    // An entry of that block: a keyword (`key`, a LEVEL_KEY) with its
    // argument words, or (`key` -1) a word the loader passes over by itself.
    // END_OF_LEVEL comes last.
    void (*entry)(void *data, int number, const char *word, const char *const args[2], int key,
                  int line);
    // A word the search takes for a keyword with the word after it as its
    // argument, outside every block it meets.
    void (*stray)(void *data, const char *word, int line);
};
#define LEVEL_SCRIPT_MAX_LEVELS 1000    // blocks listed; a script has a few dozen
// Returns 0 when the file cannot be opened; faults are the loader's to report.
int walk_level_script(const char *name, const LEVEL_SCRIPT_VISITOR *v);
// The numbers of the blocks the search meets, in file order, at most `max`
// of them; -1 when the file cannot be opened.
int list_level_numbers(const char *name, int *out, int max);

#endif
