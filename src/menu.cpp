// menu.cpp -- the main menu, the difficulty choice, the options, the quit
// dialog with its cheat codes, and the top-ten table with name entry.
//
// Every screen runs its own frame loop: hide the pointer, compose the picture
// in game_screen, light the pointer over an active item, let Allegro draw the
// pointer into the picture, and present it with m_refresh.  Clicks are taken
// once per frame from the click latch, so a tap shorter than a frame is never
// lost; a button held down still counts on every frame, as a held button.
// A screen opened by a click or a key waits for that button or key to be let
// go before it acts on it again.
#include "menu.h"

#include <allegro.h>
#include <errno.h>
#include <stdio.h>
#include <string.h>

#include "criterr.h"
#include "game.h"
#include "init.h"
#include "input.h"
#include "pacing.h"
#include "picture.h"
#include "present.h"
#include "sound.h"
#include "texts.h"
#include "topten.h"
#include "variable.h"

// ---------------------------------------------------------------- layout
struct HOT {
    int x1, y1, x2, y2;
};

// Main menu.
static const HOT HOT_NEW_GAME = {40, 246, 90, 281};
static const HOT HOT_OPTIONS = {40, 296, 122, 341};
static const HOT HOT_QUIT = {40, 346, 90, 381};
static const HOT HOT_POSTER = {475, 315, 565, 433};
#define BCK_Y 140
#define BCK_W 640
#define BCK_H 200
#define MENULEFT_Y 76
#define MENULEFT_W 139
#define MENULEFT_H 310
#define WANTEDS_X 475
#define WANTEDS_Y 315
#define WANTEDS_W 95
#define WANTEDS_H 117
#define MENU_ENTRY_DELAY 10

// Difficulty screen: three columns, each lit by its own picture.
struct COLUMN {
    HOT hot;
    int x, w;
};
static const COLUMN columns[3] = {
    {{0, 0, 214, 480}, 0, 214}, {{214, 0, 423, 480}, 214, 209}, {{423, 0, 640, 480}, 423, 217}};

// Options.
static const HOT HOT_CANCEL = {40, 280, 110, 320};
static const HOT HOT_DIFFICULTY = {270, 340, 540, 480};
struct FIGURE {
    HOT hot;
    int source_x, x;
};
static const FIGURE figures[3] = {{{308, 100, 348, 240}, 0, 308},
                                  {{382, 100, 422, 240}, 40, 382},
                                  {{464, 100, 504, 240}, 80, 464}};
enum { SLIDER_NONE, SLIDER_MUSIC, SLIDER_SOUND, SLIDER_MOUSE };
#define MENUHANG_X 220
#define MENUHANG_W 365
#define FIGURE_W 40
#define FIGURE_H 134
#define VOLUME_FIGURE_Y0 201    // a volume figure hangs at y = 201 - volume
#define MOUSE_FIGURE_Y0 100     // the mouse figure at y = 100 + mouse_sensitivity
#define MUTE_Y 220
#define MUTE_W 28
#define MUTE_H 31
static const int mute_x[2] = {318, 392};
#define CANCEL_X 40
#define CANCEL_Y 280
#define CANCEL_W 71
#define CANCEL_H 42
#define DIFFICULTY_X 280
#define DIFFICULTY_Y 350
#define DIFFICULTY_W 259
static const int difficulty_h[3] = {115, 87, 87};

// Quit dialog.
static const HOT HOT_YES = {205, 151, 305, 211};
static const HOT HOT_NO = {320, 170, 435, 230};
#define YESNO_X 205
#define YESNO_Y 31
#define YESNO_W 231
#define YESNO_H 449
#define YESNO_OPEN_DELAY 8

// Top-ten table and name entry.
#define WANTED_X 150
#define WANTED_Y 22
#define WANTED_W 361
#define WANTED_H 446
#define ROW_SCORE_LEFT 180       // a score stands right-aligned, ending at
#define ROW_SCORE_RIGHT 280      // ROW_SCORE_RIGHT, and never left of ROW_SCORE_LEFT
#define ROW_SCORE_Y 137
#define ROW_NAME_X 288
#define ROW_NAME_Y 145
#define ROW_STEP 27
#define ROW_MARK_X1 179          // the band behind the player's new row
#define ROW_MARK_X2 482
#define ROW_MARK_INK makecol(122, 38, 26)
#define ROW_MARK_EDGE makecol(244, 194, 74)
#define NOT_SAVED_TEXT "NOT SAVED"
#define NOT_SAVED_X 285
#define NOT_SAVED_Y 114
#define PLAYER_LINE_Y 424        // "YOUR SCORE 1234$  LEVEL 7", centred on the poster
#define PLAYER_LINE_CENTRE_X 330
#define PLAYER_LINE_GAP 10
#define PLAYER_SCORE_TEXT "YOUR SCORE"
#define PLAYER_LEVEL_TEXT "LEVEL"
#define LETTER_RAISE 5           // a word's top below the digits' top, as on the status line
#define TABLE_SHOW_DELAY 20
#define TABLE_LEAVE_DELAY 12
#define NAME_PANEL_X 167          // the panel centred on the poster
#define NAME_PANEL_Y 180
#define NAME_PANEL_W 327
#define NAME_PANEL_H 108
#define NAME_TEXT_X 222
#define NAME_TEXT_Y 240
#define NAME_CURSOR '['
#define SHOW_ONLY_SCORE (-9999)

// Music.
#define MUSIC_FILE "data/music/music1b.wav"
#define MUSIC_SAMPLE_MAX 255
#define MUSIC_FADE_TOP 255
#define MUSIC_FADE_BOTTOM 60
#define MUSIC_FADE_STEP 15

// ---------------------------------------------------------------- shared

static int frame_click = 0;     // the latch's answer for this frame

int is_on(int X1, int Y1, int X2, int Y2)
{
    int x = game_mouse_x(), y = game_mouse_y();
    return X1 < x && x < X2 && Y1 < y && y < Y2;
}

int is_clicked(int X1, int Y1, int X2, int Y2)
{
    return (frame_click || (mouse_b & 1)) && is_on(X1, Y1, X2, Y2);
}

void m_sample_click(void)
{
    frame_click = left_clicked();
}

// The click of this frame has been used up by a screen it opened.
static void click_used(void)
{
    frame_click = 0;
    click_latch_clear();
}

void m_refresh(void)
{
    present();
}

static int on(const HOT &h) { return is_on(h.x1, h.y1, h.x2, h.y2); }
static int clicked(const HOT &h) { return is_clicked(h.x1, h.y1, h.x2, h.y2); }

// Waits, presenting nothing new, until the left button is up; the press is
// then forgotten so that no screen takes it for a new click.
static void wait_left_up(void)
{
    while (mouse_b & 1)
        present_again();
    click_latch_clear();
}

static void release_pictures(BITMAP **pictures, int count)
{
    for (int i = count - 1; i >= 0; i--) {
        if (pictures[i])
            destroy_bitmap(pictures[i]);
        pictures[i] = nullptr;
    }
}

// The start of every menu frame: pointer hidden and plain, picture cleared.
static void frame_begin(void)
{
    pointer_show(0);
    set_pointer(mouse_pointer);
    clear_bitmap(game_screen);
}

static void frame_present(void)
{
    pointer_show(1);
    m_refresh();
}

static void light_if_on(const HOT &h)
{
    if (on(h))
        set_pointer(mouse_pointer2);
}

// ---------------------------------------------------------------- settings

void (*menu_set_volume)(int digi, int midi) = set_volume;
void (*menu_set_mouse_speed)(int xspeed, int yspeed) = set_mouse_speed;

int slider_drag(int value, int *Y, int my, int upward)
{
    value += upward ? *Y - my : my - *Y;
    *Y = my;
    return value < 0 ? 0 : (value > SLIDER_MAX ? SLIDER_MAX : value);
}

void apply_volume(void)
{
    if (menu_set_volume)
        menu_set_volume(sound_volume * 2, music_volume * 2);
}

void apply_mouse_speed(void)
{
    if (menu_set_mouse_speed)
        menu_set_mouse_speed(mouse_sensitivity / 10, mouse_sensitivity / 10);
}

int music_sample_volume(void)
{
    return music_volume * MUSIC_SAMPLE_MAX / 100;
}

// ---------------------------------------------------------------- music

// The title music plays while the main menu is on the screen.  It is loaded
// once, while the game loads, and kept for the run, so that no change of
// screen waits for it.  Without its file the menus are silent; the player is
// told once on standard error.
void menu_music_load(void)
{
    static int warned = 0;
    if (!music_on || s_music)
        return;
    s_music = load_sample(MUSIC_FILE);
    if (!s_music && !warned)
        fprintf(stderr, "Unable to open file %s: the menus play without music\n", MUSIC_FILE);
    warned = 1;
}

static void music_start(void)
{
    menu_music_load();
    if (music_on && s_music && music_volume != 0)
        play_sample(s_music, music_sample_volume(), PAN_CENTRE, 1000, 1);
}

static void music_stop(void)
{
    if (!music_on || !s_music)
        return;
    for (int level = MUSIC_FADE_TOP; level > MUSIC_FADE_BOTTOM; level -= MUSIC_FADE_STEP) {
        adjust_sample(s_music, music_volume * level / 100, PAN_CENTRE, 1000, 1);
        present_hold(1);
    }
    stop_sample(s_music);
}

// ---------------------------------------------------------------- main menu

static void new_game(void)
{
    music_stop();
    destroy_level();    // a level a cheat code loaded from this menu
    game_new();
    music_start();
}

int menu_main(void)
{
    enum { MENULEFT, BCK, WANTEDS, PICTURES };
    BITMAP *pic[PICTURES];
    pic[MENULEFT] = load_picture("data/gfx/menu/menuleft.bmp");
    pic[BCK] = load_picture("data/gfx/menu/bck.bmp");
    pic[WANTEDS] = load_picture("data/gfx/menu/wanteds.bmp");
    present_hold(MENU_ENTRY_DELAY);
    music_start();
    click_latch_clear();
    key_latch_clear();
    screen_begin("menu");

    for (;;) {
        frame_begin();
        blit(pic[BCK], game_screen, 0, 0, 0, BCK_Y, BCK_W, BCK_H);
        masked_blit(pic[MENULEFT], game_screen, 0, 0, 0, MENULEFT_Y, MENULEFT_W, MENULEFT_H);
        masked_blit(pic[WANTEDS], game_screen, 0, 0, WANTEDS_X, WANTEDS_Y, WANTEDS_W, WANTEDS_H);
        light_if_on(HOT_NEW_GAME);
        light_if_on(HOT_OPTIONS);
        light_if_on(HOT_QUIT);

        // A screen opened from here takes the frame's click with it; the
        // menu composes a fresh frame when it comes back.
        m_sample_click();
        if (clicked(HOT_POSTER)) {
            menu_topten(SHOW_ONLY_SCORE);
            click_used();
            continue;
        }
        if (clicked(HOT_NEW_GAME)) {
            new_game();
            click_used();
            continue;
        }
        if (clicked(HOT_OPTIONS)) {
            menu_option(0);
            wait_left_up();
            click_used();
            continue;
        }
        if (clicked(HOT_QUIT)) {
            if (menu_yesno())
                break;
            click_used();
            continue;
        }
        frame_present();
        if (key_hit(KEY_Q))
            break;
    }

    screen_end();
    clear_keybuf();
    music_stop();
    pointer_show(0);
    destroy_level();    // a level a cheat code may have loaded
    release_pictures(pic, PICTURES);
    return 0;
}

// ---------------------------------------------------------------- difficulty

int menu_obtiznost(void)
{
    enum { M02, M02A, M02B, M02C, PICTURES };
    BITMAP *pic[PICTURES];
    pic[M02] = load_picture("data/gfx/menu/m02.bmp");
    pic[M02A] = load_picture("data/gfx/menu/m02a.bmp");
    pic[M02B] = load_picture("data/gfx/menu/m02b.bmp");
    pic[M02C] = load_picture("data/gfx/menu/m02c.bmp");
    screen_begin("difficulty");
    set_pointer(mouse_pointer);
    clear_bitmap(game_screen);
    m_refresh();
    present_hold(MENU_ENTRY_DELAY);
    wait_left_up();     // the click that opened the screen chooses nothing
    key_latch_clear();

    for (int chosen = 0; !chosen;) {
        frame_begin();
        blit(pic[M02], game_screen, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
        for (int c = 0; c < 3; c++) {
            if (on(columns[c].hot)) {
                set_pointer(mouse_pointer2);
                blit(pic[M02A + c], game_screen, 0, 0, columns[c].x, 0, columns[c].w, SCREEN_HEIGHT);
            }
        }
        frame_present();
        m_sample_click();
        for (int c = 0; c < 3 && !chosen; c++) {
            if (clicked(columns[c].hot)) {
                obtiznost = c;
                chosen = 1;
            }
        }
        if (!chosen && key_hit(KEY_Q))
            break;
    }

    clear_keybuf();
    pointer_show(0);
    release_pictures(pic, PICTURES);
    screen_end();
    return 0;
}

// ---------------------------------------------------------------- options

int menu_option(int type)
{
    (void)type;
    enum { MENUHANG, HANGMEN, MUTE, CANCEL, BCK, DIFGOOD, DIFBAD, DIFUGLY, PICTURES };
    BITMAP *pic[PICTURES];
    static const char *const files[PICTURES] = {
        "data/gfx/menu/menuhang.bmp", "data/gfx/menu/hangmen.bmp", "data/gfx/menu/mute.bmp",
        "data/gfx/menu/cancel.bmp",   "data/gfx/menu/bck.bmp",     "data/gfx/menu/difgood.bmp",
        "data/gfx/menu/difbad.bmp",   "data/gfx/menu/difugly.bmp"};
    int mouse_on = SLIDER_NONE, Y = 0, quit = 0;
    for (int i = 0; i < PICTURES; i++)
        pic[i] = load_picture(files[i]);
    wait_left_up();     // the click that opened the menu
    key_latch_clear();
    set_pointer(mouse_pointer);
    screen_begin("options");

    do {
        pointer_show(0);
        clear_bitmap(game_screen);
        blit(pic[BCK], game_screen, 0, 0, 0, BCK_Y, BCK_W, BCK_H);
        masked_blit(pic[MENUHANG], game_screen, 0, 0, MENUHANG_X, 0, MENUHANG_W, SCREEN_HEIGHT);
        masked_blit(pic[CANCEL], game_screen, 0, 0, CANCEL_X, CANCEL_Y, CANCEL_W, CANCEL_H);
        const int figure_y[3] = {VOLUME_FIGURE_Y0 - music_volume, VOLUME_FIGURE_Y0 - sound_volume,
                                 MOUSE_FIGURE_Y0 + mouse_sensitivity};
        for (int f = 0; f < 3; f++)
            masked_blit(pic[HANGMEN], game_screen, figures[f].source_x, 0, figures[f].x, figure_y[f],
                        FIGURE_W, FIGURE_H);
        if (music_volume == 0)
            masked_blit(pic[MUTE], game_screen, 0, 0, mute_x[0], MUTE_Y, MUTE_W, MUTE_H);
        if (sound_volume == 0)
            masked_blit(pic[MUTE], game_screen, 0, 0, mute_x[1], MUTE_Y, MUTE_W, MUTE_H);
        int d = obtiznost < DIFFICULTY_EASY ? DIFFICULTY_EASY
                                            : (obtiznost > DIFFICULTY_HARD ? DIFFICULTY_HARD : obtiznost);
        masked_blit(pic[DIFGOOD + d], game_screen, 0, 0, DIFFICULTY_X, DIFFICULTY_Y, DIFFICULTY_W,
                    difficulty_h[d]);
        frame_present();
        set_pointer(mouse_pointer);

        // Dragging: the figure follows the pointer while any button is held.
        if (mouse_b) {
            if (mouse_on == SLIDER_MUSIC) {
                music_volume = slider_drag(music_volume, &Y, game_mouse_y(), 1);
                if (music_on && s_music)
                    adjust_sample(s_music, music_sample_volume(), PAN_CENTRE, 1000, 1);
            } else if (mouse_on == SLIDER_SOUND) {
                sound_volume = slider_drag(sound_volume, &Y, game_mouse_y(), 1);
                apply_volume();
            } else if (mouse_on == SLIDER_MOUSE) {
                mouse_sensitivity = slider_drag(mouse_sensitivity, &Y, game_mouse_y(), 0);
            }
        } else {
            if (mouse_on == SLIDER_MUSIC || mouse_on == SLIDER_SOUND)
                apply_volume();
            else if (mouse_on == SLIDER_MOUSE)
                apply_mouse_speed();
            mouse_on = SLIDER_NONE;
        }

        m_sample_click();
        light_if_on(HOT_CANCEL);
        if (clicked(HOT_CANCEL))
            quit = 1;
        for (int f = 0; f < 3; f++) {
            if (clicked(figures[f].hot) && mouse_on == SLIDER_NONE) {
                Y = game_mouse_y();
                mouse_on = SLIDER_MUSIC + f;
            }
        }
        if (mouse_on == SLIDER_NONE) {
            light_if_on(HOT_DIFFICULTY);
            if (clicked(HOT_DIFFICULTY)) {
                menu_obtiznost();
                wait_left_up();     // the choosing click opens nothing here
                click_used();
            }
        }
    } while (!quit && !key_hit(KEY_ESC));

    screen_end();
    clear_keybuf();
    pointer_show(0);
    release_pictures(pic, PICTURES);
    return 0;
}

// ---------------------------------------------------------------- cheat codes

const char *const cheat_codes[CHEAT_COUNT] = {"QUARTZLANTERNBOAT", "PLUMBRIDE",
                                              "SILVERKETTLESINGSABOVECLOUD", "WOODENPIGEON",
                                              "COPPERMOTH"};

void cheat_reset(CHEAT_STATE *st)
{
    st->flag = 0;
    st->pos = 0;
    st->word[0] = '\0';
}

int cheat_listen(CHEAT_STATE *st, int shifts, int (*read_key)(void))
{
    int matched = -1;
    if (st->flag && shifts == 0) {
        for (int i = 0; i < CHEAT_COUNT && matched < 0; i++)
            if (strcmp(st->word, cheat_codes[i]) == 0)
                matched = i;
        cheat_reset(st);
    }
    if (!st->flag && shifts != 0)
        st->flag = 1;
    if (st->flag && shifts != 0 && st->pos < CHEAT_WORD_SIZE - 1) {
        int k = read_key ? read_key() : -1;
        int c = k & 0xff;
        if (k >= 0 && c >= 'A' && c <= 'Z') {
            st->word[st->pos++] = (char)c;
            st->word[st->pos] = '\0';
        }
    }
    return matched;
}

void cheat_apply(int code)
{
    switch (code) {
    case CHEAT_LIFE:
        life_cheat = !life_cheat;
        break;
    case CHEAT_DUEL:
        game_load_level(DUEL_CHEAT_LEVEL);
        game_phase_reset();
        duel_start();
        break;
    case CHEAT_SECRET_LEVEL:
        game_load_level(SECRET_CHEAT_LEVEL);
        break;
    case CHEAT_QUOTA:
        pocet_zabitych = max_level_bandit;
        break;
    case CHEAT_CIVIL:
        kill_civil_cheat = !kill_civil_cheat;
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------- quit dialog

static int dialog_read_key(void)
{
    return keypressed() ? readkey() : -1;
}

int menu_yesno(void)
{
    int yes = -1;
    BITMAP *picture = load_picture("data/gfx/menu/yesno.bmp");
    CHEAT_STATE cheat;
    cheat_reset(&cheat);
    screen_begin("dialog");
    present_hold(YESNO_OPEN_DELAY);
    clear_keybuf();
    // The press that opened the dialog (Esc, a click) answers nothing.
    key_latch_clear();
    click_latch_clear();
    int click_armed = !(mouse_b & 1);

    do {
        if (keyboard_needs_poll())
            poll_keyboard();
        int code = cheat_listen(&cheat, key_shifts, dialog_read_key);
        if (code >= 0) {
            cheat_apply(code);
            yes = 0;
        }
        if (!cheat.flag)
            while (keypressed())
                readkey();  // letters typed without a modifier do nothing

        pointer_show(0);
        set_pointer(mouse_pointer);
        masked_blit(picture, game_screen, 0, 0, YESNO_X, YESNO_Y, YESNO_W, YESNO_H);
        light_if_on(HOT_YES);
        light_if_on(HOT_NO);
        frame_present();

        m_sample_click();
        if (!click_armed) {
            frame_click = 0;
            click_armed = !(mouse_b & 1);
        } else if (yes == -1) {
            if (clicked(HOT_YES))
                yes = 1;
            if (clicked(HOT_NO))
                yes = 0;
        }
    } while (!key_pressed(KEY_ESC) && yes == -1);

    clear_keybuf();
    wait_left_up();
    key_latch_clear();  // the Esc that closed the dialog opens nothing
    pointer_show(0);
    destroy_bitmap(picture);
    screen_end();
    return yes == 1;
}

// ---------------------------------------------------------------- name entry

char name_letter(int c)
{
    if (c >= 'a' && c <= 'z')
        return (char)(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || c == ' ')
        return (char)c;
    return 0;
}

static void draw_name_panel(BITMAP *panel, const char *str, int X, int Y)
{
    masked_blit(panel, game_screen, 0, 0, NAME_PANEL_X, NAME_PANEL_Y, NAME_PANEL_W, NAME_PANEL_H);
    print_string(str, X, Y);
}

// The cursor after the text, while the field has room for another letter.
static void place_cursor(char *str, int str_pos, int count)
{
    str[str_pos] = '\0';
    if (str_pos < count - 1) {
        str[str_pos] = NAME_CURSOR;
        str[str_pos + 1] = '\0';
    }
}

int get_string(char *str, int count, int X, int Y)
{
    if (count < 2)
        return 0;
    int str_pos = 0;
    BITMAP *panel = load_picture("data/gfx/menu/name.bmp");
    clear_keybuf();
    key_latch_clear();
    place_cursor(str, 0, count);
    pointer_show(0);
    draw_name_panel(panel, str, X, Y);
    m_refresh();

    for (int done = 0; !done;) {
        int changed = 0;
        while (!done && keypressed()) {
            int k = readkey();
            // Every key typed counts, in order; a key held down types once.
            if (!key_pressed(k >> 8))
                continue;
            int c = k & 0xff;
            if (c == '\r') {
                done = 1;
            } else if (name_letter(c) && str_pos < count - 1) {
                str[str_pos++] = name_letter(c);
                changed = 1;
            } else if (c == '\b' && str_pos > 0) {
                str_pos--;
                changed = 1;
            }
            if (changed)
                place_cursor(str, str_pos, count);
        }
        if (changed)
            draw_name_panel(panel, str, X, Y);
        present();
    }
    str[str_pos] = '\0';
    if (str_pos == 0)
        snprintf(str, count, "%s", TOPTEN_EMPTY_NAME);
    destroy_bitmap(panel);
    return 0;
}

// ---------------------------------------------------------------- the table

int topten_score_x(int score)
{
    int x = ROW_SCORE_RIGHT - DIGIT_W * (num_digits(score) + 1);   // the digits and the "$"
    return x < ROW_SCORE_LEFT ? ROW_SCORE_LEFT : x;
}

// The poster's foot: the score just played and the level it reached.
static void draw_player_line(int score, int reached)
{
    int score_w = DIGIT_W * (num_digits(score) + 1);
    int level_w = DIGIT_W * num_digits(reached);
    int words_w = LETTER_W * (int)(strlen(PLAYER_SCORE_TEXT) + strlen(PLAYER_LEVEL_TEXT));
    int x = PLAYER_LINE_CENTRE_X - (words_w + score_w + level_w + 3 * PLAYER_LINE_GAP) / 2;
    print_string(PLAYER_SCORE_TEXT, x, PLAYER_LINE_Y + LETTER_RAISE);
    x += LETTER_W * (int)strlen(PLAYER_SCORE_TEXT) + PLAYER_LINE_GAP;
    print_num_dolar(score, x, PLAYER_LINE_Y);
    x += score_w + PLAYER_LINE_GAP;
    print_string(PLAYER_LEVEL_TEXT, x, PLAYER_LINE_Y + LETTER_RAISE);
    x += LETTER_W * (int)strlen(PLAYER_LEVEL_TEXT) + PLAYER_LINE_GAP;
    print_num(reached, x, PLAYER_LINE_Y);
}

// The poster with the rows of `table` (none when it is null); `mark` is the
// player's new row or -1; `score` is shown at the foot unless it is
// SHOW_ONLY_SCORE.
static void draw_poster(BITMAP *wanted, const TOPTEN_TABLE *table, int mark, int score)
{
    clear_bitmap(game_screen);
    blit(wanted, game_screen, 0, 0, WANTED_X, WANTED_Y, WANTED_W, WANTED_H);
    if (score != SHOW_ONLY_SCORE)
        draw_player_line(score, level);
    if (!table)
        return;
    if (mark >= 0 && mark < TOPTEN_ROWS) {
        int y = ROW_SCORE_Y + ROW_STEP * mark;
        rectfill(game_screen, ROW_MARK_X1, y, ROW_MARK_X2, y + ROW_STEP - 1, ROW_MARK_INK);
        rect(game_screen, ROW_MARK_X1, y, ROW_MARK_X2, y + ROW_STEP - 1, ROW_MARK_EDGE);
    }
    for (int r = 0; r < TOPTEN_ROWS; r++) {
        print_num_dolar(table->score[r], topten_score_x(table->score[r]), ROW_SCORE_Y + ROW_STEP * r);
        print_string(table->name[r], ROW_NAME_X, ROW_NAME_Y + ROW_STEP * r);
    }
}

int menu_topten(int score)
{
    BITMAP *wanted = load_picture("data/gfx/menu/wanted.bmp");
    screen_begin("table");
    TOPTEN_TABLE table;
    topten_read(TOPTEN_FILE, &table);
    int saved = 1;
    // Opened from the main menu, the table is only shown, whatever its rows hold.
    int place = score == SHOW_ONLY_SCORE ? -1 : topten_place(&table, score);
    if (place >= 0) {
        // The name is asked over the poster, which already shows the score.
        char name[TOPTEN_NAME_SIZE];
        draw_poster(wanted, nullptr, -1, score);
        get_string(name, TOPTEN_NAME_SIZE, NAME_TEXT_X, NAME_TEXT_Y);
        topten_insert(&table, place, score, name);
        if (topten_write(TOPTEN_FILE, &table) != 0) {
            saved = 0;
            fprintf(stderr, "Unable to write %s: %s\n", TOPTEN_FILE, strerror(errno));
        }
    }

    draw_poster(wanted, &table, place, score);
    if (!saved)
        print_string(NOT_SAVED_TEXT, NOT_SAVED_X, NOT_SAVED_Y);
    present_hold(TABLE_SHOW_DELAY);
    pointer_show(0);
    m_refresh();
    pointer_show(1);    // drawn after the copy: the table shows no pointer

    click_latch_clear();
    key_latch_clear();
    while (!key_hit(KEY_ESC) && !mouse_b && !left_clicked())
        present_again();

    destroy_bitmap(wanted);
    screen_end();
    present_hold(TABLE_LEAVE_DELAY);
    return 0;
}
