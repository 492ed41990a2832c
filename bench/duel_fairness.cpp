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

#include <set>
#include <vector>

#include "game.h"
#include "headless.h"
#include "init.h"
#include "sound.h"
#include "../tools/level_script.h"
#include "variable.h"

#define LEVEL_FILE "levels.txt"
#define LEVEL_PATH "data/levels/levels.txt"
#define FRAME_US 16667              // one frame at 60 frames a second
#define DUEL_TICKS 750
#define AIM_Y 220

static void fatal(const char *message)
{
    headless_fail("duel_fairness", message);
}

static int no_comic(const char *) { return 0; }

static const int zone_centre_x[3] = {80, 301, 523};

struct Outcome {
    bool won = false, shot_at = false, undrawn = false;
};

// One duel of the loaded level; the player fires `reaction` hundredths
// after he sees a duelist draw.
static Outcome play_duel(unsigned seed, int reaction)
{
    srand(seed);
    pocet_zivotu = 3;
    pocet_hitu = 0;
    pocet_zabitych = 0;
    pocet_naboju = 6;
    shot_last_time = reload_last_time = 0;
    shot_show = reload_show = 0;
    bang = 0;
    bang_time = finish_time = 0;
    for (auto &d : dira)
        d.visible = 0;
    fake_clock::advance_us(1000000);       // well clear of the last duel's shots
    brix_timer();
    duel_start();

    long seen[3] = {-1, -1, -1};        // cas of the frame that showed the draw
    int who[3] = {-1, -1, -1};          // creature each sighting belongs to
    Outcome out;
    int hits_before = 0, lives_before = pocet_zivotu;
    while (cas <= duel_time + DUEL_TICKS) {
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
        if (target >= 0 && cas > shot_last_time + 20 && cas > reload_last_time + 32) {
            mouse_x = zone_centre_x[target];
            mouse_y = AIM_Y;
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
            if (seen[i] < 0 && s.tik < s.end_tick && object[s.animation].tick[s.tik] >= 1)
                seen[i] = cas;
        }
        if (pocet_zabitych >= max_level_bandit)
            break;
    }
    for (int i = 0; i < 3; i++) {
        const SMALL_OBJECT_STRUCTURE &s = small_object[i];
        if (s.draw && s.mode == 0 && object[s.animation].tick[s.tik] <= 0)
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
    mouse_shot = create_bitmap(64, 64);
    mouse_pointer = create_bitmap(64, 64);
    game_comix = no_comic;
    sound_volume = 0;
    max_pocet_naboju = 6;

    std::vector<LevelInfo> levels;
    std::set<int> raw;
    if (!scan_levels(LEVEL_PATH, &levels, &raw))
        fatal("cannot open " LEVEL_PATH);
    static const int reactions[] = {20, 30, 40, 50};
    printf("%d seeded duels per case; won = every bandit down and never shot at\n", runs);
    printf("level diff  reaction  won    shot at  not drawn at 7.5 s\n");
    for (const LevelInfo &l : levels) {
        for (int difficulty : {0, 2}) {
            obtiznost = difficulty;
            level_mode = 0;
            load_level(LEVEL_FILE, l.number);
            if (level_mode != 1) {
                destroy_level();
                break;
            }
            for (int reaction : reactions) {
                int won = 0, shot_at = 0, undrawn = 0;
                for (int r = 0; r < runs; r++) {
                    Outcome o = play_duel(1000u * (unsigned)l.number + (unsigned)r, reaction);
                    won += o.won;
                    shot_at += o.shot_at;
                    undrawn += o.undrawn;
                }
                printf("%5d %4d  %5d ms  %5.1f%%  %5.1f%%  %5.1f%%\n", l.number, difficulty, reaction * 10,
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
