// init.cpp -- the whole-run resources, and the loaders of the game's world.
#include "init.h"

#include <allegro.h>
#include <stdio.h>
#include <string.h>

#include <vector>

#include "animator.h"
#include "blend.h"
#include "criterr.h"
#include "layout.h"
#include "picture.h"
#include "present.h"
#include "reader.h"
#include "sound.h"
#include "texts.h"
#include "variable.h"

int init_all_done = 0;

#define DEFAULT_MOUSE_SENSITIVITY 20

// A whole-run picture that is missing, or smaller than the part of it the
// game draws, ends the program.
static BITMAP *load_picture(const char *path, int min_w, int min_h)
{
    BITMAP *picture = load_picture(path);
    if (picture->w < min_w || picture->h < min_h)
        critical_error("Broken file %s: the picture is %d x %d, the game needs at least %d x %d", path,
                       picture->w, picture->h, min_w, min_h);
    return picture;
}

int init_all(void)
{
    mouse_sensitivity = DEFAULT_MOUSE_SENSITIVITY;
    bfont1 = load_picture("data/gfx/font/font1.bmp", DIGIT_CELLS * DIGIT_W, DIGIT_H);
    bfont2 = load_picture("data/gfx/font/font2.bmp", LETTER_CELLS * LETTER_W, LETTER_H);
    bstar1 = load_picture("data/gfx/level/star.bmp", STAR_W, STAR_H);
    static const char *const holes[HOLE_PICTURES] = {
        "data/gfx/level/dira01.bmp", "data/gfx/level/dira02.bmp", "data/gfx/level/dira03.bmp",
        "data/gfx/level/dira04.bmp"};
    for (int i = 0; i < HOLE_PICTURES; i++)
        bhole[i] = load_picture(holes[i], 1, 1);
    bhole[HOLE_PICTURES] = nullptr;
    bhead[0] = load_picture("data/gfx/level/hit100.bmp", PORTRAIT_W, PORTRAIT_H);
    bhead[1] = load_picture("data/gfx/level/hit66.bmp", PORTRAIT_W, PORTRAIT_H);
    bhead[2] = load_picture("data/gfx/level/hit33.bmp", PORTRAIT_W, PORTRAIT_H);
    bmhole = load_picture("data/gfx/level/hole.bmp", HIT_MARK_SIZE, HIT_MARK_SIZE);
    bbang = load_picture("data/gfx/level/bang.bmp", 1, 1);
    bcheat_life = load_picture("data/gfx/level/hit0.bmp", PORTRAIT_W, PORTRAIT_H);
    bcheat_civil = load_picture("data/gfx/level/civil.bmp", CIVIL_MARK_W, CIVIL_MARK_H);
    bbandits = load_picture("data/gfx/level/bandits.bmp", KILL_LABEL_W, KILL_LABEL_H);
    init_sound();

    kolt_X = MIDDLE_SECTOR;
    for (int i = 0; i < KOLT_SECTORS; i++)
        kolt[i].X = kolt_sector_x[i];
    nabojnik_anim = load_anim_object(CARTRIDGES_ANIM);
    kolt_anim = load_anim_object(KOLT_ANIM);
    for (int i = 0; i < DOOR_COUNT; i++)
        dvere[i].anim_object = load_anim_object(DOOR_ANIM);
    for (int i = 0; i < DOOR_COUNT; i++) {
        dvere[i].X = door_leaf_x[i];
        dvere[i].Y = DOOR_LEAF_Y;
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
    pointer_show(0);
    BITMAP **pictures[] = {&mouse_pointer, &mouse_pointer2, &mouse_shot, &bfont1, &bfont2, &bstar1,
                           &bhole[0], &bhole[1], &bhole[2], &bhole[3], &bhead[0], &bhead[1],
                           &bhead[2], &bbang, &bcheat_civil, &bcheat_life, &bmhole, &bbandits};
    for (BITMAP **picture : pictures)
        release_bitmap(picture);
    release_anim(&nabojnik_anim);
    release_anim(&kolt_anim);
    for (int i = 0; i < DOOR_COUNT; i++)
        release_anim(&dvere[i].anim_object);
    release_bitmap(&game_screen2);
    release_bitmap(&game_screen);
    blend_maps_exit();
    return 0;
}

// ===========================================================================
// The game's world: creature kinds, decorations and the level script.
//
// Every file below is read front to back.  Anything that does not fit what
// the game will later do with it (a missing or misspelt keyword, a pose the
// animation does not have, a sound that cannot be loaded, a level that is not
// in the script) ends the program here, naming the file and what is wrong,
// rather than surfacing later as a crash in the middle of a game.

#define OBJECT_DIR "data/object/"
#define DECOR_DIR "data/decor/"
#define SOUND_DIR "data/sound/"
#define TEXT_DIR "data/text/"
#define GFX_DIR "data/gfx/"

#define NO_SOUND "NULL"             // a decoration sound that is not there

// A creature's tick length: its file's DELAY plus this, less DELAY_PER_LEVEL
// for each step of difficulty, so creatures act more slowly on easy.
#define DELAY_BONUS 4
#define DELAY_PER_LEVEL 2

#define MAX_WEIGHT 100000           // keeps the sum of the weights far from overflow

// Level defaults, applied before each block is read.
#define DEFAULT_MAX_BANDIT 20
#define DEFAULT_REFRESH_DOOR 100
#define DEFAULT_AMMO 10000
#define DEFAULT_BULLETS CYLINDER_SIZE

// What the numbers of the creature, decoration and level files can be.  A
// value outside its range ends the load, naming the file, the field and the
// value, so no arithmetic on it can overflow later.
#define MAX_TYPE 99                 // TYPE of creatures and decorations
#define MAX_CREATURE_DELAY 6000     // DELAY: a minute a tick
#define MAX_SHOW_LIMIT 1000         // MAX_SHOW
#define MAX_CREATURE_SCORE 10000    // SCORE of one creature, either way
#define MAX_LEVEL_NUMBER 99999      // LEVEL and NEXT
#define MAX_REFRESH_DOOR 1000       // REFRESH_DOOR is in thousandths
#define MAX_LEVEL_TIME 8640000      // TIME: a day of game-clock ticks

namespace {

// Closes a data file however its reading ends.
struct DataFile {
    FILE *f;
    explicit DataFile(FILE *file) : f(file) {}
    ~DataFile()
    {
        if (f)
            fclose(f);
    }
    DataFile(const DataFile &) = delete;
    DataFile &operator=(const DataFile &) = delete;
};

// Releases a creature or decoration entry whose loading ends half-way, so a
// refused file leaves nothing loaded behind it.
struct EntryLoad {
    int index;
    int (*release)(int index);
    bool done = false;
    EntryLoad(int i, int (*r)(int)) : index(i), release(r) {}
    EntryLoad(const EntryLoad &) = delete;
    EntryLoad &operator=(const EntryLoad &) = delete;
    ~EntryLoad()
    {
        if (!done)
            release(index);
    }
};

}  // namespace

static FILE *open_data(const char *path)
{
    FILE *f = fopen(path, "r");
    if (!f)
        critical_error("Unable to open file %s", path);
    return f;
}

// out = dir + name for a file that `owner` names after `keyword`.
static void named_path(char *out, const char *dir, const char *name, const char *owner,
                       const char *keyword)
{
    int n = snprintf(out, PATH_SIZE, "%s%s", dir, name);
    if (n < 0 || n >= PATH_SIZE)
        critical_error("Broken file %s: %s %s is too long (%s%s must fit in %d characters)", owner,
                       keyword, name, dir, name, PATH_SIZE - 1);
}

// Loads the animation object `owner` names after ANIMATION.  Its file is
// looked for first, so that a missing one is reported with its owner.
static ANIM_OBJECT_STRUCTURE *load_named_anim(const char *name, const char *owner)
{
    char path[PATH_SIZE];
    named_path(path, TEXT_DIR, name, owner, "ANIMATION");
    FILE *probe = fopen(path, "r");
    if (!probe)
        critical_error("Broken file %s: ANIMATION %s: unable to open file %s", owner, name, path);
    fclose(probe);
    return load_anim_object(name);
}

static int slot_used(const ANIM_OBJECT_STRUCTURE *anim, int slot)
{
    return slot >= 0 && slot < ANIM_SLOTS && anim->animation[slot].count > 0;
}

// The sample `owner` names after `keyword`; one that cannot be loaded is fatal.
static SAMPLE *load_named_sample(const char *name, const char *owner, const char *keyword)
{
    char path[PATH_SIZE];
    named_path(path, SOUND_DIR, name, owner, keyword);
    SAMPLE *sample = load_sample(path);
    if (!sample)
        critical_error("Broken file %s: %s %s: unable to open file %s", owner, keyword, name, path);
    return sample;
}

static SAMPLE *read_sound(FILE *f, const char *path, const char *keyword)
{
    char name[TOKEN_SIZE];
    expect_keyword(f, path, keyword);
    read_word(f, name, sizeof name, path, keyword);
    return load_named_sample(name, path, keyword);
}

static void release_sample(SAMPLE **sample)
{
    if (*sample)
        destroy_sample(*sample);
    *sample = nullptr;
}

// ---------------------------------------------------------------- creatures

int load_object(const char *name, int index)
{
    if (index < 0 || index >= MAX_OBJECTS)
        critical_error("Creature %s cannot go into entry %d (0 to %d)", name, index, MAX_OBJECTS - 1);
    char path[PATH_SIZE];
    make_path(path, sizeof path, OBJECT_DIR, name);
    DataFile file(open_data(path));
    FILE *f = file.f;

    OBJECT_STRUCTURE *o = &object[index];
    int vaha = o->vaha;     // the level script's, not this file's
    destroy_object(index);  // whatever the entry still held
    *o = OBJECT_STRUCTURE{};
    EntryLoad load(index, destroy_object);
    o->vaha = vaha;
    o->show_count = 0;

    char word[TOKEN_SIZE];
    expect_keyword(f, path, "ANIMATION");
    read_word(f, word, sizeof word, path, "ANIMATION");
    o->anim_object = load_named_anim(word, path);
    if (!slot_used(o->anim_object, POSE_HIT) || !slot_used(o->anim_object, POSE_FALLEN))
        critical_error("Broken file %s: ANIMATION %s lacks the hit and fallen poses (slots %d and %d)",
                       path, word, POSE_HIT, POSE_FALLEN);

    expect_keyword(f, path, "TYPE");
    o->type = read_int_range(f, path, "TYPE", 0, MAX_TYPE);
    expect_keyword(f, path, "DELAY");
    o->delay = read_int_range(f, path, "DELAY", 0, MAX_CREATURE_DELAY) + DELAY_BONUS -
               DELAY_PER_LEVEL * obtiznost;
    if (o->delay < 0)
        o->delay = 0;
    expect_keyword(f, path, "MAX_SHOW");
    o->max_show = read_int_range(f, path, "MAX_SHOW", 0, MAX_SHOW_LIMIT);
    expect_keyword(f, path, "SCORE");
    o->score = read_int_range(f, path, "SCORE", -MAX_CREATURE_SCORE, MAX_CREATURE_SCORE);
    o->s_dead = read_sound(f, path, "SOUND_DEAD");
    o->s_shot = read_sound(f, path, "SOUND_SHOT");
    o->s_cry = read_sound(f, path, "SOUND_CRY");
    expect_keyword(f, path, "CHILD");
    o->next_name = read_int_range(f, path, "CHILD", 0, MAX_OBJECTS - 1);
    expect_keyword(f, path, "TICKS");
    o->end_tick = read_int_range(f, path, "TICKS", 0, MAX_TICKS);

    for (int i = 0; i < o->end_tick; i++) {
        char what[64];
        snprintf(what, sizeof what, "tick line %d of TICKS", i);
        read_int(f, path, what);    // the tick's own number, for the reader's eye only
        int v = read_int(f, path, what);
        if (!slot_used(o->anim_object, v))
            critical_error("Broken file %s: tick line %d of TICKS shows pose %d, which is not a "
                           "filled slot (0 to %d) of its animation",
                           path, i, v, ANIM_SLOTS - 1);
        o->tick[i] = v;
    }
    load.done = true;
    return 0;
}

int destroy_object(int index)
{
    if (index < 0 || index >= MAX_OBJECTS)
        return 0;
    OBJECT_STRUCTURE *o = &object[index];
    destroy_anim_object(o->anim_object);
    o->anim_object = nullptr;
    release_sample(&o->s_dead);
    release_sample(&o->s_shot);
    release_sample(&o->s_cry);
    return 0;
}

// ---------------------------------------------------------------- decorations

static SAMPLE *read_optional_sound(FILE *f, const char *path, const char *keyword)
{
    char name[TOKEN_SIZE];
    expect_keyword(f, path, keyword);
    read_word(f, name, sizeof name, path, keyword);
    if (strcmp(name, NO_SOUND) == 0)
        return nullptr;
    return load_named_sample(name, path, keyword);
}

int load_decoration(const char *name, int index)
{
    if (index < 0 || index >= MAX_DECORATIONS)
        critical_error("Decoration %s cannot go into entry %d (0 to %d)", name, index,
                       MAX_DECORATIONS - 1);
    char path[PATH_SIZE];
    make_path(path, sizeof path, DECOR_DIR, name);
    DataFile file(open_data(path));
    FILE *f = file.f;

    DECORATION_STRUCTURE *d = &decoration[index];
    destroy_decoration(index);  // whatever the entry still held
    *d = DECORATION_STRUCTURE{};
    EntryLoad load(index, destroy_decoration);
    d->mode = 0;
    d->old_time = 0;

    char word[TOKEN_SIZE];
    expect_keyword(f, path, "ANIMATION");
    read_word(f, word, sizeof word, path, "ANIMATION");
    d->anim_object = load_named_anim(word, path);
    if (!slot_used(d->anim_object, POSE_INTACT) || !slot_used(d->anim_object, POSE_DESTROYED))
        critical_error("Broken file %s: ANIMATION %s lacks the intact and destroyed pictures "
                       "(slots %d and %d)",
                       path, word, POSE_INTACT, POSE_DESTROYED);
    expect_keyword(f, path, "TYPE");
    d->type = read_int_range(f, path, "TYPE", 0, MAX_TYPE);
    expect_keyword(f, path, "X");
    d->X = read_int_range(f, path, "X", -SCREEN_WIDTH, SCREEN_WIDTH);
    expect_keyword(f, path, "Y");
    d->Y = read_int_range(f, path, "Y", -SCREEN_HEIGHT, SCREEN_HEIGHT);
    d->s_normal = read_optional_sound(f, path, "S_NORMAL");
    d->s_destroy = read_optional_sound(f, path, "S_DESTROY");
    load.done = true;
    return 0;
}

int destroy_decoration(int index)
{
    if (index < 0 || index >= MAX_DECORATIONS)
        return 0;
    DECORATION_STRUCTURE *d = &decoration[index];
    destroy_anim_object(d->anim_object);
    d->anim_object = nullptr;
    release_sample(&d->s_destroy);
    release_sample(&d->s_normal);
    return 0;
}

// ---------------------------------------------------------------- level script

// The words of a level block (LEVEL_KEY) and how many words follow each:
// the one grammar of the level script, for the loader, its search and the
// tools.
#define LEVEL_START "LEVEL"         // and its number: a block's first words
static const struct {
    const char *word;
    int arguments;
} level_keywords[LK_COUNT] = {
    {"CREATURE", 2},       {"DECORATION", 1}, {"KOMIX_START", 1}, {"KOMIX_FINISH", 1},
    {"NEXT", 1},           {"BACK", 1},       {"MAX_DOORS_OPEN", 1}, {"REFRESH_DOOR", 1},
    {"MODE", 1},           {"TIME", 1},       {"MAX_BANDIT", 1},  {"BULLETS", 1},
    {"AMMO", 1},           {"ADD_LIFE", 1},   {"END_OF_LEVEL", 1},
};

// The index of `word` in level_keywords, or -1 for a word the loader
// passes over.
static int level_keyword(const char *word)
{
    for (int k = 0; k < LK_COUNT; k++)
        if (strcmp(word, level_keywords[k].word) == 0)
            return k;
    return -1;
}

// How many words after `word` the search for a block passes over.
static int search_arguments(const char *word)
{
    int k = level_keyword(word);
    return k == LK_CREATURE ? level_keywords[k].arguments : 1;
}

// The argument word of `keyword` in level `index`.
static void read_argument(FILE *f, char *out, const char *path, const char *keyword, int index)
{
    if (!read_token(f, out, TOKEN_SIZE, path))
        critical_error("Broken file %s: level %d ends inside %s, without END_OF_LEVEL", path, index,
                       keyword);
}

static int read_level_range(FILE *f, const char *path, const char *keyword, int index, int low,
                            int high)
{
    char what[64];
    snprintf(what, sizeof what, "%s of level %d", keyword, index);
    return read_int_range(f, path, what, low, high);
}

// Passes over the blocks before the wanted one.  Every word is taken with
// one argument, CREATURE with two; LEVEL is followed by its number.
static void find_level(FILE *f, const char *path, int index)
{
    char token[TOKEN_SIZE], skipped[TOKEN_SIZE];
    while (read_token(f, token, TOKEN_SIZE, path)) {
        if (strcmp(token, LEVEL_START) == 0) {
            if (read_int(f, path, "a level number") == index)
                return;
        } else if (level_keyword(token) == LK_CREATURE) {
            if (!read_token(f, skipped, TOKEN_SIZE, path))
                break;
            read_int(f, path, "a creature weight");
        } else if (!read_token(f, skipped, TOKEN_SIZE, path)) {
            break;
        }
    }
    critical_error("Broken file %s: level %d is not in the file", path, index);
}

static void level_back(FILE *f, const char *path, int index)
{
    char name[TOKEN_SIZE], picture[PATH_SIZE];
    read_argument(f, name, path, "BACK", index);
    int n = snprintf(picture, sizeof picture, "%s%s", GFX_DIR, name);
    if (n < 0 || n >= PATH_SIZE)
        critical_error("Broken file %s: BACK %s of level %d is too long (%s%s must fit in %d "
                       "characters)",
                       path, name, index, GFX_DIR, name, PATH_SIZE - 1);
    VRSTVA_STRUCTURE *layer = &vrstva[0];
    if (layer->image)
        destroy_bitmap(layer->image);
    layer->image = load_bitmap(picture, pal);
    if (!layer->image)
        critical_error("Broken file %s: BACK of level %d: unable to open file %s", path, index,
                       picture);
    layer->X = 0;
    layer->Y = 0;
    layer->width = SCREEN_WIDTH;
    layer->height = SCREEN_HEIGHT;
}

// The file names of the level's creatures, for the checks' messages.
static char creature_file[MAX_OBJECTS][TOKEN_SIZE];

// Reads the entries of the found block up to its END_OF_LEVEL.
static void read_level_block(FILE *f, const char *path, int index)
{
    char token[TOKEN_SIZE], arg[TOKEN_SIZE];
    for (;;) {
        if (!read_token(f, token, TOKEN_SIZE, path))
            critical_error("Broken file %s: level %d has no END_OF_LEVEL", path, index);
        int key = level_keyword(token);
        if (key == LK_END_OF_LEVEL)
            return;
        if (key == LK_CREATURE) {
            read_argument(f, arg, path, "CREATURE", index);
            int weight = read_level_range(f, path, "the weight of CREATURE", index, 0, MAX_WEIGHT);
            if (object_count >= MAX_OBJECTS)
                critical_error("Broken file %s: level %d lists more than %d creatures", path, index,
                               MAX_OBJECTS);
            // Counted before it is read, so that destroy_level releases
            // whatever a load that ends half-way leaves in the entry.
            int entry = object_count++;
            load_object(arg, entry);
            snprintf(creature_file[entry], TOKEN_SIZE, "%s", arg);
            max_pravdepodobnost += weight;
            object[entry].vaha = max_pravdepodobnost;
        } else if (key == LK_DECORATION) {
            read_argument(f, arg, path, "DECORATION", index);
            if (decoration_count >= MAX_DECORATIONS)
                critical_error("Broken file %s: level %d lists more than %d decorations", path,
                               index, MAX_DECORATIONS);
            decoration_count++;
            load_decoration(arg, decoration_count - 1);
        } else if (key == LK_KOMIX_START) {
            read_argument(f, arg, path, "KOMIX_START", index);
            snprintf(komix_start, sizeof komix_start, "%s", arg);
        } else if (key == LK_KOMIX_FINISH) {
            read_argument(f, arg, path, "KOMIX_FINISH", index);
            snprintf(komix_finish, sizeof komix_finish, "%s", arg);
        } else if (key == LK_NEXT) {
            next_level = read_level_range(f, path, "NEXT", index, 1, MAX_LEVEL_NUMBER);
        } else if (key == LK_BACK) {
            level_back(f, path, index);
        } else if (key == LK_MAX_DOORS_OPEN) {
            max_doors_open = read_level_range(f, path, "MAX_DOORS_OPEN", index, 0, DOOR_COUNT);
        } else if (key == LK_REFRESH_DOOR) {
            refresh_door = read_level_range(f, path, "REFRESH_DOOR", index, 0, MAX_REFRESH_DOOR);
        } else if (key == LK_MODE) {
            level_mode = read_level_range(f, path, "MODE", index, MODE_ORDINARY, MODE_DUEL);
        } else if (key == LK_TIME) {
            level_time = read_level_range(f, path, "TIME", index, 0, MAX_LEVEL_TIME);
        } else if (key == LK_MAX_BANDIT) {
            max_level_bandit = read_level_range(f, path, "MAX_BANDIT", index, 1, MAX_WEIGHT);
        } else if (key == LK_BULLETS) {
            pocet_naboju = read_level_range(f, path, "BULLETS", index, 0, max_pocet_naboju);
        } else if (key == LK_AMMO) {
            celkem_naboju = read_level_range(f, path, "AMMO", index, 0, DEFAULT_AMMO * 100);
        } else if (key == LK_ADD_LIFE) {
            pocet_zivotu += read_level_range(f, path, "ADD_LIFE", index, -MAX_LIVES, MAX_LIVES);
            if (pocet_zivotu > MAX_LIVES)
                pocet_zivotu = MAX_LIVES;
        }
        // Any other word (a stray LEVEL included) is passed over by itself.
    }
}

// What the game will ask of the level once it runs.
static void check_level(const char *path, int index)
{
    if (!vrstva[0].image)
        critical_error("Broken file %s: level %d has no BACK picture", path, index);
    if (level_mode == MODE_ORDINARY && object_count == 0)
        critical_error("Broken file %s: level %d has no CREATURE", path, index);
    if (level_mode == MODE_ORDINARY && max_pravdepodobnost <= 0)
        critical_error("Broken file %s: the CREATURE weights of level %d add up to 0", path, index);
    if (level_mode == MODE_DUEL && object_count < DUEL_CREATURES)
        critical_error("Broken file %s: duel level %d has %d CREATURE lines, a duel needs %d", path,
                       index, object_count, DUEL_CREATURES);
    // A duelist holds at end_tick - 1 and is sent back to end_tick - 3 when
    // the player loses a life: his script must reach that far.
    for (int i = 0; level_mode == MODE_DUEL && i < DUEL_CREATURES; i++)
        if (object[i].end_tick < RETREAT_TICKS)
            critical_error("Broken file %s: duel level %d: its duelist %d (%s) has %d TICKS, a "
                           "duelist needs at least %d",
                           path, index, i, creature_file[i], object[i].end_tick, RETREAT_TICKS);
    for (int i = 0; i < object_count; i++) {
        const OBJECT_STRUCTURE *o = &object[i];
        if (o->type != TYPE_WITH_CHILD)
            continue;
        if (o->next_name < 0 || o->next_name >= object_count)
            critical_error("Broken file %s: level %d: its creature %d (%s) has CHILD %d, which is "
                           "not one of the level's %d creatures",
                           path, index, i, creature_file[i], o->next_name, object_count);
        const OBJECT_STRUCTURE *child = &object[o->next_name];
        if (child->end_tick <= CHILD_START_TICK)
            critical_error("Broken file %s: level %d: the CHILD %d (%s) of its creature %d (%s) has "
                           "%d TICKS, but a child takes over at tick %d",
                           path, index, o->next_name, creature_file[o->next_name], i, creature_file[i],
                           child->end_tick, CHILD_START_TICK);
    }
}

int load_level(const char *name, int index)
{
    // A level still loaded (the quit dialog's codes can load one from the
    // menu) is released first, so nothing it owned is lost.
    if (object_count > 0 || decoration_count > 0 || vrstva[0].image)
        destroy_level();

    char path[PATH_SIZE];
    make_path(path, sizeof path, LEVEL_DIR, name);
    DataFile file(open_data(path));
    FILE *f = file.f;

    object_count = 0;
    for (int i = 0; i < DOOR_COUNT; i++)
        small_object[i].draw = 0;
    level_time = 0;
    max_level_bandit = DEFAULT_MAX_BANDIT;
    pocet_zabitych = 0;
    level = 0;
    refresh_door = DEFAULT_REFRESH_DOOR;
    next_level = FIRST_LEVEL;
    decoration_count = 0;
    max_pravdepodobnost = 0;
    komix_start[0] = '\0';
    komix_finish[0] = '\0';
    celkem_naboju = DEFAULT_AMMO;
    pocet_naboju = DEFAULT_BULLETS;

    find_level(f, path, index);
    level = index;
    read_level_block(f, path, index);
    check_level(path, index);

    shot_last_time = 0;
    shot_show = 0;
    reload_show = 0;
    for (int i = 0; i < HOLE_COUNT; i++)
        dira[i].visible = 0;
    return 0;
}

void level_state_at_start(void)
{
    level_mode = MODE_ORDINARY;
    max_doors_open = 0;
}

int destroy_level(void)
{
    for (int i = 0; i < object_count; i++)
        destroy_object(i);
    object_count = 0;
    for (int i = 0; i < decoration_count; i++)
        destroy_decoration(i);
    decoration_count = 0;
    if (vrstva[0].image)
        destroy_bitmap(vrstva[0].image);
    vrstva[0].image = nullptr;
    set_pointer(mouse_pointer);
    return 0;
}

// ---------------------------------------------------------------- the script, listed

namespace {
struct LevelWord {
    char text[TOKEN_SIZE];
    int line;
};
}  // namespace

int walk_level_script(const char *name, const LEVEL_SCRIPT_VISITOR *v)
{
    char path[PATH_SIZE];
    make_path(path, sizeof path, LEVEL_DIR, name);
    FILE *f = fopen(path, "r");
    if (!f)
        return 0;
    std::vector<LevelWord> words;
    LevelWord word;
    int line = 1;
    while (scan_word_line(f, word.text, TOKEN_SIZE, &line) > 0) {
        word.line = line;
        words.push_back(word);
    }
    fclose(f);
    int n = (int)words.size();
    std::vector<unsigned char> in_block(words.size());

    for (int i = 0; i + 1 < n; i++) {
        int number;
        const char *end = scan_int_text(words[i + 1].text, &number);
        if (strcmp(words[i].text, LEVEL_START) == 0 && end && !*end)
            v->level_word(v->data, number, words[i].line);
    }
    // The search, and each block it meets read as the loader reads it.
    for (int i = 0; i < n;) {
        const char *word = words[i].text;
        int number;
        const char *end = i + 1 < n ? scan_int_text(words[i + 1].text, &number) : nullptr;
        if (strcmp(word, LEVEL_START) == 0 && end && !*end) {
            v->block(v->data, number, words[i].line);
            in_block[i] = in_block[i + 1] = 1;
            for (int j = i + 2; j < n;) {
                int k = level_keyword(words[j].text);
                int count = k < 0 ? 0 : level_keywords[k].arguments;
                const char *args[2] = {"", ""};
                for (int a = 0; a < count && j + 1 + a < n; a++)
                    args[a] = words[j + 1 + a].text;
                v->entry(v->data, number, words[j].text, args, k, words[j].line);
                for (int a = 0; a <= count && j < n; a++)
                    in_block[j++] = 1;
                if (k == LK_END_OF_LEVEL)
                    break;
            }
            i += 2;
            continue;
        }
        if (!in_block[i])
            v->stray(v->data, word, words[i].line);
        i += 1 + search_arguments(word);
    }
    return 1;
}

namespace {
struct NumberList {
    int *out;
    int max;
    int count;
};
}  // namespace

int list_level_numbers(const char *name, int *out, int max)
{
    NumberList list = {out, max, 0};
    LEVEL_SCRIPT_VISITOR v = {};
    v.data = &list;
    v.level_word = [](void *, int, int) {};
    v.block = [](void *data, int number, int) {
        NumberList *l = static_cast<NumberList *>(data);
        if (l->count < l->max)
            l->out[l->count++] = number;
    };
    v.entry = [](void *, int, const char *, const char *const[2], int, int) {};
    v.stray = [](void *, const char *, int) {};
    return walk_level_script(name, &v) ? list.count : -1;
}
