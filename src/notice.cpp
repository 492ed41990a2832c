// notice.cpp -- the reload hint, the foul words, READY, the miss's puff and
// the level's tally.
#include "notice.h"

#include <allegro.h>

#include "blend.h"
#include "criterr.h"
#include "layout.h"
#include "picture.h"
#include "sound.h"
#include "texts.h"
#include "variable.h"

LEVEL_TALLY tally = {0, 0, 0};
int hand_reloads = 0;

static BITMAP *plate = nullptr;         // a foul word's plate, 112 x 29
static BITMAP *hint = nullptr;          // the hint's plate with its words
static BITMAP *summary = nullptr;       // the tally's board, 300 x 180
static BITMAP *puff = nullptr;          // the miss's puff: light and dark rows of 3 steps
static SAMPLE *s_dry = nullptr;         // the hammer on an empty chamber

static long hint_time = 0;              // cas when the hint was shown; 0 = not shown
static long foul_time[DOOR_COUNT];
static const char *foul_word[DOOR_COUNT];
static int puff_on = 0;                 // a miss's puff is showing
static long puff_time = 0;              // cas when it began
static int puff_x = 0, puff_y = 0;
static int puff_light = 0;              // 1: light dust on a dark place
static int ready_shown = 0;

#define HINT_TEXT "RIGHT BUTTON  RELOAD"
#define HINT_W 212
#define HINT_H 29
#define HINT_TEXT_X 6
#define HINT_X 412                      // left of the kill bar, above the cylinder
#define HINT_Y 362
#define PLATE_W 112
#define PLATE_TEXT_X 11
#define PLATE_TEXT_Y 7
#define PLATE_Y 96
#define SUMMARY_X 170
#define SUMMARY_Y 100
#define SUMMARY_W 300
#define SUMMARY_H 180
#define SUMMARY_NUMBER_RIGHT 246        // a row's number ends here on the board
#define SUMMARY_ROW_Y 52
#define SUMMARY_ROW_STEP 30
#define READY_TEXT "READY"
#define READY_X ((SCREEN_WIDTH - PLATE_W) / 2)   // over the middle of the street
#define READY_Y 200
#define PUFF_SIZE 64                    // one step of the puff, centred on the shot, wider than the sight
#define PUFF_DARK_PLACE 140             // a place darker than this (0..255) gets light dust

static const char *const foul_words[] = {nullptr, "TOO EARLY", "TOO LATE", "TOWNSFOLK"};


int notice_init(void)
{
    plate = load_picture("data/gfx/level/plate.bmp");
    summary = load_picture("data/gfx/level/summary.bmp");
    puff = load_picture("data/gfx/level/puff.bmp");
    BITMAP *hint_plate = load_picture("data/gfx/level/hint.bmp");
    hint = create_bitmap(HINT_W, HINT_H);
    if (!hint)
        critical_error("Unable to create the reload hint's picture");
    clear_to_color(hint, bitmap_mask_color(hint));
    masked_blit(hint_plate, hint, 0, 0, 0, 0, HINT_W, HINT_H);
    bmp_print_string(hint, HINT_TEXT, HINT_TEXT_X, PLATE_TEXT_Y);
    destroy_bitmap(hint_plate);
    s_dry = load_sample("data/sound/dry.wav");
    if (!s_dry)
        critical_error("Unable to open file %s", "data/sound/dry.wav");
    notice_level_start();
    return 0;
}

int notice_destroy(void)
{
    BITMAP **pictures[] = {&plate, &hint, &summary, &puff};
    for (BITMAP **p : pictures) {
        if (*p)
            destroy_bitmap(*p);
        *p = nullptr;
    }
    if (s_dry)
        destroy_sample(s_dry);
    s_dry = nullptr;
    return 0;
}

void notice_level_start(void)
{
    tally = LEVEL_TALLY{0, 0, 0};
    hint_time = 0;
    puff_on = 0;
    ready_shown = 0;
    for (int d = 0; d < DOOR_COUNT; d++) {
        foul_time[d] = 0;
        foul_word[d] = nullptr;
    }
}

void notice_shot(void)
{
    tally.shots++;
}

void notice_hit(int door, int civilian, int foul)
{
    if (civilian)
        tally.townsfolk_hit++;
    else
        tally.bandit_hits++;
    if (door < 0 || door >= DOOR_COUNT || foul <= FOUL_NONE || foul > FOUL_TOWNSFOLK)
        return;
    foul_word[door] = foul_words[foul];
    foul_time[door] = cas;
}

// The dust is light where the street behind the shot is dark (wood, shade,
// night) and dark where it is light (sunlit walls, sand).
static int place_is_dark(int x, int y)
{
    if (!game_screen2 || x < 0 || y < 0 || x >= game_screen2->w || y >= game_screen2->h)
        return 0;
    int c = getpixel(game_screen2, x, y);
    int luma = (getr(c) * 299 + getg(c) * 587 + getb(c) * 114) / 1000;
    return luma < PUFF_DARK_PLACE;
}

void notice_miss(int x, int y)
{
    puff_on = 1;
    puff_time = cas;
    puff_x = x;
    puff_y = y;
    puff_light = place_is_dark(x, y);
}

int notice_puff_step(void)
{
    if (!puff_on)
        return -1;
    long age = cas - puff_time;
    if (age > NOTICE_PUFF_TIME || age < 0) {
        puff_on = 0;
        return -1;
    }
    int step = (int)(age * NOTICE_PUFF_STEPS / (NOTICE_PUFF_TIME + 1));
    return step < NOTICE_PUFF_STEPS ? step : NOTICE_PUFF_STEPS - 1;
}

void notice_ready(int shown)
{
    ready_shown = shown;
}

void notice_empty_click(void)
{
    if (obtiznost < DIFFICULTY_MEDIUM)
        return;         // the easiest difficulty reloads by itself
    play_effect(s_dry, PAN_CENTRE);
    if (hand_reloads < NOTICE_HINT_RELOADS)
        hint_time = cas;
}

void notice_hand_reload(void)
{
    hand_reloads++;
    hint_time = 0;
}

int notice_hint_alpha(void)
{
    if (!hint_time)
        return 0;
    long age = cas - hint_time;
    if (age <= NOTICE_HINT_TIME)
        return 255;
    if (age >= NOTICE_HINT_TIME + NOTICE_HINT_FADE) {
        hint_time = 0;
        return 0;
    }
    return (int)(255 * (NOTICE_HINT_TIME + NOTICE_HINT_FADE - age) / NOTICE_HINT_FADE);
}

const char *notice_foul_word(int door)
{
    if (door < 0 || door >= DOOR_COUNT || !foul_word[door])
        return nullptr;
    if (cas - foul_time[door] > NOTICE_FOUL_TIME)
        foul_word[door] = nullptr;
    return foul_word[door];
}

int accuracy_percent(int shots, int hits)
{
    if (shots <= 0)
        return 0;
    return (int)(100LL * hits / shots);
}

static void draw_number_right(int value, int right, int y)
{
    int digits = 1;
    for (int v = value < 0 ? -value : value; v >= 10; v /= 10)
        digits++;
    print_num(value, right - DIGIT_W * digits, y);
}

void notice_draw(void)
{
    if (!game_screen)
        return;
    int alpha = notice_hint_alpha();
    if (alpha && hint) {
        if (alpha >= 255) {
            draw_sprite(game_screen, hint, HINT_X, HINT_Y);
        } else {
            trans_blender(alpha);
            draw_trans_sprite(game_screen, hint, HINT_X, HINT_Y);
        }
    }
    for (int d = 0; d < DOOR_COUNT; d++) {
        const char *word = notice_foul_word(d);
        if (word && plate) {
            int x = zone_centre_x(creature_zone[d]) - PLATE_W / 2;
            draw_sprite(game_screen, plate, x, PLATE_Y);
            print_string(word, x + PLATE_TEXT_X, PLATE_Y + PLATE_TEXT_Y);
        }
    }
    int step = notice_puff_step();
    if (step >= 0 && puff)
        masked_blit(puff, game_screen, step * PUFF_SIZE, puff_light ? 0 : PUFF_SIZE, puff_x - PUFF_SIZE / 2,
                    puff_y - PUFF_SIZE / 2, PUFF_SIZE, PUFF_SIZE);
    if (ready_shown && plate) {
        draw_sprite(game_screen, plate, READY_X, READY_Y);
        int text_w = (int)(sizeof READY_TEXT - 1) * LETTER_W;
        print_string(READY_TEXT, READY_X + (PLATE_W - text_w) / 2, READY_Y + PLATE_TEXT_Y);
    }
    // The quota's pause, also when a life is lost in it.
    if (finish_time && pocet_zivotu > 0 && pocet_zabitych >= max_level_bandit && summary) {
        masked_blit(summary, game_screen, 0, 0, SUMMARY_X, SUMMARY_Y, SUMMARY_W, SUMMARY_H);
        const int rows[4] = {tally.shots, tally.bandit_hits,
                             accuracy_percent(tally.shots, tally.bandit_hits), tally.townsfolk_hit};
        for (int r = 0; r < 4; r++)
            draw_number_right(rows[r], SUMMARY_X + SUMMARY_NUMBER_RIGHT,
                              SUMMARY_Y + SUMMARY_ROW_Y + SUMMARY_ROW_STEP * r);
    }
}
