// duel_fairness -- how often a player of fixed reaction time wins the duels.
//
// Run it from the game folder (the one that holds data/).  For every duel
// level of the shipped script, at the easiest and the hardest difficulty,
// it plays many seeded duels through the game's own duel step and shot
// resolution on a simulated clock at 60 frames a second.  The scripted
// player fires at a duelist a fixed reaction time after the first frame
// that shows him drawing, one shot at a time and no faster than the
// revolver allows, taking the duelists in the order they drew.
//
// A duel is won when every bandit of it has fallen and none of them fired.
// Printed per level, difficulty and reaction time: the share of duels won,
// the share in which the player was shot at least once, and the share in
// which a duelist had still not drawn when the 7.5 s ran out.
//
//   usage: duel_fairness [duels per case, default 2000]
#include <allegro.h>
#include <stdio.h>
#include <stdlib.h>

#include <initializer_list>


#include "game.h"
#include "headless.h"
#include "init.h"
#include "layout.h"
#include "sound.h"
#include "variable.h"

// One frame at the game's pace, in microseconds.
#define FRAME_US ((1000000 + FRAMES_PER_SECOND / 2) / FRAMES_PER_SECOND)

static void fatal(const char *message)
{
    headless_fail("duel_fairness", message);
}

static int no_comic(const char *) { return 0; }

struct Outcome {
    bool won = false, shot_at = false, undrawn = false;
};

// One duel of the loaded level; the player fires `reaction` hundredths
// after he sees a duelist draw.
static Outcome play_duel(unsigned seed, int reaction)
{
    srand(seed);
    pocet_zivotu = NEW_GAME_LIVES;
    pocet_hitu = 0;
    pocet_zabitych = 0;
    pocet_naboju = max_pocet_naboju;
    shot_last_time = reload_last_time = 0;
    shot_show = reload_show = 0;
    game_phase_reset();
    for (auto &d : dira)
        d.visible = 0;
    fake_clock::advance_us(1000000);       // well clear of the last duel's shots
    brix_timer();
    duel_start();

    long seen[3] = {-1, -1, -1};        // cas of the frame that showed the draw
    int who[3] = {-1, -1, -1};          // creature each sighting belongs to
    Outcome out;
    int hits_before = 0, lives_before = pocet_zivotu;
    while (cas <= duel_time + DUEL_TIME) {
        fake_clock::advance_us(FRAME_US);
        brix_timer();
        mouse_b = 0;
        // The next duelist due to be shot, in the order they drew.
        int target = -1;
        for (int i = 0; i < 3; i++) {
            const SMALL_OBJECT_STRUCTURE &s = small_object[i];
            if (!s.draw || s.mode != 0 || seen[i] < 0 || who[i] != s.animation)
                continue;
            if (cas >= seen[i] + reaction && (target < 0 || seen[i] < seen[target]))
                target = i;
        }
        if (target >= 0 && cas > shot_last_time + SHOT_INTERVAL &&
            cas > reload_last_time + SHOT_AFTER_RELOAD) {
            mouse_x = zone_centre_x(creature_zone[target]);
            mouse_y = zone_centre_y(creature_zone[target]);
            mouse_b = 1;
        }
        game_shoot();
        game_reload();
        duel_pohni_objekty();
        game_retreat();
        if (pocet_hitu != hits_before || pocet_zivotu != lives_before)
            out.shot_at = true;
        hits_before = pocet_hitu;
        lives_before = pocet_zivotu;
        // What the player sees in this frame.
        for (int i = 0; i < 3; i++) {
            const SMALL_OBJECT_STRUCTURE &s = small_object[i];
            if (!s.draw || s.mode != 0) {
                seen[i] = -1;
                continue;
            }
            if (who[i] != s.animation)
                seen[i] = -1;
            who[i] = s.animation;
            if (seen[i] < 0 && s.tik < s.end_tick && object[s.animation].tick[s.tik] >= TICK_DRAWS)
                seen[i] = cas;
        }
        if (pocet_zabitych >= max_level_bandit)
            break;
    }
    for (int i = 0; i < 3; i++) {
        const SMALL_OBJECT_STRUCTURE &s = small_object[i];
        if (s.draw && s.mode == 0 && object[s.animation].tick[s.tik] <= TICK_HIDDEN)
            out.undrawn = true;
    }
    out.won = pocet_zabitych >= max_level_bandit && !out.shot_at;
    return out;
}

static int measure(int argc, char **argv)
{
    int runs = argc > 1 ? atoi(argv[1]) : 2000;
    if (runs < 1)
        runs = 1;
    fake_clock::install();
    game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    game_screen2 = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    game_comix = no_comic;
    sound_volume = 0;
    max_pocet_naboju = CYLINDER_SIZE;

    static int levels[LEVEL_SCRIPT_MAX_LEVELS];
    int level_count = list_level_numbers(LEVEL_SCRIPT, levels, LEVEL_SCRIPT_MAX_LEVELS);
    if (level_count < 0)
        fatal("cannot open " LEVEL_SCRIPT_PATH);
    static const int reactions[] = {20, 30, 40, 50};
    printf("%d seeded duels per case; won = every bandit down and never shot at\n", runs);
    printf("level diff  reaction  won    shot at  not drawn at 7.5 s\n");
    for (int i = 0; i < level_count; i++) {
        int number = levels[i];
        for (int difficulty : {DIFFICULTY_EASY, DIFFICULTY_HARD}) {
            obtiznost = difficulty;
            level_state_at_start();
            load_level(LEVEL_SCRIPT, number);
            if (level_mode != MODE_DUEL) {
                destroy_level();
                break;
            }
            for (int reaction : reactions) {
                int won = 0, shot_at = 0, undrawn = 0;
                for (int r = 0; r < runs; r++) {
                    Outcome o = play_duel(1000u * (unsigned)number + (unsigned)r, reaction);
                    won += o.won;
                    shot_at += o.shot_at;
                    undrawn += o.undrawn;
                }
                printf("%5d %4d  %5d ms  %5.1f%%  %5.1f%%  %5.1f%%\n", number, difficulty, reaction * 10,
                       100.0 * won / runs, 100.0 * shot_at / runs, 100.0 * undrawn / runs);
            }
            destroy_level();
        }
    }
    return 0;
}

int main(int argc, char **argv)
{
    return headless_main("duel_fairness", measure, argc, argv);
}
