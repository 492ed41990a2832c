// comix.cpp -- the comic player: the script interpreter and the stage.
//
// A script is read word by word.  A keyword takes its arguments from the
// words after it; any other word is passed over, so plain notes between
// commands are harmless unless one of their words is a keyword.  Arguments
// are read one number at a time: a missing or malformed number ends the
// command's reading there, the fields it would have set keep their values,
// and the unread text is read as further words.
#include "comix.h"

#include <limits.h>
#include <stdio.h>
#include <string.h>

#include "blend.h"
#include "close_focus.h"
#include "criterr.h"
#include "input.h"
#include "pacing.h"
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
#define COMIX_WORD_SIZE 40      // words of a script, terminator included
#define COMIX_MAX_ARGS 6

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

struct Script {
    FILE *file = nullptr;
    char path[PATH_SIZE] = "";
    int nested = 0;         // 1 inside an included script
    const char *command = "";   // the keyword whose arguments are being read
    Script() = default;
    Script(const Script &) = delete;
    Script &operator=(const Script &) = delete;
    ~Script()               // closed however the reading ends
    {
        if (file)
            fclose(file);
    }
};

// Every number of a script lies within this: far beyond any coordinate,
// size, tempo or delay a comic uses, and far from int overflow when the
// stage adds and multiplies them.
#define COMIX_NUMBER_LIMIT 1000000

// The abort test after every word.
static int comix_abort(void)
{
    return comix_skip || close_requested || key[KEY_ESC] || left_clicked();
}

// Reads up to `n` integers one after another; stops at the first that is
// missing or malformed.  Returns how many were read.
static int scan_ints(Script *s, int *out, int n)
{
    int got = 0;
    while (got < n) {
        long long v;
        if (!scan_number(s->file, &v))
            break;
        if (v < -COMIX_NUMBER_LIMIT || v > COMIX_NUMBER_LIMIT)
            critical_error("Broken file %s: a number of %s is %s%lld, not %d to %d", s->path,
                           s->command, v >= SCAN_NUMBER_LIMIT || v <= -SCAN_NUMBER_LIMIT ? "beyond " : "",
                           v, -COMIX_NUMBER_LIMIT, COMIX_NUMBER_LIMIT);
        out[got++] = (int)v;
    }
    return got;
}

// Reads one word into `out` (at most size - 1 characters; the rest of a
// longer word is read and dropped).  Returns 0 at end of file, else the
// word's full length.
static size_t scan_word(FILE *f, char *out, size_t size)
{
    int c;
    do {
        c = fgetc(f);
    } while (c != EOF && (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'));
    size_t len = 0;
    while (c != EOF && !(c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f')) {
        if (len + 1 < size)
            out[len] = (char)c;
        len++;
        c = fgetc(f);
    }
    if (c != EOF)
        ungetc(c, f);
    out[len + 1 < size ? len : size - 1] = '\0';
    return len;
}

// Reads a file-name argument and builds "data/comix/" + name.  A name too
// long for the path buffer ends the program, naming the script.  Returns 0
// when the script ended before the name.
static int scan_name(Script *s, char *path, size_t size)
{
    char name[COMIX_WORD_SIZE];
    size_t len = scan_word(s->file, name, sizeof name);
    if (len == 0)
        return 0;
    if (len >= sizeof name || strlen(COMIX_DIR) + len >= size)
        critical_error("Broken file %s: file name %s%s is longer than %d characters", s->path,
                       name, len >= sizeof name ? "..." : "", (int)(size - 1 - strlen(COMIX_DIR)));
    make_path(path, size, COMIX_DIR, name);
    return 1;
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

// -------- commands; each reads its own arguments

static void cmd_image(Script *s)
{
    int slot;
    char path[PATH_SIZE];
    if (scan_ints(s, &slot, 1) != 1 || !scan_name(s, path, sizeof path))
        return;
    if (!valid_index(slot))
        return;
    release_picture(slot);
    c_image[slot] = comic_picture(path);
    if (!c_image[slot])
        missing_file(s, path);
}

static void cmd_destroy(Script *s)
{
    int slot;
    if (scan_ints(s, &slot, 1) == 1 && valid_index(slot))
        release_picture(slot);
}

static void cmd_sound(Script *s)
{
    int slot;
    char path[PATH_SIZE];
    if (scan_ints(s, &slot, 1) != 1 || !scan_name(s, path, sizeof path))
        return;
    if (!valid_index(slot))
        return;
    release_sound(slot);
    c_sound[slot] = comic_sample(path);
    if (!c_sound[slot])
        missing_file(s, path);
}

static void cmd_destroy_sound(Script *s)
{
    int slot;
    if (scan_ints(s, &slot, 1) == 1 && valid_index(slot))
        release_sound(slot);
}

static void cmd_delay(Script *s)
{
    int count;
    if (scan_ints(s, &count, 1) == 1)
        c_delay(count);
}

static void cmd_cls(Script *)
{
    for (int i = 0; i < COMIX_SLOTS; i++)
        v_image[i].visible = 0;
    c_cls();
}

static void cmd_quit(Script *) { c_cls(); }

static void cmd_virtual(Script *s)
{
    int a[COMIX_MAX_ARGS];
    int n = scan_ints(s, a, 6);
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

// Reads an image number and up to `n` further numbers; returns the image
// (null when the number is missing or out of range) and the count read.
static VIRTUAL_IMAGE_TYPE *scan_image(Script *s, int *args, int n, int *got)
{
    int index;
    *got = 0;
    if (scan_ints(s, &index, 1) != 1)
        return nullptr;
    *got = n ? scan_ints(s, args, n) : 0;
    return valid_index(index) ? &v_image[index] : nullptr;
}

static void cmd_vis_on(Script *s)
{
    int n;
    if (VIRTUAL_IMAGE_TYPE *v = scan_image(s, nullptr, 0, &n)) {
        v->visible = 1;
        v->old = cas;
    }
}

static void cmd_vis_off(Script *s)
{
    int n;
    if (VIRTUAL_IMAGE_TYPE *v = scan_image(s, nullptr, 0, &n))
        v->visible = 0;
}

static void cmd_move(Script *s)
{
    int a[5], n;
    VIRTUAL_IMAGE_TYPE *v = scan_image(s, a, 5, &n);
    if (!v)
        return;
    if (n > 0) v->new_X = a[0];
    if (n > 1) v->new_Y = a[1];
    if (n > 2) v->param1 = a[2];
    if (n > 3) v->param2 = a[3];
    if (n > 4) v->tempo = a[4];
    if (v->tempo < 1)
        v->tempo = 1;
    brix_timer();
    v->old = cas;
}

static void cmd_setxy(Script *s)
{
    int a[2], n;
    VIRTUAL_IMAGE_TYPE *v = scan_image(s, a, 2, &n);
    if (!v)
        return;
    if (n > 0) v->X = a[0];
    if (n > 1) v->Y = a[1];
}

static void cmd_fade(Script *s)
{
    int a[2], n;
    VIRTUAL_IMAGE_TYPE *v = scan_image(s, a, 2, &n);
    if (!v)
        return;
    if (n > 0) v->fade = a[0];
    if (n > 1) v->fade_value = a[1];
}

static void cmd_setreal(Script *s)
{
    int a[2], n;
    VIRTUAL_IMAGE_TYPE *v = scan_image(s, a, 2, &n);
    if (!v)
        return;
    if (n > 0) v->X = stage_clamp((long long)v->X + a[0]);
    if (n > 1) v->Y = stage_clamp((long long)v->Y + a[1]);
}

static void cmd_movereal(Script *s)
{
    int a[2], n;
    VIRTUAL_IMAGE_TYPE *v = scan_image(s, a, 2, &n);
    if (!v)
        return;
    if (n > 0) v->new_X = stage_clamp((long long)v->new_X + a[0]);
    if (n > 1) v->new_Y = stage_clamp((long long)v->new_Y + a[1]);
}

static void cmd_getXY(Script *s)
{
    int a[1], n;
    VIRTUAL_IMAGE_TYPE *v = scan_image(s, a, 1, &n);
    if (!v || n < 1 || !valid_index(a[0]))
        return;
    v->X = v_image[a[0]].X;
    v->Y = v_image[a[0]].Y;
}

static void cmd_resize(Script *s)
{
    int a[4], n;
    VIRTUAL_IMAGE_TYPE *v = scan_image(s, a, 4, &n);
    if (!v)
        return;
    if (n > 0) v->re_width = a[0];
    if (n > 1) v->re_height = a[1];
    if (n > 2) v->r_w = a[2];
    if (n > 3) v->r_h = a[3];
}

static void cmd_resize_rel(Script *s)
{
    int a[4], n;
    VIRTUAL_IMAGE_TYPE *v = scan_image(s, a, 4, &n);
    if (!v)
        return;
    if (n > 0) v->re_width = stage_clamp((long long)v->width * (a[0] / 10));
    if (n > 1) v->re_height = stage_clamp((long long)v->height * (a[1] / 10));
    if (n > 2) v->r_w = stage_clamp((long long)v->width * (a[2] / 10));
    if (n > 3) v->r_h = stage_clamp((long long)v->height * (a[3] / 10));
}

static void cmd_resize_stop(Script *s)
{
    int n;
    if (VIRTUAL_IMAGE_TYPE *v = scan_image(s, nullptr, 0, &n))
        v->re_width = v->re_height = 0;
}

static void cmd_scroll(Script *s)
{
    int a[3];
    int n = scan_ints(s, a, 3);
    if (n > 0) scroll_tempo = a[0];
    if (n > 1) scroll_x = a[1];
    if (n > 2) scroll_y = a[2];
    scroll_tempo_old = cas;
}

static void cmd_scroll_off(Script *) { scroll_tempo = 0; }

static void cmd_anime(Script *s)
{
    int a[2], n;
    VIRTUAL_IMAGE_TYPE *v = scan_image(s, a, 2, &n);
    if (!v)
        return;
    if (n > 0) v->anim_count = a[0];
    if (n > 1) v->anim_tempo = a[1];
    v->anim_actual = 0;
    v->anim_tempo_old = cas;
}

static void cmd_anime_type(Script *s)
{
    int a[1], n;
    VIRTUAL_IMAGE_TYPE *v = scan_image(s, a, 1, &n);
    if (v && n > 0)
        v->anim_type = a[0];
}

// Plays sound slot `slot` at the comic's volume scaled by the effect volume.
static void play_slot(Script *s, int loop)
{
    int a[3];
    int n = scan_ints(s, a, 3);
    if (n < 3 || !valid_index(a[0]) || !c_sound[a[0]] || sound_volume == 0)
        return;
    int v = (int)(sound_volume / 100.0 * a[1]);
    play_sample(c_sound[a[0]], clamp_byte(v), clamp_byte(a[2]), SAMPLE_FREQUENCY, loop);
}

static void cmd_play_sound(Script *s) { play_slot(s, 0); }
static void cmd_repeat_sound(Script *s) { play_slot(s, 1); }

static void cmd_stop_sound(Script *s)
{
    int slot;
    if (scan_ints(s, &slot, 1) == 1 && valid_index(slot) && c_sound[slot] && sound_volume != 0)
        stop_sample(c_sound[slot]);
}

static void cmd_pause(Script *) { c_pause(); }

static void cmd_include(Script *s)
{
    char word[COMIX_WORD_SIZE];
    if (s->nested) {
        scan_word(s->file, word, sizeof word);    // one level deep: passed over
        return;
    }
    size_t len = scan_word(s->file, word, sizeof word);
    if (len == 0)
        return;
    if (len >= sizeof word)
        critical_error("Broken file %s: file name %s... is longer than %d characters", s->path,
                       word, (int)(PATH_SIZE - 1 - strlen(COMIX_DIR)));
    comix_play_file(word);
}

struct Command {
    const char *word;
    void (*run)(Script *s);
};

static const Command commands[] = {
    {"image", cmd_image},           {"destroy", cmd_destroy},
    {"delay", cmd_delay},           {"cls", cmd_cls},
    {"virtual", cmd_virtual},       {"vis_on", cmd_vis_on},
    {"vis_off", cmd_vis_off},       {"move", cmd_move},
    {"setxy", cmd_setxy},           {"fade", cmd_fade},
    {"setreal", cmd_setreal},       {"movereal", cmd_movereal},
    {"getXY", cmd_getXY},           {"resize", cmd_resize},
    {"resize_rel", cmd_resize_rel}, {"resize_stop", cmd_resize_stop},
    {"quit", cmd_quit},             {"scroll", cmd_scroll},
    {"scroll_off", cmd_scroll_off}, {"anime", cmd_anime},
    {"anime_type", cmd_anime_type}, {"sound", cmd_sound},
    {"destroy_sound", cmd_destroy_sound}, {"play_sound", cmd_play_sound},
    {"repeat_sound", cmd_repeat_sound},   {"stop_sound", cmd_stop_sound},
    {"pause", cmd_pause},           {"include", cmd_include},
};

// Opens data/comix/<name>; a name that does not fit or a file that cannot
// be opened ends the program.
static void open_script(Script *s, const char *name, int nested)
{
    make_path(s->path, sizeof s->path, COMIX_DIR, name ? name : "");
    s->nested = nested;
    s->file = fopen(s->path, "r");
    if (!s->file)
        critical_error("Unable to open file %s", s->path);
}

static void run_script(Script *s)
{
    char word[COMIX_WORD_SIZE];
    while (scan_word(s->file, word, sizeof word) > 0) {
        for (const Command &c : commands) {
            if (strcmp(word, c.word) == 0) {
                s->command = c.word;
                c.run(s);
                break;
            }
        }
        if (comix_abort())
            break;
    }
    fclose(s->file);
    s->file = nullptr;
}

// Reads script `name` ahead for its pictures and sounds (and those of the
// script it includes, one level deep, as the player does).
static void read_ahead_script(const char *name, int nested)
{
    Script s;
    open_script(&s, name, nested);
    char word[COMIX_WORD_SIZE], slot[COMIX_WORD_SIZE], path[PATH_SIZE];
    while (scan_word(s.file, word, sizeof word) > 0) {
        int picture = strcmp(word, "image") == 0;
        if (picture || strcmp(word, "sound") == 0) {
            if (scan_word(s.file, slot, sizeof slot) > 0 && scan_name(&s, path, sizeof path))
                read_ahead_file(path, picture);
        } else if (!nested && strcmp(word, "include") == 0) {
            size_t len = scan_word(s.file, word, sizeof word);
            if (len > 0 && len < sizeof word)
                read_ahead_script(word, 1);
        }
    }
    fclose(s.file);
    s.file = nullptr;
}

int comix_play_file(const char *name)
{
    Script s;
    open_script(&s, name, 1);
    run_script(&s);
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
    Script s;
    open_script(&s, name, 0);
    run_script(&s);

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
