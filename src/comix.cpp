// comix.cpp -- the comic player: the script interpreter and the stage.
//
// The data files' reader (reader.h) reads a script word by word, each
// command with its arguments; any other word is passed over, so plain notes
// between commands are harmless unless one of their words is a keyword.  A
// missing or malformed number ends the command's reading there, the fields
// it would have set keep their values, and the unread text is read as
// further words.  The same reading serves the playing and the look ahead
// for the comic's files before its first frame.
#include "comix.h"

#include <stdio.h>
#include <string.h>

#include "blend.h"
#include "close_focus.h"
#include "criterr.h"
#include "input.h"
#include "pacing.h"
#include "reader.h"
#include "screenshot.h"
#include "sound.h"
#include "present.h"
#include "variable.h"

// ---------------------------------------------------------------- the stage's tables
BITMAP *c_image[COMIX_SLOTS];
SAMPLE *c_sound[COMIX_SLOTS];
VIRTUAL_IMAGE_TYPE v_image[COMIX_SLOTS];
int scroll_tempo = 0;
long scroll_tempo_old = 0;
int scroll_x = 0;
int scroll_y = 0;

#define SCALE_UNIT 10000.0      // re_width / re_height of full size
#define MAX_DRAWN_SIZE 32767    // a scaled image is never drawn larger than this
#define ALPHA_MAX 255
#define SAMPLE_FREQUENCY 1000   // the sample's own speed

// Set when a delay was cut short by Esc or the left button, so that the
// abort test after it ends the comic even if the key or button is already
// up again (a quick tap is over long before the test).
static int comix_skip = 0;

static int valid_index(int n) { return n >= 0 && n < COMIX_SLOTS; }

// Positions, sizes and frame offsets of the stage are kept within this, so
// that a script's numbers (at most a million each) added up tick after tick
// or multiplied together never overflow; a difference of two still fits.
#define STAGE_LIMIT (1 << 28)
static int stage_clamp(long long v)
{
    return v < -STAGE_LIMIT ? -STAGE_LIMIT : (v > STAGE_LIMIT ? STAGE_LIMIT : (int)v);
}

// ---------------------------------------------------------------- stage

void c_cls(void)
{
    if (game_screen)
        clear_bitmap(game_screen);
}

void c_refresh(void)
{
    present();
}

static int clamp_size(double v)
{
    if (v <= 0.0)
        return 0;
    if (v >= MAX_DRAWN_SIZE)
        return MAX_DRAWN_SIZE;
    return (int)v;
}

// The source rectangle of a scaled image may lie partly outside its picture
// (animation frames past the picture's right edge): only the part inside is
// stretched, onto the matching part of the destination.
static void draw_scaled(BITMAP *pic, const VIRTUAL_IMAGE_TYPE *v)
{
    int w = clamp_size(v->width * (v->re_width / SCALE_UNIT));
    int h = clamp_size(v->height * (v->re_height / SCALE_UNIT));
    if (w <= 0 || h <= 0 || v->width <= 0 || v->height <= 0)
        return;
    int dx = v->X + (v->width - w) / 2;
    int dy = v->Y + (v->height - h) / 2;
    long sx0 = v->anim_x, sy0 = v->anim_y;
    long sx1 = sx0 + v->width, sy1 = sy0 + v->height;
    long cx0 = sx0 < 0 ? 0 : sx0, cy0 = sy0 < 0 ? 0 : sy0;
    long cx1 = sx1 > pic->w ? pic->w : sx1, cy1 = sy1 > pic->h ? pic->h : sy1;
    if (cx0 >= cx1 || cy0 >= cy1)
        return;
    long ox0 = (cx0 - sx0) * w / v->width, ox1 = (cx1 - sx0) * w / v->width;
    long oy0 = (cy0 - sy0) * h / v->height, oy1 = (cy1 - sy0) * h / v->height;
    if (ox1 <= ox0 || oy1 <= oy0)
        return;
    masked_stretch_blit(pic, game_screen, (int)cx0, (int)cy0, (int)(cx1 - cx0), (int)(cy1 - cy0),
                        dx + (int)ox0, dy + (int)oy0, (int)(ox1 - ox0), (int)(oy1 - oy0));
}

void show_all(void)
{
    if (!game_screen)
        return;
    c_cls();
    for (int i = 0; i < COMIX_SLOTS; i++) {
        const VIRTUAL_IMAGE_TYPE *v = &v_image[i];
        if (!v->visible || !valid_index(v->image))
            continue;
        BITMAP *pic = c_image[v->image];
        if (!pic)
            continue;
        if (v->fade != 0) {
            // The whole picture of the slot, translucent.
            trans_blender(v->fade);
            draw_trans_sprite(game_screen, pic, v->X, v->Y);
        } else if (v->re_width == 0 && v->re_height == 0) {
            masked_blit(pic, game_screen, v->anim_x, v->anim_y, v->X, v->Y, v->width, v->height);
        } else {
            draw_scaled(pic, v);
        }
    }
    c_refresh();
}

// One step limited by `limit`, which is signed and works in its own
// direction: a limit pointing away from the target moves away for ever.
static int limited_step(int d, int limit)
{
    if (d > 0) {
        if (d > limit)
            d = limit;
    } else if (d < limit && d != 0) {
        d = limit;
    }
    return d;
}

void move_one(int index)
{
    if (!valid_index(index))
        return;
    VIRTUAL_IMAGE_TYPE *v = &v_image[index];
    if (v->X == v->new_X && v->Y == v->new_Y)
        return;
    v->X = stage_clamp((long long)v->X + limited_step(v->new_X - v->X, v->param1));
    v->Y = stage_clamp((long long)v->Y + limited_step(v->new_Y - v->Y, v->param2));
}

static void fade_tick(VIRTUAL_IMAGE_TYPE *v)
{
    if (v->fade == 0 && v->fade_value == 0)
        return;
    v->fade += v->fade_value;
    if (v->fade < 0) {
        v->fade = 0;            // faded out
        v->fade_value = 0;
        v->visible = 0;
    } else if (v->fade > ALPHA_MAX) {
        v->fade = 0;            // faded in: opaque from now on
        v->fade_value = 0;
        v->visible = 1;
    }
}

static void scale_tick(VIRTUAL_IMAGE_TYPE *v)
{
    if (v->re_width == 0 && v->re_height == 0)
        return;
    v->re_width = stage_clamp((long long)v->re_width + v->r_w);
    v->re_height = stage_clamp((long long)v->re_height + v->r_h);
    if (v->re_width < 0) {
        v->re_width = 0;
        v->r_w = 0;
    }
    if (v->re_height < 0) {
        v->re_height = 0;
        v->r_h = 0;
    }
    if (v->re_width == 0 && v->re_height == 0)
        v->visible = 0;         // shrunk away
}

// One frame step.  Ping-pong turns at the ends before it steps, so an
// animation restarted while running backwards, or one of a single frame,
// stays within frames 0 .. count - 1.
static void anim_step(VIRTUAL_IMAGE_TYPE *v)
{
    int count = v->anim_count;
    if (v->anim_actual < 0)
        v->anim_actual = 0;
    if (v->anim_actual > count - 1)
        v->anim_actual = count - 1;
    if (v->anim_type == 1) {
        if (v->anim_actual > 0)
            v->anim_actual--;
        else
            v->anim_actual = count - 1;
    } else if (v->anim_type == 2) {
        if (count == 1) {
            v->anim_actual = 0;
        } else {
            if (v->anim_actual <= 0)
                v->anim_pingpong = 1;
            else if (v->anim_actual >= count - 1)
                v->anim_pingpong = -1;
            else if (v->anim_pingpong != 1 && v->anim_pingpong != -1)
                v->anim_pingpong = 1;
            v->anim_actual += v->anim_pingpong;
        }
    } else {
        v->anim_actual++;
        if (v->anim_actual >= count)
            v->anim_actual = 0;
    }
    v->anim_x = stage_clamp((long long)v->anim_actual * v->width);
}

void move_all(void)
{
    for (int i = 0; i < COMIX_SLOTS; i++) {
        VIRTUAL_IMAGE_TYPE *v = &v_image[i];
        if (v->visible) {
            long tempo = v->tempo < 1 ? 1 : v->tempo;
            while (v->old + tempo < cas) {
                v->old += tempo;
                move_one(i);
            }
        }
        fade_tick(v);
        scale_tick(v);
    }
    if (scroll_tempo > 0) {
        while (scroll_tempo_old < cas) {
            scroll_tempo_old += scroll_tempo;
            for (int i = 0; i < COMIX_SLOTS; i++) {
                VIRTUAL_IMAGE_TYPE *v = &v_image[i];
                if (!v->visible)
                    continue;
                v->X = stage_clamp((long long)v->X + scroll_x);
                v->Y = stage_clamp((long long)v->Y + scroll_y);
                v->new_X = stage_clamp((long long)v->new_X + scroll_x);
                v->new_Y = stage_clamp((long long)v->new_Y + scroll_y);
            }
        }
    }
    for (int i = 0; i < COMIX_SLOTS; i++) {
        VIRTUAL_IMAGE_TYPE *v = &v_image[i];
        if (v->anim_count <= 0)
            continue;
        long tempo = v->anim_tempo < 1 ? 1 : v->anim_tempo;    // a tempo below 1 counts as 1
        while (v->anim_tempo_old < cas) {
            v->anim_tempo_old += tempo;
            anim_step(v);
        }
    }
}

void c_delay(int count)
{
    brix_timer();
    long start = cas;
    long last_tick = cas;
    c_refresh();
    for (;;) {
        if (cas >= start + count || close_requested)
            break;
        if (key[KEY_SPACE])
            break;
        if (key[KEY_ESC] || left_clicked()) {
            comix_skip = 1;
            break;
        }
        show_all();
        if (key[KEY_B])
            save_screen();
        brix_timer();
        while (cas > last_tick) {
            last_tick++;
            move_all();
        }
    }
    show_all();
    if (key[KEY_SPACE])
        clear_keybuf();
}

// The player's wait: nothing moves; any key or a click goes on.  The click
// that ends it is consumed, so the comic goes on.  The time the player
// reads is nobody's: the clock goes on from where it stood, so nothing on
// the stage or in the game after it jumps.
static void c_pause(void)
{
    show_all();
    // A button still held from before the pause (the click that started a
    // game, or skipped a wait) is no answer to it: it must come up first.
    while (!close_requested && (mouse_b & 1))
        show_all();
    click_latch_clear();
    clear_keybuf();
    while (!close_requested && !keypressed() && !left_clicked())
        show_all();
    while (!close_requested && mouse_b)
        present_again();
    click_latch_clear();
    clear_keybuf();
    brix_timer_wait();
}

// ---------------------------------------------------------------- interpreter

// A script being read, closed however the reading ends.
struct Script : COMIC_SCRIPT {
    Script() : COMIC_SCRIPT{} {}
    Script(const Script &) = delete;
    Script &operator=(const Script &) = delete;
    ~Script() { comic_close(this); }
};

// The abort test after every word.
static int comix_abort(void)
{
    return comix_skip || close_requested || key[KEY_ESC] || left_clicked();
}

static void release_picture(int slot)
{
    if (c_image[slot])
        destroy_bitmap(c_image[slot]);
    c_image[slot] = nullptr;
}

static void release_sound(int slot)
{
    if (c_sound[slot])
        destroy_sample(c_sound[slot]);
    c_sound[slot] = nullptr;
}

// A picture or sound that cannot be loaded leaves its slot empty and the
// comic plays on without it; the author learns of it on standard error.
static void missing_file(const Script *s, const char *path)
{
    fprintf(stderr, "deadeye: %s: unable to load %s, its slot stays empty\n", s->path, path);
}

static int clamp_byte(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

// -------- read-ahead
//
// Before a comic's first frame every picture and sound its script (and the
// script it includes) names is loaded, one entry per command in script
// order, so that no frame of the comic waits for the disk; the picture
// before the comic is presented all the while.  The commands then take
// their entry; a name not read ahead is loaded as it comes.
#define READ_AHEAD_MAX 64
struct READ_AHEAD {
    char path[PATH_SIZE];
    BITMAP *picture;
    SAMPLE *sample;
    int is_picture;
    int taken;
};
static READ_AHEAD read_ahead[READ_AHEAD_MAX];
static int read_ahead_count = 0;

// While the comic reads ahead, the picture before it stays on the display
// and its frames keep their pace: no frame waits for more than one file.
#define READ_AHEAD_FRAME_MARGIN_US 4000

static void read_ahead_file(const char *path, int is_picture)
{
    if (frame_time_left_us() < READ_AHEAD_FRAME_MARGIN_US)
        present_again();
    if (read_ahead_count >= READ_AHEAD_MAX)
        return;
    READ_AHEAD *r = &read_ahead[read_ahead_count++];
    snprintf(r->path, sizeof r->path, "%s", path);
    r->picture = is_picture ? load_bitmap(path, pal) : nullptr;
    r->sample = is_picture ? nullptr : load_sample(path);
    r->is_picture = is_picture;
    r->taken = 0;
}

// The entry read ahead for `path`, or nullptr.
static READ_AHEAD *take_read_ahead(const char *path, int is_picture)
{
    for (int i = 0; i < read_ahead_count; i++) {
        READ_AHEAD *r = &read_ahead[i];
        if (!r->taken && r->is_picture == is_picture && strcmp(r->path, path) == 0) {
            r->taken = 1;
            return r;
        }
    }
    return nullptr;
}

static void release_read_ahead(void)
{
    for (int i = 0; i < read_ahead_count; i++) {
        READ_AHEAD *r = &read_ahead[i];
        if (!r->taken && r->picture)
            destroy_bitmap(r->picture);
        if (!r->taken && r->sample)
            destroy_sample(r->sample);
    }
    read_ahead_count = 0;
}

static BITMAP *comic_picture(const char *path)
{
    READ_AHEAD *r = take_read_ahead(path, 1);
    return r ? r->picture : load_bitmap(path, pal);
}

static SAMPLE *comic_sample(const char *path)
{
    READ_AHEAD *r = take_read_ahead(path, 0);
    return r ? r->sample : load_sample(path);
}

// -------- commands; each takes the arguments the reader read for it

typedef COMIC_COMMAND Cmd;

// The slot a command names, or -1 when its number is missing or out of range.
static int slot_of(const Cmd *c)
{
    return c->count == 1 && valid_index(c->args[0]) ? c->args[0] : -1;
}

// image and sound: a picture or a sample into its slot.
static void cmd_load(const Script *s, const Cmd *c)
{
    int slot = slot_of(c);
    if (slot < 0 || !c->has_name)
        return;
    const void *loaded;
    if (c->cmd == CMD_IMAGE) {
        release_picture(slot);
        loaded = c_image[slot] = comic_picture(c->name);
    } else {
        release_sound(slot);
        loaded = c_sound[slot] = comic_sample(c->name);
    }
    if (!loaded)
        missing_file(s, c->name);
}

static void cmd_destroy(const Script *, const Cmd *c)
{
    if (slot_of(c) >= 0)
        release_picture(slot_of(c));
}

static void cmd_destroy_sound(const Script *, const Cmd *c)
{
    if (slot_of(c) >= 0)
        release_sound(slot_of(c));
}

static void cmd_delay(const Script *, const Cmd *c)
{
    if (c->count == 1)
        c_delay(c->args[0]);
}

static void cmd_cls(const Script *, const Cmd *)
{
    for (int i = 0; i < COMIX_SLOTS; i++)
        v_image[i].visible = 0;
    c_cls();
}

static void cmd_quit(const Script *, const Cmd *) { c_cls(); }

static void cmd_virtual(const Script *, const Cmd *c)
{
    int n = c->count;
    const int *a = c->args;
    if (n < 1 || !valid_index(a[0]))
        return;
    VIRTUAL_IMAGE_TYPE *v = &v_image[a[0]];
    if (n > 1) v->image = a[1];
    if (n > 2) v->pos_X = a[2];
    if (n > 3) v->pos_Y = a[3];
    if (n > 4) v->width = a[4];
    if (n > 5) v->height = a[5];
    v->X = v->Y = 0;
    v->new_X = v->new_Y = 0;
    v->visible = 0;
    v->fade = v->fade_value = 0;
    v->effect = 0;
    v->type = 0;
    v->tempo = 1;
    v->param1 = v->param2 = 0;
    v->re_width = v->re_height = v->r_w = v->r_h = 0;
    v->anim_count = 0;
    v->anim_tempo = 0;
    v->anim_pingpong = 1;
    v->anim_x = v->pos_X;
    v->anim_y = v->pos_Y;
}

// The image a command's first number names (v null when it is missing or
// out of range), and the n numbers a after it.
struct Target {
    VIRTUAL_IMAGE_TYPE *v;
    const int *a;
    int n;
};
static Target image_of(const Cmd *c)
{
    if (c->count < 1 || !valid_index(c->args[0]))
        return {nullptr, c->args, 0};
    return {&v_image[c->args[0]], c->args + 1, c->count - 1};
}

static void cmd_vis_on(const Script *, const Cmd *c)
{
    if (VIRTUAL_IMAGE_TYPE *v = image_of(c).v) {
        v->visible = 1;
        v->old = cas;
    }
}

static void cmd_vis_off(const Script *, const Cmd *c)
{
    if (VIRTUAL_IMAGE_TYPE *v = image_of(c).v)
        v->visible = 0;
}

static void cmd_move(const Script *, const Cmd *c)
{
    Target t = image_of(c);
    if (!t.v)
        return;
    VIRTUAL_IMAGE_TYPE *v = t.v;
    int *fields[] = {&v->new_X, &v->new_Y, &v->param1, &v->param2, &v->tempo};
    for (int i = 0; i < t.n; i++)
        *fields[i] = t.a[i];
    if (v->tempo < 1)
        v->tempo = 1;
    brix_timer();
    v->old = cas;
}

// The commands that set an image's fields in order from the numbers after
// the image's; relative ones add each number to its field.
typedef int VIRTUAL_IMAGE_TYPE::*Field;
#define FIELD(name) &VIRTUAL_IMAGE_TYPE::name
static const struct {
    int cmd;
    int relative;
    Field fields[4];
} field_commands[] = {
    {CMD_SETXY, 0, {FIELD(X), FIELD(Y)}},
    {CMD_FADE, 0, {FIELD(fade), FIELD(fade_value)}},
    {CMD_SETREAL, 1, {FIELD(X), FIELD(Y)}},
    {CMD_MOVEREAL, 1, {FIELD(new_X), FIELD(new_Y)}},
    {CMD_RESIZE, 0, {FIELD(re_width), FIELD(re_height), FIELD(r_w), FIELD(r_h)}},
    {CMD_ANIME, 0, {FIELD(anim_count), FIELD(anim_tempo)}},
};
#undef FIELD

static void cmd_set_fields(const Script *, const Cmd *c)
{
    Target t = image_of(c);
    for (const auto &command : field_commands) {
        if (command.cmd != c->cmd || !t.v)
            continue;
        for (int i = 0; i < t.n && i < 4 && command.fields[i]; i++) {
            int &field = t.v->*command.fields[i];
            field = command.relative ? stage_clamp((long long)field + t.a[i]) : t.a[i];
        }
    }
}

static void cmd_getXY(const Script *, const Cmd *c)
{
    Target t = image_of(c);
    if (!t.v || t.n < 1 || !valid_index(t.a[0]))
        return;
    t.v->X = v_image[t.a[0]].X;
    t.v->Y = v_image[t.a[0]].Y;
}

// Sizes in tenths of the image's own: width for the first and third
// number, height for the second and fourth.
static void cmd_resize_rel(const Script *, const Cmd *c)
{
    Target t = image_of(c);
    if (!t.v)
        return;
    VIRTUAL_IMAGE_TYPE *v = t.v;
    int *fields[] = {&v->re_width, &v->re_height, &v->r_w, &v->r_h};
    for (int i = 0; i < t.n; i++)
        *fields[i] = stage_clamp((long long)(i % 2 ? v->height : v->width) * (t.a[i] / 10));
}

static void cmd_resize_stop(const Script *, const Cmd *c)
{
    if (VIRTUAL_IMAGE_TYPE *v = image_of(c).v)
        v->re_width = v->re_height = 0;
}

static void cmd_scroll(const Script *, const Cmd *c)
{
    int n = c->count;
    if (n > 0) scroll_tempo = c->args[0];
    if (n > 1) scroll_x = c->args[1];
    if (n > 2) scroll_y = c->args[2];
    scroll_tempo_old = cas;
}

static void cmd_scroll_off(const Script *, const Cmd *) { scroll_tempo = 0; }

static void cmd_anime(const Script *s, const Cmd *c)
{
    cmd_set_fields(s, c);
    if (VIRTUAL_IMAGE_TYPE *v = image_of(c).v) {
        v->anim_actual = 0;
        v->anim_tempo_old = cas;
    }
}

static void cmd_anime_type(const Script *, const Cmd *c)
{
    Target t = image_of(c);
    if (t.v && t.n > 0)
        t.v->anim_type = t.a[0];
}

// Plays sound slot `slot` at the comic's volume scaled by the effect volume.
static void play_slot(const Cmd *c, int loop)
{
    const int *a = c->args;
    if (c->count < 3 || !valid_index(a[0]) || !c_sound[a[0]] || sound_volume == 0)
        return;
    int v = (int)(sound_volume / 100.0 * a[1]);
    play_sample(c_sound[a[0]], clamp_byte(v), clamp_byte(a[2]), SAMPLE_FREQUENCY, loop);
}

static void cmd_play_sound(const Script *, const Cmd *c) { play_slot(c, 0); }
static void cmd_repeat_sound(const Script *, const Cmd *c) { play_slot(c, 1); }

static void cmd_stop_sound(const Script *, const Cmd *c)
{
    int slot = slot_of(c);
    if (slot >= 0 && c_sound[slot] && sound_volume != 0)
        stop_sample(c_sound[slot]);
}

static void cmd_pause(const Script *, const Cmd *) { c_pause(); }

// One level deep: the reader passes over an include inside an included script.
static void cmd_include(const Script *, const Cmd *c)
{
    if (c->has_name)
        comix_play_file(c->name);
}

// The commands in the reader's order of COMIC_CMD.
static void (*const commands[COMIC_CMD_COUNT])(const Script *, const Cmd *) = {
    cmd_load,        cmd_destroy,    cmd_delay,         cmd_cls,
    cmd_virtual,     cmd_vis_on,     cmd_vis_off,       cmd_move,
    cmd_set_fields,  cmd_set_fields, cmd_set_fields,    cmd_set_fields,     // setxy fade setreal movereal
    cmd_getXY,       cmd_set_fields, cmd_resize_rel,    cmd_resize_stop,    // getXY resize ...
    cmd_quit,        cmd_scroll,     cmd_scroll_off,    cmd_anime,
    cmd_anime_type,  cmd_load,       cmd_destroy_sound, cmd_play_sound,
    cmd_repeat_sound, cmd_stop_sound, cmd_pause,        cmd_include,
};

static void run_script(const char *name, int nested)
{
    Script s;
    comic_open(&s, name, nested);
    Cmd c;
    while (comic_next(&s, &c)) {
        if (c.cmd != COMIC_NOTE)
            commands[c.cmd](&s, &c);
        if (comix_abort())
            break;
    }
}

// Reads script `name` ahead for its pictures and sounds (and those of the
// script it includes, one level deep, as the player does).  Its faults are
// left for the playing to report where they stand.
static void read_ahead_script(const char *name, int nested)
{
    Script s;
    comic_open(&s, name, nested);
    s.lenient = 1;
    Cmd c;
    while (comic_next(&s, &c)) {
        if ((c.cmd == CMD_IMAGE || c.cmd == CMD_SOUND) && c.has_name)
            read_ahead_file(c.name, c.cmd == CMD_IMAGE);
        else if (c.cmd == CMD_INCLUDE && c.has_name)
            read_ahead_script(c.name, 1);
    }
}

int comix_play_file(const char *name)
{
    run_script(name, 1);
    return 0;
}

static void release_all(void)
{
    for (int i = 0; i < COMIX_SLOTS; i++) {
        release_picture(i);
        release_sound(i);
    }
}

int comix_play(const char *name)
{
    scroll_tempo = scroll_x = scroll_y = 0;
    for (int i = 0; i < COMIX_SLOTS; i++)
        v_image[i].visible = 0;
    release_all();
    comix_skip = 0;
    // A click from before the comic does not skip it, nor does its button
    // still held (the click on New game, or on a menu without music to fade).
    while (!close_requested && (mouse_b & 1))
        present_again();
    click_latch_clear();
    pointer_show(0);        // comics show no pointer
    screen_begin("comic");
    if (game_screen)
        set_clip_rect(game_screen, 0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
    brix_timer();

    read_ahead_script(name, 0);
    run_script(name, 0);

    for (int i = 0; i < COMIX_SLOTS; i++)
        v_image[i].visible = 0;
    if (game_screen)
        set_clip_rect(game_screen, 0, 0, game_screen->w - 1, game_screen->h - 1);
    release_all();
    release_read_ahead();

    // The click or key that skipped the comic reaches nothing after it.
    while (!close_requested && ((mouse_b & 1) || key[KEY_ESC]))
        present_again();
    // A close of the window ends the comic at once; the program leaves here.
    check_close();
    click_latch_clear();
    key_latch_clear();      // nor does the key: Esc opens no dialog after a comic
    clear_keybuf();
    comix_skip = 0;
    screen_end();
    brix_timer_wait();      // the comic's time is not the game's after it
    return 0;
}
