// contact_sheet -- every level's street front on one picture.
//
// Run it from the folder that holds data/.  Each level of
// data/levels/levels.txt is loaded at the easiest difficulty and composed by
// the game's own frame drawing as the player first sees it: background,
// decorations, closed doors, the revolver aimed at the middle, lives, level,
// score, portrait and a full kill bar.  The frames are put side by side at
// half size, four to a row, each labelled with its level number, and saved
// as a BMP (first argument, default contact_sheet.bmp).  A second sheet,
// named after the first with "_doors" added, shows each level's first three
// creatures standing in the open doors, so the art can be judged against the
// façade.  Duel levels show their three duelists in the street: standing on
// the first sheet, at the start of their draw on the second.
#include <allegro.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "game.h"
#include "headless.h"
#include "init.h"
#include "variable.h"

#define COLUMNS 4
#define CELL_W (SCREEN_WIDTH / 2)
#define CELL_H (SCREEN_HEIGHT / 2)
#define LABEL_H 12
#define GAP 4
#define HOLD 1000000                // hundredths: longer than any frame

static void fatal(const char *message)
{
    headless_fail("contact_sheet", message);
}

// The level numbers in file order.
static std::vector<int> level_numbers(void)
{
    static int numbers[LEVEL_SCRIPT_MAX_LEVELS];
    int count = list_level_numbers(LEVEL_SCRIPT, numbers, LEVEL_SCRIPT_MAX_LEVELS);
    if (count < 0)
        fatal("cannot open " LEVEL_SCRIPT_PATH);
    return std::vector<int>(numbers, numbers + count);
}

// One frame of level `n` into game_screen; with `open_doors`, the level's
// first creatures stand in fully open doors.
static void compose(int n, bool open_doors)
{
    obtiznost = DIFFICULTY_EASY;
    pocet_zivotu = NEW_GAME_LIVES;
    score = 0;
    pocet_hitu = 0;
    level_state_at_start();
    game_load_level(n);
    refresh_door = 0;           // nobody comes out on their own
    mouse_x = SCREEN_WIDTH / 2;
    mouse_y = SCREEN_HEIGHT / 2;
    if (level_mode == MODE_DUEL)
        duel_start();           // the duelists stand in the street
    if (open_doors)
        for (int d = 0; d < DOOR_COUNT && d < object_count; d++) {
            init_small(d, d);
            // Door fully open (a duelist still standing); a bandit at his
            // first drawing tick.
            SMALL_OBJECT_STRUCTURE *s = &small_object[d];
            s->tik = DOOR_OPEN_STEP;
            for (int t = DOOR_OPEN_STEP; t < s->end_tick - 2; t++)
                if (object[d].tick[t] == TICK_DRAWS) {
                    s->tik = t;
                    break;
                }
            s->last_time = cas + HOLD;      // and kept there while the frame is drawn
        }
    if (level_mode == MODE_DUEL)
        duel_draw_game_screen();
    else
        draw_game_screen();
    destroy_level();
}

static BITMAP *sheet_for(size_t count)
{
    int rows = (int)((count + COLUMNS - 1) / COLUMNS);
    BITMAP *sheet = create_bitmap(COLUMNS * (CELL_W + GAP) + GAP, rows * (CELL_H + LABEL_H + GAP) + GAP);
    clear_to_color(sheet, makecol(40, 34, 30));
    return sheet;
}

static void place(BITMAP *sheet, size_t i, int n)
{
    int x = GAP + (int)(i % COLUMNS) * (CELL_W + GAP);
    int y = GAP + (int)(i / COLUMNS) * (CELL_H + LABEL_H + GAP);
    textprintf_ex(sheet, font, x, y + 2, makecol(240, 220, 180), -1, "level %d", n);
    stretch_blit(game_screen, sheet, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, x, y + LABEL_H, CELL_W, CELL_H);
}

static int make_sheets(int argc, char **argv)
{
    std::string out = argc > 1 ? argv[1] : "contact_sheet.bmp";
    std::string out_doors = out;
    size_t dot = out_doors.rfind('.');
    out_doors.insert(dot == std::string::npos ? out_doors.size() : dot, "_doors");

    game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    game_screen2 = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    init_all();

    std::vector<int> numbers = level_numbers();
    BITMAP *sheet = sheet_for(numbers.size());
    BITMAP *doors = sheet_for(numbers.size());
    for (size_t i = 0; i < numbers.size(); i++) {
        compose(numbers[i], false);
        place(sheet, i, numbers[i]);
        compose(numbers[i], true);
        place(doors, i, numbers[i]);
    }
    if (save_bitmap(out.c_str(), sheet, nullptr) != 0 || save_bitmap(out_doors.c_str(), doors, nullptr) != 0)
        fatal("cannot write the sheets");
    printf("contact_sheet: %zu levels in %s and %s\n", numbers.size(), out.c_str(), out_doors.c_str());
    destroy_bitmap(sheet);
    destroy_bitmap(doors);
    destroy_all();
    return 0;
}

int main(int argc, char **argv)
{
    return headless_main("contact_sheet", make_sheets, argc, argv);
}
