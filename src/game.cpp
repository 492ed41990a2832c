// game.cpp -- one game of Deadeye Gulch: the frame loop, the door slots and
// their creatures, the player's shots, and the game screen.
#include "game.h"

#include <allegro.h>
#include <stdlib.h>

#include "animator.h"
#include "blend.h"
#include "close_focus.h"
#include "comix.h"
#include "display.h"
#include "init.h"
#include "input.h"
#include "layout.h"
#include "menu.h"
#include "notice.h"
#include "pacing.h"
#include "present.h"
#include "screenshot.h"
#include "sound.h"
#include "texts.h"
#include "variable.h"

static int in_zone(const ZONE &z, int x, int y)
{
    return x > z.x1 && x < z.x2 && y > z.y1 && y < z.y2;
}

// ---------------------------------------------------------------- comics

int (*game_comix)(const char *name) = comix_play;
int (*game_yesno)(void) = menu_yesno;
int (*game_topten)(int score) = menu_topten;

static void play_comic(const char *name)
{
    if (game_comix)
        game_comix(name);
}

static void play_comic_if_named(const char *name)
{
    if (name[0] != '\0')
        play_comic(name);
}

// ---------------------------------------------------------------- helpers

// Tick value of creature `o` at tick `t`; ticks outside the script are 0.
static int tick_value(const OBJECT_STRUCTURE *o, int t)
{
    if (t < 0 || t >= MAX_TICKS)
        return 0;
    return o->tick[t];
}

// Why a shot at a creature in its tick `t` would be a foul, or FOUL_NONE.
static int foul_kind(const OBJECT_STRUCTURE *o, int type, int t)
{
    if (type == TYPE_TOWNSFOLK)
        return FOUL_TOWNSFOLK;
    if (tick_value(o, t) > TICK_HIDDEN)
        return FOUL_NONE;
    for (int before = t - 1; before >= 0; before--)
        if (tick_value(o, before) > TICK_HIDDEN)
            return FOUL_LATE;   // he had drawn and put his gun away again
    return FOUL_EARLY;
}

// The pose of a creature `tik` ticks after it was hit.
static int hit_pose(int tik)
{
    return tik < FALLEN_FROM_TICK ? POSE_HIT : POSE_FALLEN;
}

static int valid_creature(int index)
{
    return index >= 0 && index < object_count && index < MAX_OBJECTS;
}

static int occupied_slots(void)
{
    int count = 0;
    for (int i = 0; i < DOOR_COUNT; i++)
        if (small_object[i].draw)
            count++;
    return count;
}

static void draw_picture(BITMAP *picture, int x, int y, int w, int h)
{
    if (picture)
        masked_blit(picture, game_screen, 0, 0, x, y, w, h);
}

// A bandit's shot hits the player: a mark on the screen and a hit taken.
static void bandit_hits_player(void)
{
    for (int h = 0; h < HOLE_COUNT; h++) {
        if (!dira[h].visible) {
            dira[h].X = rand() % BANDIT_HOLE_RANGE_X - BANDIT_HOLE_OFFSET;
            dira[h].Y = rand() % BANDIT_HOLE_RANGE_Y - BANDIT_HOLE_OFFSET;
            dira[h].visible = 1;
            dira[h].old_time = cas;
            break;
        }
    }
    if (!life_cheat)
        pocet_hitu += obtiznost + 1;
    if (pocet_hitu > HITS_PER_LIFE) {
        pocet_hitu = 0;
        pocet_zivotu -= 1;
        bang = 1;
    }
}

// ---------------------------------------------------------------- door slots

int init_small(int door, int index)
{
    if (door < 0 || door >= DOOR_COUNT || !valid_creature(index))
        return 0;
    SMALL_OBJECT_STRUCTURE *s = &small_object[door];
    const OBJECT_STRUCTURE *o = &object[index];
    s->draw = 1;
    s->mode = 0;
    s->type = o->type;
    s->animation = index;
    s->delay = o->delay;
    s->position = 0;
    s->tik = 0;
    s->end_tick = o->end_tick;
    s->last_time = 0;
    s->Y = SLOT_Y;
    s->X = slot_x[door];
    return 0;
}

// An empty door may open for a creature chosen by weight.
static void fill_slot(int door)
{
    if (occupied_slots() >= max_doors_open)
        return;
    if (rand() % DOOR_CHANCE_RANGE >= refresh_door)
        return;
    if (bang != 0)
        return;
    if (max_pravdepodobnost <= 0)
        return;             // a level without weights never opens a door
    int r = rand() % max_pravdepodobnost;
    for (int j = 0; j < object_count && j < MAX_OBJECTS; j++) {
        if (object[j].vaha > r) {
            init_small(door, j);
            return;
        }
    }
}

// One tick of an occupied slot.
static void advance_slot(int door)
{
    SMALL_OBJECT_STRUCTURE *s = &small_object[door];
    if (s->last_time == 0)
        s->last_time = cas;
    if (!(cas - s->delay > s->last_time))
        return;
    s->last_time = cas;
    s->tik += 1;
    int t = s->tik;
    if (!valid_creature(s->animation)) {
        s->draw = 0;
        return;
    }
    const OBJECT_STRUCTURE *o = &object[s->animation];
    int v = tick_value(o, t);

    if (s->mode == 0 && v == TICK_FIRES && t < s->end_tick) {
        play_effect(o->s_shot, door * DOOR_PAN_STEP + DOOR_PAN_BASE);
        bandit_hits_player();
    }
    // A script can only be left at its end; a tick past the end (a script of
    // no ticks) leaves as well instead of running off the tick table.
    if (s->mode == 0 && t >= s->end_tick) {
        s->draw = 0;
        if (s->type == TYPE_TOWNSFOLK)
            score += o->score;
    }
    if (s->mode == 1 && s->type == TYPE_WITH_CHILD && t == CHILD_ENTER_TICK && valid_creature(o->next_name)) {
        init_small(door, o->next_name);
        s->tik = CHILD_START_TICK;
    }
    if (s->mode == 1 && t == DEAD_REMOVE_TICK)
        s->draw = 0;
}

int pohni_objekty(void)
{
    for (int i = 0; i < DOOR_COUNT; i++) {
        if (!small_object[i].draw)
            fill_slot(i);
        else
            advance_slot(i);
    }
    for (int h = 0; h < HOLE_COUNT; h++)
        if (dira[h].visible && dira[h].old_time + BANDIT_HOLE_TIME < cas)
            dira[h].visible = 0;
    return 0;
}

// ---------------------------------------------------------------- shooting

int door_shot(int x, int y)
{
    for (int i = 0; i < DOOR_COUNT; i++)
        if (in_zone(creature_zone[i], x, y))
            return i;
    return -1;
}

int no_shot(int x, int y)
{
    for (int i = 0; i < DOOR_COUNT; i++)
        if (in_zone(door_frame_zone[i], x, y))
            return i + 1;
    return 0;
}

int shot_misses_townsperson(int door, int x, int y)
{
    if (door < 0 || door >= DOOR_COUNT)
        return 0;
    const SMALL_OBJECT_STRUCTURE *s = &small_object[door];
    if (!s->draw || s->mode != 0 || s->type != TYPE_TOWNSFOLK || !valid_creature(s->animation))
        return 0;
    const OBJECT_STRUCTURE *o = &object[s->animation];
    return !center_top_opaque_near(o->anim_object, s->X, s->Y, tick_value(o, s->tik), 0, x, y,
                                   TOWNSFOLK_MISS_RADIUS);
}

// A creature whose door has not begun to open is not there yet for the
// player: a shot at the shut door hits nobody.
static int door_still_shut(int door)
{
    if (door < 0 || door >= DOOR_COUNT)
        return 0;
    const SMALL_OBJECT_STRUCTURE *s = &small_object[door];
    return s->draw && s->mode == 0 && s->tik == 0 && level_mode != MODE_DUEL;
}

int strela(int door)
{
    if (door < 0 || door >= DOOR_COUNT)
        return door;
    SMALL_OBJECT_STRUCTURE *s = &small_object[door];
    if (!s->draw || s->mode != 0 || !valid_creature(s->animation))
        return door;
    const OBJECT_STRUCTURE *o = &object[s->animation];
    play_effect(o->s_dead, door * DOOR_PAN_STEP + DOOR_PAN_BASE);
    int v = tick_value(o, s->tik);
    notice_hit(door, s->type == TYPE_TOWNSFOLK, foul_kind(o, s->type, s->tik));
    if (v <= TICK_HIDDEN || s->type == TYPE_TOWNSFOLK) {
        // A foul: a creature that was not a fair target.
        if (!life_cheat && !kill_civil_cheat) {
            pocet_hitu = 0;
            pocet_zivotu -= 1;
            bang = 1;
        }
        if (score < 0)
            score = 0;
    } else {
        score += ((obtiznost + 1) / 2) * o->score;
        pocet_zabitych += 1;
    }
    s->tik = 0;
    s->last_time = cas;
    s->mode = 1;
    return door;
}

int decoration_shot(int x, int y)
{
    for (int i = 0; i < decoration_count && i < MAX_DECORATIONS; i++) {
        DECORATION_STRUCTURE *e = &decoration[i];
        const ANIM_OBJECT_STRUCTURE *a = e->anim_object;
        if (!a || !a->frame || a->frame_count < 1)
            continue;       // a decoration without pictures has no zone
        int w = a->frame[0].width, h = a->frame[0].height;
        if (!(x > e->X - DECORATION_ZONE_MARGIN && x < e->X + w && y > e->Y - DECORATION_ZONE_MARGIN &&
              y < e->Y + h))
            continue;
        if (e->mode == 0) {
            play_effect(e->s_destroy, (e->X - SCREEN_WIDTH / 2) / 2 + PAN_CENTRE);
            e->mode = 1;
            e->old_time = cas;
        }
        return i + 1;
    }
    return 0;
}

// ---------------------------------------------------------------- screen

static void draw_decorations(void)
{
    for (int i = 0; i < decoration_count && i < MAX_DECORATIONS; i++) {
        DECORATION_STRUCTURE *e = &decoration[i];
        if (e->mode == 0) {
            fr_draw_anim_object(e->anim_object, e->X, e->Y, 0, 0);
        } else {
            fr_draw_anim_object(e->anim_object, e->X, e->Y, 1, 0);
            if (e->type == DECORATION_RESPAWNS && cas > e->old_time + DECORATION_RESPAWN)
                e->mode = 0;
        }
    }
}

static void draw_door_and_creature(int i)
{
    const SMALL_OBJECT_STRUCTURE *s = &small_object[i];
    DVERE_OBJECT_STRUCTURE *d = &dvere[i];
    if (!s->draw || !valid_creature(s->animation)) {
        fr_draw_anim_object(d->anim_object, d->X, d->Y, 0, 0);
        return;
    }
    const OBJECT_STRUCTURE *o = &object[s->animation];
    int pose;
    if (s->mode == 0)
        pose = tick_value(o, s->tik);
    else
        pose = hit_pose(s->tik);
    draw_center_top(o->anim_object, s->X, s->Y, pose, 0);

    if (s->mode == 0 && s->tik <= DOOR_OPEN_STEP)
        fr_draw_anim_object(d->anim_object, d->X, d->Y, 0, s->tik);
    else if (s->mode == 0 && s->tik < s->end_tick - 1)
        fr_draw_anim_object(d->anim_object, d->X, d->Y, 0, DOOR_OPEN_STEP);
    if (s->mode == 0 && s->tik > s->end_tick - 2)
        fr_draw_anim_object(d->anim_object, d->X, d->Y, 0, s->end_tick - s->tik);
    if (s->mode == 1) {
        int step = s->tik <= DOOR_OPEN_AFTER_HIT ? DOOR_OPEN_STEP : DEAD_REMOVE_TICK - s->tik;
        fr_draw_anim_object(d->anim_object, d->X, d->Y, 0, step);
    }
}

static int clamp_int(int v, int low, int high)
{
    return v < low ? low : (v > high ? high : v);
}

// Where the last shot went down: the revolver fires towards it.
static int shot_x = 0, shot_y = 0;

static void draw_revolver(void)
{
    int mx = shot_show ? shot_x : game_mouse_x(), my = shot_show ? shot_y : game_mouse_y();
    kolt_X = clamp_int(mx / KOLT_SECTOR_WIDTH, 0, KOLT_SECTORS - 1);
    int x = kolt[kolt_X].X + (int)((mx % KOLT_SECTOR_WIDTH - KOLT_SECTOR_WIDTH / 2) / KOLT_SWAY_DIVISOR);
    int y = my / 10 + SCREEN_HEIGHT;
    int kolt_step, count, cartridge_step;
    if (shot_show) {
        if (cas > shot_last_time + 1)
            shot_show = 0;
        kolt_step = 1;
        count = pocet_naboju;
        cartridge_step = 1;
    } else if (reload_show) {
        kolt_step = 0;
        if (cas > reload_last_time + RELOAD_INTERVAL)
            reload_show = 0;
        count = obtiznost == DIFFICULTY_HARD ? pocet_naboju - 1 : pocet_naboju;
        cartridge_step = 1;
    } else {
        kolt_step = 0;
        count = pocet_naboju;
        cartridge_step = 0;
    }
    // The display has pictures for 0..6 bullets only; a level that loads
    // more shows a full cylinder.
    count = clamp_int(count, 0, CARTRIDGE_COUNTS_SHOWN);
    draw_center_bottom(kolt_anim, x, y, kolt_X, kolt_step);
    draw_center_bottom(nabojnik_anim, CARTRIDGES_X, CARTRIDGES_Y, count, cartridge_step);
}

int write_info(void)
{
    for (int i = 0; i < pocet_zivotu; i++)
        draw_picture(bstar1, STAR_RIGHT_X - STAR_STEP * i, 0, STAR_W, STAR_H);
    print_string("LEVEL", LEVEL_TEXT_X, STATUS_TEXT_Y);
    print_num(level, LEVEL_NUM_X, STATUS_NUM_Y);
    int score_x = LEVEL_NUM_X + DIGIT_W * num_digits(level) + SCORE_TEXT_GAP;
    if (score_x < SCORE_TEXT_MIN_X)
        score_x = SCORE_TEXT_MIN_X;
    print_string("SCORE", score_x, STATUS_TEXT_Y);
    print_num_dolar(score, score_x + SCORE_NUM_DX, STATUS_NUM_Y);
    return 0;
}

static void draw_kill_bar(void)
{
    // Shown while kills are still owed; past the quota there is no bar.
    if (max_level_bandit <= 0 || pocet_zabitych >= max_level_bandit)
        return;
    draw_picture(bbandits, KILL_LABEL_X, KILL_LABEL_Y, KILL_LABEL_W, KILL_LABEL_H);
    int top = pocet_zabitych * KILL_BAR_LENGTH / max_level_bandit + KILL_BAR_TOP;
    static const int shade[4] = {180, 200, 200, 180};
    for (int k = 0; k < 4; k++)
        vline(game_screen, KILL_BAR_X + k, top, KILL_BAR_BOTTOM, makecol(shade[k], shade[k], shade[k]));
}

// Everything over the street that the door game and the duel share: the
// revolver and its cylinder, lives, level and score, the portrait or a
// cheat's picture, and the marks of the bandits' shots.
static void draw_status(void)
{
    draw_revolver();
    write_info();
    if (life_cheat)
        draw_picture(bcheat_life, PORTRAIT_X, PORTRAIT_Y, PORTRAIT_W, PORTRAIT_H);
    else
        draw_picture(bhead[clamp_int(pocet_hitu, 0, HITS_PER_LIFE)], PORTRAIT_X, PORTRAIT_Y, PORTRAIT_W,
                     PORTRAIT_H);
    if (kill_civil_cheat)
        draw_picture(bcheat_civil, CIVIL_MARK_X, CIVIL_MARK_Y, CIVIL_MARK_W, CIVIL_MARK_H);
    for (int h = 0; h < HOLE_COUNT; h++)
        if (dira[h].visible)
            draw_picture(bmhole, dira[h].X, dira[h].Y, HIT_MARK_SIZE, HIT_MARK_SIZE);
}

int draw_game_screen(void)
{
    blit(game_screen2, game_screen, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    if (!street_still)
        pohni_objekty();
    draw_decorations();
    for (int i = 0; i < DOOR_COUNT; i++)
        draw_door_and_creature(i);
    draw_status();
    draw_kill_bar();
    notice_draw();
    return 0;
}

// ---------------------------------------------------------------- duels
//
// In a duel the three slots are filled once, with the level's first three
// creatures standing in the open street.  They hesitate at random before
// they draw, fire as their scripts say, never leave, and stay lying where
// they fell.  The level ends after DUEL_TIME or on the quota.

int duel_start(void)
{
    if (level_mode == MODE_DUEL) {
        for (int i = 0; i < DOOR_COUNT; i++)
            init_small(i, i);
        duel_time = cas;
    }
    return 0;
}

static void duel_advance_slot(int i)
{
    SMALL_OBJECT_STRUCTURE *s = &small_object[i];
    if (s->last_time == 0)
        s->last_time = cas;
    // Hesitation: each due moment of the first ticks is put off by a whole
    // tick with a chance of 70 in 100; rand() is drawn only for such a moment.
    if (cas - s->delay > s->last_time && s->tik <= DUEL_HESITATION_LAST_TICK && s->mode == 0 &&
        rand() % DUEL_HESITATION_RANGE < DUEL_HESITATION_PERCENT)
        s->last_time = cas;
    if (!(cas - s->delay > s->last_time))
        return;
    s->last_time = cas;
    s->tik += 1;
    if (!valid_creature(s->animation))
        return;
    const OBJECT_STRUCTURE *o = &object[s->animation];
    if (s->mode == 0 && s->tik < s->end_tick && tick_value(o, s->tik) == TICK_FIRES) {
        play_effect(o->s_shot, i * DOOR_PAN_STEP + DOOR_PAN_BASE);
        bandit_hits_player();
    }
    // A living duelist holds his last pose for good.
    if (s->mode == 0 && s->tik >= s->end_tick)
        s->tik = s->end_tick > 0 ? s->end_tick - 1 : 0;
    if (s->mode == 1 && s->type == TYPE_WITH_CHILD && s->tik == CHILD_ENTER_TICK &&
        valid_creature(o->next_name)) {
        init_small(i, o->next_name);
        s->tik = CHILD_START_TICK;
    }
    // A fallen one keeps lying there.
    if (s->mode == 1 && s->tik >= DEAD_REMOVE_TICK)
        s->tik = DUEL_LYING_TICK;
}

int duel_pohni_objekty(void)
{
    for (int i = 0; i < DOOR_COUNT; i++)
        if (small_object[i].draw)
            duel_advance_slot(i);
    for (int h = 0; h < HOLE_COUNT; h++)
        if (dira[h].visible && dira[h].old_time + BANDIT_HOLE_TIME < cas)
            dira[h].visible = 0;
    return 0;
}

// The open street: no doors, no decorations and no kill bar.
int duel_draw_game_screen(void)
{
    blit(game_screen2, game_screen, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    if (!street_still)
        duel_pohni_objekty();
    for (int i = 0; i < DOOR_COUNT; i++) {
        const SMALL_OBJECT_STRUCTURE *s = &small_object[i];
        if (!s->draw || !valid_creature(s->animation))
            continue;
        const OBJECT_STRUCTURE *o = &object[s->animation];
        int pose;
        if (s->mode == 0)
            pose = tick_value(o, s->tik);
        else
            pose = hit_pose(s->tik);
        draw_center_top(o->anim_object, s->X, s->Y, pose, 0);
    }
    draw_status();
    notice_draw();
    return 0;
}

// ---------------------------------------------------------------- the loop

void game_phase_reset(void)
{
    quit_flag = 0;
    bang = 0;
    bang_time = 0;
    finish_time = 0;
    duel_time = 0;
}

int game_load_level(int number)
{
    destroy_level();
    load_level(LEVEL_SCRIPT, number);
    set_pointer(mouse_shot);
    if (game_screen2)
        blit(vrstva[0].image, game_screen2, 0, 0, vrstva[0].X, vrstva[0].Y, vrstva[0].width,
             vrstva[0].height);
    return 0;
}

// Fills the cylinder from the spare stock as far as it goes.
static void fill_cylinder(void)
{
    int need = max_pocet_naboju - pocet_naboju;
    if (celkem_naboju < need) {
        pocet_naboju += celkem_naboju;
        celkem_naboju = 0;
    } else {
        celkem_naboju -= need;
        pocet_naboju = max_pocet_naboju;
    }
}

static void reload_sound(void)
{
    play_effect(s_reload, PAN_CENTRE);
}

int game_shoot(void)
{
    // The shot lands where the button went down, wherever the pointer has
    // gone since.
    int x, y;
    if (!(left_clicked_at(&x, &y) && cas > shot_last_time + SHOT_INTERVAL && cas > reload_last_time + SHOT_AFTER_RELOAD))
        return 0;
    shot_last_time = cas;
    if (pocet_naboju <= 0) {
        notice_empty_click();
        return 0;
    }
    notice_shot();
    shot_x = x;
    shot_y = y;
    play_effect(s_shot, x / SHOT_PAN_DIVISOR + SHOT_PAN_BASE);
    shot_show = 1;
    pocet_naboju -= 1;
    // A bandit is hit anywhere in his doorway; a townsperson only where he
    // shows himself, and a shot past him is a miss.  Nobody is hit behind a
    // door that has not opened yet.
    int door = door_shot(x, y);
    if (door_still_shut(door) || shot_misses_townsperson(door, x, y))
        door = -1;
    int felled = door >= 0 && door < DOOR_COUNT && small_object[door].draw && small_object[door].mode == 0;
    strela(door);
    int d = decoration_shot(x, y);
    int broke = d > 0 && decoration[d - 1].mode != 0 && decoration[d - 1].old_time == cas;
    int holed = no_shot(x, y) == 0 && y <= HOLE_LOWEST_Y && level_mode == MODE_ORDINARY;
    if (holed) {
        multiply_blender(HOLE_BLEND_ALPHA);
        BITMAP *hole = bhole[rand() % HOLE_PICTURES];
        if (hole && game_screen2)
            draw_trans_sprite(game_screen2, hole, x, y);
    }
    if (!felled && !broke && !holed)
        notice_miss(x, y);  // every shot shows where it went
    return 1;
}

int game_reload(void)
{
    if ((mouse_b & 2) && shot_show == 0 && cas > reload_last_time + RELOAD_INTERVAL) {
        if (obtiznost == DIFFICULTY_HARD) {
            if (pocet_naboju < max_pocet_naboju && celkem_naboju > 0) {
                notice_hand_reload();
                reload_sound();
                reload_last_time = cas;
                celkem_naboju -= 1;
                pocet_naboju += 1;
                reload_show = 1;
            }
        } else if (obtiznost == DIFFICULTY_MEDIUM) {
            if (pocet_naboju < max_pocet_naboju) {
                notice_hand_reload();
                reload_sound();
                reload_last_time = cas;
                reload_show = 1;
                fill_cylinder();
            }
        }
    }
    if (obtiznost == DIFFICULTY_EASY && pocet_naboju == 0 && celkem_naboju > 0) {
        reload_sound();
        reload_last_time = cas;
        reload_show = 1;
        fill_cylinder();
    }
    return 0;
}

static void compose_frame(void)
{
    pointer_show(0);
    if (level_mode == MODE_DUEL)
        duel_draw_game_screen();
    else
        draw_game_screen();
    pointer_show(1);
}

// A bandit caught with his gun drawn by READY, who has not fired yet in this
// draw, draws again from its first tick once READY has gone: the player, who
// could not fire under READY, gets the whole of the fair time to answer him,
// not what was left of it.
static void redraw_drawn_bandits(void)
{
    for (int i = 0; i < DOOR_COUNT; i++) {
        SMALL_OBJECT_STRUCTURE *s = &small_object[i];
        if (!s->draw || s->mode != 0 || !valid_creature(s->animation))
            continue;
        const OBJECT_STRUCTURE *o = &object[s->animation];
        int t = s->tik;
        if (tick_value(o, t) <= TICK_HIDDEN || tick_value(o, t) == TICK_FIRES)
            continue;
        while (t > 0 && tick_value(o, t - 1) > TICK_HIDDEN && tick_value(o, t - 1) != TICK_FIRES)
            t--;
        if (t > 0 && tick_value(o, t - 1) == TICK_FIRES)
            continue;       // he has fired in this draw already
        s->tik = t;
        s->last_time = cas;
    }
}

int game_ready(void)
{
    // The player gets his bearings: the street stands as it is, the sight
    // follows the mouse, and none of this second is the game's time.
    street_still = 1;
    notice_ready(1);
    unsigned long start = brix_now_us();
    do {
        compose_frame();
        present();
    } while (!close_requested && brix_now_us() - start < (unsigned long)READY_TIME * CLOCK_UNITS_PER_TICK);
    notice_ready(0);
    street_still = 0;
    redraw_drawn_bandits();
    click_latch_clear();    // a click on READY is no shot
    brix_timer_wait();
    return 0;
}

int game_change_level(void)
{
    pointer_show(0);
    present_hold(LEVEL_CHANGE_PAUSE);   // the street stands still a moment
    play_comic_if_named(komix_finish);
    game_load_level(next_level);
    play_comic_if_named(komix_start);
    game_phase_reset();
    notice_level_start();
    duel_start();
    click_latch_clear();    // a click that skipped a comic is no shot
    pointer_show(1);
    game_ready();
    return 0;
}

int game_retreat(void)
{
    // Retreat after a lost life: every acting creature goes back in.
    if (bang == 1 && bang_time == 0) {
        for (int i = 0; i < DOOR_COUNT; i++) {
            SMALL_OBJECT_STRUCTURE *s = &small_object[i];
            if (s->draw && s->mode == 0) {
                int t = s->end_tick - RETREAT_TICKS;
                s->tik = t < 0 ? 0 : t;
                bang_time = cas;
            }
        }
    }
    if (bang == 1 && cas > bang_time + RETREAT_TIME) {
        bang = 0;
        bang_time = 0;
    }
    return 0;
}

int game_keys(void)
{
    if (key[KEY_N])
        celkem_naboju += AMMO_KEY_CARTRIDGES;
    if (key[KEY_B])
        save_screen();
    if (key_pressed(KEY_F11)) {
        display_toggle_full_screen();
        brix_timer_wait();      // play stands still across the switch
        game_ready();           // and the player finds his aim on the new picture
    }
    // Esc opens the quit dialog on a fresh press: the press that closed the
    // dialog, still held, does not open it again.  So does the window losing
    // the input focus: nothing fires at a player who is not there.
    int looked_away = focus_lost;
    focus_lost = 0;
    if (key_pressed(KEY_ESC) || looked_away) {
        if (game_yesno && game_yesno())
            return 1;
        focus_lost = 0;
        set_pointer(mouse_shot);
        brix_timer_wait();      // the time in the dialog is not the game's
        game_ready();
    }
    return 0;
}

int game_end_rules(void)
{
    if (pocet_zabitych >= max_level_bandit && finish_time == 0) {
        finish_time = cas;
        bang = 2;
    }
    if ((pocet_zivotu > 0 && pocet_zabitych >= max_level_bandit && cas > finish_time + FINISH_TIME) ||
        (level_mode == MODE_DUEL && cas > duel_time + DUEL_TIME))
        game_change_level();
    if (pocet_zivotu <= 0 && finish_time == 0 && bang != 3) {
        bang = 3;
        finish_time = cas;
    }
    if (pocet_zivotu <= 0 && cas > finish_time + FINISH_TIME)
        quit_flag = 2;
    return key_hit(KEY_Q) || quit_flag != 0;
}

int game_frame(void)
{
    brix_timer();
    game_shoot();
    game_reload();
    compose_frame();
    present();
    game_retreat();
    if (game_keys())
        return 1;
    return game_end_rules();
}

int game_start(void)
{
    game_phase_reset();
    play_comic_if_named(komix_start);
    game_mouse_range(PLAY_MOUSE_X1, PLAY_MOUSE_Y1, PLAY_MOUSE_X2, PLAY_MOUSE_Y2);
    duel_start();
    click_latch_clear();    // the click that started the game is no shot
    key_latch_clear();      // nor does a key pressed in the menus count here
    focus_lost = 0;
    notice_level_start();
    game_ready();
    return 0;
}

int game_quit(void)
{
    if (key[KEY_Q])
        clear_keybuf();
    destroy_level();
    pointer_show(0);
    play_comic(GAME_OVER_COMIC);
    if (game_topten)
        game_topten(score);
    set_menu_mouse_range();
    return 0;
}

// The window's close button ends the program from inside frame_wait or
// brix_delay; the level is released first.
static void (*outer_close_handler)(void) = nullptr;

static void game_close_handler(void)
{
    void (*outer)(void) = outer_close_handler;
    close_handler = outer;
    pointer_show(0);
    destroy_level();
    if (outer)
        outer();
}

int main_game(void)
{
    outer_close_handler = close_handler;
    if (close_handler)
        close_handler = game_close_handler;
    screen_begin("game");
    game_start();
    while (!game_frame()) {
    }
    screen_end();
    game_quit();
    if (close_handler == game_close_handler)
        close_handler = outer_close_handler;
    return 0;
}

int game_new(void)
{
    game_load_level(FIRST_LEVEL);
    pocet_hitu = 0;
    pocet_zivotu = NEW_GAME_LIVES;
    pocet_zabitych = 0;
    score = 0;
    shot_last_time = 0;
    shot_show = 0;
    reload_last_time = 0;
    reload_show = 0;
    main_game();
    destroy_level();
    return 0;
}
