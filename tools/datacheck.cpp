// datacheck -- checks a game folder's data the way the game will use it.
//
// Run it from the folder that holds data/.  It loads the whole-run
// resources and then every level of data/levels/levels.txt at the easiest
// and the hardest difficulty through the game's own loaders, and checks what
// the loaders cannot know: that every NEXT leads to a level, that pictures
// are as large as the drawing takes, that every bandit gives the player a
// fair chance before he fires and never puts a drawn gun away sooner than
// that (duelists too: each one's time from drawing
// to firing is printed), that civilians never fire, that every level states
// its MODE, that a duel lists no decorations and can reach its quota, and
// that the door and creature art stays inside the zones shots are tested
// against, and that levels.txt holds no word the level loader does not know
// (named with its line).  A number outside what its field can use is
// reported by the loaders themselves, naming the file, the field and the
// value.
// One line per problem, a summary, and a non-zero exit status on any problem.
#include <allegro.h>
#include <errno.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "animator.h"
#include "comix.h"
#include "criterr.h"
#include "headless.h"
#include "init.h"
#include "layout.h"
#include "reader.h"
#include "sound.h"
#include "variable.h"

static const int check_difficulties[] = {DIFFICULTY_EASY, DIFFICULTY_HARD};
// Least time, in hundredths, from a bandit's first draw to his first shot.
static int min_warning(int difficulty) { return difficulty == DIFFICULTY_EASY ? 60 : 35; }

// Zones and anchors of door 0 (the others are the same shape, shifted).
static const ZONE &frame_zone = door_frame_zone[0];
static const ZONE &body_zone = creature_zone[0];
#define CREATURE_ANCHOR_X slot_x[0]
#define DOOR_ANCHOR_X door_leaf_x[0]

namespace {

using Fatal = HeadlessFatal;

std::vector<std::string> problems;
std::set<std::string> reported;

void problem(const std::string &line)
{
    if (reported.insert(line).second) {
        problems.push_back(line);
        printf("PROBLEM %s\n", line.c_str());
    }
}

std::string fmt(const char *format, ...) __attribute__((format(printf, 1, 2)));
std::string fmt(const char *format, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

bool file_exists(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// ------------------------------------------------------------------ the script

// A block of the level script as the game's search meets it.
struct LevelInfo {
    int number = 0;
    std::vector<std::string> creatures;     // CREATURE names in order
    std::vector<std::string> decorations;   // DECORATION names in order
    std::vector<std::string> comics;        // KOMIX_START / KOMIX_FINISH names
    std::set<int> keywords;                 // the entries the block has (LEVEL_KEY)
};

struct Script {
    std::vector<LevelInfo> levels;
    std::set<int> raw_numbers;              // every "LEVEL n" of the file
};

// Lists levels.txt with the game's own grammar.  Words the loader passes
// over inside a block (so a typo such as REFRESH_DOR goes unnoticed), and
// words the search takes between blocks, are reported with their line.
bool list_levels(Script *script)
{
    LEVEL_SCRIPT_VISITOR v;
    v.data = script;
    v.level_word = [](void *data, int number, int) { static_cast<Script *>(data)->raw_numbers.insert(number); };
    v.block = [](void *data, int number, int) {
        LevelInfo info;
        info.number = number;
        static_cast<Script *>(data)->levels.push_back(info);
    };
    v.entry = [](void *data, int number, const char *word, const char *const args[2], int key, int line) {
        LevelInfo &info = static_cast<Script *>(data)->levels.back();
        if (key < 0) {
            problem(fmt("%s:%d: level %d: '%s' is no keyword of a level; the game passes over it", LEVEL_SCRIPT_PATH,
                        line, number, word));
            return;
        }
        info.keywords.insert(key);
        if (key == LK_CREATURE)
            info.creatures.push_back(args[0]);
        else if (key == LK_DECORATION)
            info.decorations.push_back(args[0]);
        else if (key == LK_KOMIX_START || key == LK_KOMIX_FINISH)
            info.comics.push_back(args[0]);
    };
    v.stray = [](void *, const char *word, int line) {
        problem(fmt("%s:%d: '%s' between level blocks: the level search takes it and the word after it for a "
                    "keyword and its argument",
                    LEVEL_SCRIPT_PATH, line, word));
    };
    return walk_level_script(LEVEL_SCRIPT, &v) != 0;
}

// ------------------------------------------------------------------ pictures

struct Box {
    int x1 = 1 << 30, y1 = 1 << 30, x2 = -(1 << 30), y2 = -(1 << 30);
    bool empty() const { return x1 > x2; }
    std::string text() const
    {
        return empty() ? std::string("nothing") : fmt("x %d..%d, y %d..%d", x1, x2, y1, y2);
    }
};

// A canvas larger than the screen, so art that spills over the edges is
// measured as well: (0, 0) of the screen is at (MARGIN, MARGIN).
#define MARGIN 200
BITMAP *canvas = nullptr;

// Draws one step through `draw` onto the canvas and measures its opaque pixels.
template <typename Draw>
Box measure(Draw draw)
{
    BITMAP *saved = game_screen;
    clear_to_color(canvas, bitmap_mask_color(canvas));
    game_screen = canvas;
    draw();
    game_screen = saved;
    Box box;
    int mask = bitmap_mask_color(canvas);
    // The canvas is a memory bitmap: its rows are read directly (a getpixel
    // per pixel was most of the checker's time).
    bool direct = is_memory_bitmap(canvas) && bitmap_color_depth(canvas) == 32;
    for (int y = 0; y < canvas->h; y++) {
        const uint32_t *row = direct ? (const uint32_t *)canvas->line[y] : nullptr;
        for (int x = 0; x < canvas->w; x++)
            if ((row ? (int)row[x] : getpixel(canvas, x, y)) != mask) {
                if (x < box.x1) box.x1 = x;
                if (x > box.x2) box.x2 = x;
                if (y < box.y1) box.y1 = y;
                if (y > box.y2) box.y2 = y;
            }
    }
    if (!box.empty()) {
        box.x1 -= MARGIN; box.x2 -= MARGIN;
        box.y1 -= MARGIN; box.y2 -= MARGIN;
    }
    return box;
}

bool inside_frame_zone(const Box &b)
{
    return b.x1 >= frame_zone.x1 && b.x2 <= frame_zone.x2 && b.y1 >= frame_zone.y1 && b.y2 <= frame_zone.y2;
}

bool meets_body_zone(const Box &b)
{
    return !b.empty() && b.x1 < body_zone.x2 && b.x2 > body_zone.x1 && b.y1 < body_zone.y2 &&
           b.y2 > body_zone.y1;
}

void check_door_art()
{
    ANIM_OBJECT_STRUCTURE *door = nullptr;
    try {
        door = load_anim_object(DOOR_ANIM);
    } catch (const Fatal &e) {
        problem(fmt("door: %s", e.what()));
        return;
    }
    for (int step = 0; step < DOOR_STEPS; step++) {
        if (!anim_frame(door, 0, step)) {
            problem(fmt("door %s: animation 0 has no step %d (closed 0 .. open %d)", DOOR_ANIM, step,
                        DOOR_OPEN_STEP));
            continue;
        }
        Box b = measure(
            [&] { fr_draw_anim_object(door, DOOR_ANCHOR_X + MARGIN, DOOR_LEAF_Y + MARGIN, 0, step); });
        printf("door %s step %d at (%d,%d): opaque %s\n", DOOR_ANIM, step, DOOR_ANCHOR_X, DOOR_LEAF_Y,
               b.text().c_str());
        if (!b.empty() && !inside_frame_zone(b))
            problem(fmt("door %s step %d: opaque %s leaves the door-frame zone x %d..%d, y %d..%d", DOOR_ANIM,
                        step, b.text().c_str(), frame_zone.x1, frame_zone.x2, frame_zone.y1, frame_zone.y2));
    }
    destroy_anim_object(door);
}

// The revolver has a slot for each aiming sector and the cartridge display
// one for each count of bullets in the cylinder; both need a still step 0
// and the step 1 shown just after a shot or a reload.
void check_hand_art(const char *file, ANIM_OBJECT_STRUCTURE *a, int slots, const char *what)
{
    if (!a) {
        problem(fmt("%s was not loaded", file));
        return;
    }
    for (int slot = 0; slot < slots; slot++)
        for (int step = 0; step <= 1; step++)
            if (!anim_frame(a, slot, step))
                problem(fmt("%s: slot %d (%s %d) has no step %d", file, slot, what, slot, step));
}

// ------------------------------------------------------------------ creatures

struct TickTimes {
    int first_draw = -1;    // first tick of value TICK_DRAWS
    int first_shot = -1;    // first tick of value TICK_FIRES
};

TickTimes tick_times(const OBJECT_STRUCTURE &o, int from)
{
    TickTimes t;
    for (int i = from; i < o.end_tick; i++) {
        if (o.tick[i] == TICK_DRAWS && t.first_draw < 0)
            t.first_draw = i;
        if (o.tick[i] == TICK_FIRES && t.first_shot < 0)
            t.first_shot = i;
    }
    return t;
}

// The time a bandit entering at tick `from` gives before his first shot.
void check_warning(const std::string &who, const OBJECT_STRUCTURE &o, int difficulty, int from)
{
    TickTimes t = tick_times(o, from);
    if (t.first_shot < 0)
        return;
    std::string how = from ? fmt(" (entering as a child at tick %d)", from) : "";
    if (t.first_draw < 0 || t.first_draw > t.first_shot) {
        problem(fmt("%s%s: fires at tick %d without drawing first (no tick of value %d before it)",
                    who.c_str(), how.c_str(), t.first_shot, TICK_DRAWS));
        return;
    }
    int warning = (t.first_shot - t.first_draw) * o.delay;
    if (warning < min_warning(difficulty))
        problem(fmt("%s%s at difficulty %d: draws at tick %d and fires at tick %d, %.2f s later "
                    "(%d ticks of %d); the player needs at least %.2f s",
                    who.c_str(), how.c_str(), difficulty, t.first_draw, t.first_shot,
                    warning / (double)TICKS_PER_SECOND, t.first_shot - t.first_draw, o.delay,
                    min_warning(difficulty) / (double)TICKS_PER_SECOND));
}

// A drawn gun put away again must have been in sight as long as a shot
// would give: a player who fires at it at a fair speed must not find it gone
// and pay for a foul.
void check_feints(const std::string &who, const OBJECT_STRUCTURE &o, int difficulty, int from)
{
    std::string how = from ? fmt(" (entering as a child at tick %d)", from) : "";
    int drawn_from = -1;
    for (int i = from; i < o.end_tick; i++) {
        if (o.tick[i] >= TICK_DRAWS) {
            if (drawn_from < 0)
                drawn_from = i;
            continue;
        }
        if (drawn_from >= 0) {
            int shown = (i - drawn_from) * o.delay;
            if (shown < min_warning(difficulty))
                problem(fmt("%s%s at difficulty %d: shows his gun drawn from tick %d to tick %d, %.2f s, then "
                            "puts it away at tick %d; the player needs at least %.2f s",
                            who.c_str(), how.c_str(), difficulty, drawn_from, i - 1,
                            shown / (double)TICKS_PER_SECOND, i,
                            min_warning(difficulty) / (double)TICKS_PER_SECOND));
        }
        drawn_from = -1;
    }
}

std::map<std::string, std::vector<std::string>> fatal_loads;  // message -> level/difficulty
std::set<std::string> creatures_checked;       // name + difficulty
std::set<std::string> art_checked;              // name

void check_creature(const std::string &name, const OBJECT_STRUCTURE &o, int difficulty, bool is_child)
{
    std::string key = name + "@" + std::to_string(difficulty) + (is_child ? "c" : "");
    if (!creatures_checked.insert(key).second)
        return;
    std::string who = "creature " + name;
    if (o.end_tick < RETREAT_TICKS)
        problem(fmt("%s: TICKS %d, the game needs at least %d", who.c_str(), o.end_tick, RETREAT_TICKS));
    if (o.type == TYPE_TOWNSFOLK) {
        for (int i = 0; i < o.end_tick; i++)
            if (o.tick[i] == TICK_FIRES) {
                problem(fmt("%s: a civilian (TYPE %d) fires at tick %d", who.c_str(), TYPE_TOWNSFOLK, i));
                break;
            }
    } else {
        for (int i = 0; i < FIRST_FIRING_TICK && i < o.end_tick; i++)
            if (o.tick[i] == TICK_FIRES) {
                problem(fmt("%s: fires at tick %d, before tick %d (the door is still opening)", who.c_str(),
                            i, FIRST_FIRING_TICK));
                break;
            }
        check_warning(who, o, difficulty, 0);
        check_feints(who, o, difficulty, 0);
    }
    if (is_child) {
        check_warning(who, o, difficulty, CHILD_START_TICK);
        if (o.type != TYPE_TOWNSFOLK)
            check_feints(who, o, difficulty, CHILD_START_TICK);
    }

    if (!art_checked.insert(name).second)
        return;
    std::set<int> poses = {POSE_HIT, POSE_FALLEN};
    for (int i = 0; i < o.end_tick; i++)
        poses.insert(o.tick[i]);
    for (int pose : poses) {
        Box b = measure([&] {
            draw_center_top(o.anim_object, CREATURE_ANCHOR_X + MARGIN, SLOT_Y + MARGIN, pose, 0);
        });
        printf("%s pose %d at (%d,%d): opaque %s\n", who.c_str(), pose, CREATURE_ANCHOR_X, SLOT_Y,
               b.text().c_str());
        if (b.empty())
            problem(fmt("%s pose %d: nothing opaque is drawn", who.c_str(), pose));
        else if (!inside_frame_zone(b))
            problem(fmt("%s pose %d: opaque %s leaves the door-frame zone x %d..%d, y %d..%d", who.c_str(), pose,
                        b.text().c_str(), frame_zone.x1, frame_zone.x2, frame_zone.y1, frame_zone.y2));
        if (pose <= TICK_FIRES && !b.empty() && !meets_body_zone(b))
            problem(fmt("%s pose %d: opaque %s is nowhere in the creature zone x %d..%d, y %d..%d, so it "
                        "cannot be hit",
                        who.c_str(), pose, b.text().c_str(), body_zone.x1, body_zone.x2, body_zone.y1,
                        body_zone.y2));
    }
}

// Where the status display is drawn over the street: a decoration there is
// hidden by it or makes it hard to read.
struct Area {
    const char *name;
    int x1, y1, x2, y2;
};
const Area status_areas[] = {
    {"the status line (LEVEL and SCORE)", 0, 0, STATUS_LINE_RIGHT, STATUS_LINE_BOTTOM},
    {"the lives (three stars)", STAR_RIGHT_X - STAR_STEP * (NEW_GAME_LIVES - 1), 0, STAR_RIGHT_X + STAR_W - 1,
     STAR_H - 1},
    {"the kill bar and its label", KILL_LABEL_X, KILL_LABEL_Y, SCREEN_WIDTH - 1, KILL_BAR_BOTTOM},
    {"the portrait", PORTRAIT_X, PORTRAIT_Y, PORTRAIT_X + PORTRAIT_W - 1, PORTRAIT_Y + PORTRAIT_H - 1},
    {"the cartridge display", CARTRIDGES_X - CARTRIDGES_SIZE / 2, CARTRIDGES_Y - CARTRIDGES_SIZE,
     CARTRIDGES_X + CARTRIDGES_SIZE / 2, CARTRIDGES_Y},
};

void check_decoration_art(const LevelInfo &info, int i)
{
    const DECORATION_STRUCTURE &d = decoration[i];
    int level_number = info.number;
    std::string name = i < (int)info.decorations.size() ? info.decorations[i] : fmt("#%d", i);
    for (int pose = POSE_INTACT; pose <= POSE_DESTROYED; pose++) {
        Box b = measure([&] { fr_draw_anim_object(d.anim_object, d.X + MARGIN, d.Y + MARGIN, pose, 0); });
        if (b.empty())
            problem(fmt("level %d decoration %s pose %d: nothing opaque is drawn", level_number, name.c_str(), pose));
        else if (b.x1 < 0 || b.y1 < 0 || b.x2 >= SCREEN_WIDTH || b.y2 >= SCREEN_HEIGHT)
            problem(fmt("level %d decoration %s pose %d: opaque %s leaves the screen", level_number, name.c_str(), pose,
                        b.text().c_str()));
        else
            for (const Area &a : status_areas)
                if (b.x1 <= a.x2 && b.x2 >= a.x1 && b.y1 <= a.y2 && b.y2 >= a.y1)
                    problem(fmt("level %d decoration %s pose %d: opaque %s lies under %s (x %d..%d, y %d..%d)",
                                level_number, name.c_str(), pose, b.text().c_str(), a.name, a.x1, a.x2, a.y1, a.y2));
    }
}

// ------------------------------------------------------------------ duels

// A duel: the three duelists' time between drawing and firing (the rule of
// check_warning, printed for every duelist), decorations that are never
// drawn yet break under a shot, and a quota the duel can reach.
void check_duel(const LevelInfo &info, int difficulty)
{
    for (const std::string &d : info.decorations)
        problem(fmt("duel level %d lists DECORATION %s: a duel does not draw decorations, yet a shot there "
                    "breaks it with a sound",
                    info.number, d.c_str()));
    int can_fall = 0;
    for (int i = 0; i < DUEL_CREATURES && i < object_count; i++) {
        const OBJECT_STRUCTURE &o = object[i];
        std::string name = i < (int)info.creatures.size() ? info.creatures[i] : fmt("#%d", i);
        if (o.type != TYPE_TOWNSFOLK)
            can_fall++;
        if (o.type == TYPE_WITH_CHILD && o.next_name >= 0 && o.next_name < object_count &&
            object[o.next_name].type != TYPE_TOWNSFOLK)
            can_fall++;
        TickTimes t = tick_times(o, 0);
        if (t.first_shot < 0 || t.first_draw < 0 || t.first_draw > t.first_shot)
            printf("duel level %d at difficulty %d: duelist %d %s never draws and fires\n", info.number,
                   difficulty, i, name.c_str());
        else
            printf("duel level %d at difficulty %d: duelist %d %s draws at tick %d, fires at tick %d: "
                   "%.2f s (ticks of %d hundredths)\n",
                   info.number, difficulty, i, name.c_str(), t.first_draw, t.first_shot,
                   (t.first_shot - t.first_draw) * o.delay / (double)TICKS_PER_SECOND, o.delay);
    }
    if (max_level_bandit > can_fall)
        problem(fmt("duel level %d: MAX_BANDIT %d, but only %d bandits can fall in it, so it always runs its "
                    "%.1f s",
                    info.number, max_level_bandit, can_fall, DUEL_TIME / (double)TICKS_PER_SECOND));
}

// ------------------------------------------------------------------ levels

void check_level(const LevelInfo &info, int difficulty, const std::set<int> &numbers)
{
    obtiznost = difficulty;
    pocet_zivotu = NEW_GAME_LIVES;
    level_state_at_start();
    try {
        load_level(LEVEL_SCRIPT, info.number);
    } catch (const Fatal &e) {
        // The same broken file breaks every level that names it: say so once.
        std::vector<std::string> &where = fatal_loads[e.what()];
        where.push_back(fmt("%d/%d", info.number, difficulty));
        if (where.size() == 1)
            problem(fmt("level %d at difficulty %d: %s", info.number, difficulty, e.what()));
        return;
    }
    if (!numbers.count(next_level))
        problem(fmt("level %d: NEXT %d is not a level of the script", info.number, next_level));
    BITMAP *back = vrstva[0].image;
    if (back && (back->w < SCREEN_WIDTH || back->h < SCREEN_HEIGHT))
        problem(fmt("level %d: its BACK picture is %d x %d, the screen needs %d x %d", info.number, back->w,
                    back->h, SCREEN_WIDTH, SCREEN_HEIGHT));
    for (const std::string &comic : info.comics)
        if (!file_exists(COMIC_DIR + comic))
            problem(fmt("level %d: comic " COMIC_DIR "%s does not exist", info.number, comic.c_str()));

    std::set<int> children;
    for (int i = 0; i < object_count; i++)
        if (object[i].type == TYPE_WITH_CHILD)
            children.insert(object[i].next_name);
    for (int i = 0; i < object_count; i++) {
        std::string name = i < (int)info.creatures.size() ? info.creatures[i] : fmt("#%d", i);
        check_creature(name, object[i], difficulty, children.count(i) > 0);
    }
    for (int i = 0; i < decoration_count; i++)
        check_decoration_art(info, i);
    if (level_mode == MODE_DUEL)
        check_duel(info, difficulty);

    // MODE and MAX_DOORS_OPEN carry over from the level before, and a new
    // game after one that ended in a duel comes from a duel.
    if (!info.keywords.count(LK_MODE))
        problem(fmt("level %d: no MODE; it inherits the mode of whatever level came before (a duel, after "
                    "a game that ended in one)",
                    info.number));
    if (level_mode == MODE_ORDINARY && !info.keywords.count(LK_MAX_DOORS_OPEN))
        problem(fmt("level %d: no MAX_DOORS_OPEN; it inherits the previous level's, which is 0 (no door "
                    "ever opens) when the program has just started",
                    info.number));

    printf("level %d at difficulty %d: %d creatures, %d decorations, quota %d, next %d%s\n", info.number,
           difficulty, object_count, decoration_count, max_level_bandit, next_level,
           level_mode ? ", duel" : "");
    destroy_level();
}

}  // namespace

int main(void)
{
    headless_start("datacheck");
    game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    canvas = create_bitmap(SCREEN_WIDTH + 2 * MARGIN, SCREEN_HEIGHT + 2 * MARGIN);

    // The whole-run pictures, sounds, revolver, cartridges and doors.
    try {
        init_all();
    } catch (const Fatal &e) {
        problem(fmt("start-up resources: %s", e.what()));
    }
    check_door_art();
    check_hand_art(KOLT_ANIM, kolt_anim, KOLT_SECTORS, "aiming sector");
    check_hand_art(CARTRIDGES_ANIM, nabojnik_anim, CARTRIDGE_SLOTS, "bullets");

    Script script;
    if (!list_levels(&script))
        problem("cannot open " LEVEL_SCRIPT_PATH);
    const std::set<int> &raw = script.raw_numbers;
    const std::vector<LevelInfo> &levels = script.levels;
    std::set<int> numbers;
    for (const LevelInfo &l : levels) {
        if (!numbers.insert(l.number).second)
            problem(fmt("level %d: a second block with this number is never loaded", l.number));
    }
    for (int n : raw)
        if (!numbers.count(n))
            problem(fmt("level %d: its block cannot be found (the block before it lacks its closing word?)", n));
    for (int n : {FIRST_LEVEL, SECRET_CHEAT_LEVEL})
        if (!numbers.count(n))
            problem(fmt("level %d is not in the script (a new game starts at %d, a quit-dialog code loads "
                        "%d)",
                        n, FIRST_LEVEL, SECRET_CHEAT_LEVEL));
    if (!numbers.count(DUEL_CHEAT_LEVEL))
        problem(fmt("level %d is not in the script (a quit-dialog code loads it)", DUEL_CHEAT_LEVEL));

    std::set<int> done;
    for (const LevelInfo &l : levels) {
        if (!done.insert(l.number).second)
            continue;
        for (int d : check_difficulties)
            check_level(l, d, numbers);
    }

    for (const auto &entry : fatal_loads)
        if (entry.second.size() > 1) {
            std::string list;
            for (const std::string &w : entry.second)
                list += " " + w;
            printf("(the load failure \"%s\" happens for level/difficulty%s)\n", entry.first.c_str(),
                   list.c_str());
        }
    printf("datacheck: %zu levels, %zu creature kinds, %zu problems\n", done.size(), art_checked.size(),
           problems.size());
    return problems.empty() ? 0 : 1;
}
