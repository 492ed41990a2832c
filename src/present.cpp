// present.cpp -- scaling and the pointer: how a frame reaches the display.
#include "present.h"

#include <stdio.h>
#include <string.h>

#include "pacing.h"
#include "variable.h"
#include "xwindow.h"

int present_scale = 1;
int present_x = 0, present_y = 0;

static BITMAP *frame = nullptr;         // the last frame presented, with its pointer
static BITMAP *shown = nullptr;         // what the display shows, in game pixels
static int display_stale = 1;           // the display shows nothing of ours yet
// The mouse's range in game pixels, set again on the display after a new mode.
static int range_x1 = 0, range_y1 = 0, range_x2 = SCREEN_WIDTH - 1, range_y2 = SCREEN_HEIGHT - 1;
static BITMAP *pointer_picture = nullptr;
static int pointer_shown = 0;

int choose_scale(int requested, int desktop_w, int desktop_h)
{
    if (requested >= 1 && requested <= MAX_SCALE)
        return requested;
    int scale = 1;
    for (int n = 2; n <= MAX_SCALE; n++)
        if (SCREEN_WIDTH * n + WINDOW_FRAME_ROOM_X <= desktop_w &&
            SCREEN_HEIGHT * n + WINDOW_FRAME_ROOM_Y <= desktop_h)
            scale = n;
    return scale;
}

PRESENT_PLACE full_screen_place(int w, int h)
{
    int scale = w / SCREEN_WIDTH < h / SCREEN_HEIGHT ? w / SCREEN_WIDTH : h / SCREEN_HEIGHT;
    if (scale < 1)
        return PRESENT_PLACE{1, 0, 0};
    return PRESENT_PLACE{scale, (w - SCREEN_WIDTH * scale) / 2, (h - SCREEN_HEIGHT * scale) / 2};
}

void present_init(int scale, int x, int y)
{
    present_scale = scale < 1 ? 1 : scale;
    present_x = x < 0 ? 0 : x;
    present_y = y < 0 ? 0 : y;
    if (!frame)
        frame = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    if (frame && !shown)
        clear_bitmap(frame);
    if (!shown)
        shown = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    display_stale = 1;
    game_mouse_range(range_x1, range_y1, range_x2, range_y2);
}

void present_exit(void)
{
    if (frame)
        destroy_bitmap(frame);
    if (shown)
        destroy_bitmap(shown);
    frame = shown = nullptr;
    display_stale = 1;
    present_x = present_y = 0;
    pointer_picture = nullptr;
    pointer_shown = 0;
    present_scale = 1;
}

BITMAP *present_picture(void)
{
    return frame;
}

// ---------------------------------------------------------------- the frame

// The first and last rows in which two pictures of the game's size differ;
// 0 when they are the same.
static int changed_rows(BITMAP *a, BITMAP *b, int *first, int *last)
{
    size_t row_bytes = (size_t)SCREEN_WIDTH * ((bitmap_color_depth(a) + 7) / 8);
    int y0 = 0, y1 = SCREEN_HEIGHT - 1;
    while (y0 < SCREEN_HEIGHT && memcmp(a->line[y0], b->line[y0], row_bytes) == 0)
        y0++;
    if (y0 == SCREEN_HEIGHT)
        return 0;
    while (memcmp(a->line[y1], b->line[y1], row_bytes) == 0)
        y1--;
    *first = y0;
    *last = y1;
    return 1;
}

// Rows y0..y1 of the picture to the display, each game pixel a square of
// present_scale display pixels.
static void scale_rows(BITMAP *picture, int y0, int y1)
{
    int s = present_scale, rows = y1 - y0 + 1;
    if (s == 1)
        blit(picture, screen, 0, y0, present_x, present_y + y0, SCREEN_WIDTH, rows);
    else
        stretch_blit(picture, screen, 0, y0, SCREEN_WIDTH, rows, present_x, present_y + y0 * s,
                     SCREEN_WIDTH * s, rows * s);
}

static void to_display(BITMAP *picture)
{
    xwindow_check();
    if (!screen || !picture)
        return;
    int y0 = 0, y1 = SCREEN_HEIGHT - 1;
    if (shown && bitmap_color_depth(shown) == bitmap_color_depth(picture)) {
        if (!display_stale && !changed_rows(picture, shown, &y0, &y1))
            return;     // the display already shows this frame
        blit(picture, shown, 0, y0, 0, y0, SCREEN_WIDTH, y1 - y0 + 1);
    }
    display_stale = 0;
    scale_rows(picture, y0, y1);
}

void present(void)
{
    if (game_screen && !frame)
        to_display(game_screen);
    if (game_screen && frame) {
        blit(game_screen, frame, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
        if (pointer_shown && pointer_picture)
            draw_sprite(frame, pointer_picture, game_mouse_x() - POINTER_FOCUS,
                        game_mouse_y() - POINTER_FOCUS);
        to_display(frame);
    }
    frame_wait();
}

void present_again(void)
{
    to_display(frame);
    frame_wait();
}

void present_hold(int ticks)
{
    brix_timer();
    long start = cas;
    while (cas < start + ticks) {
        present_again();
        brix_timer();
    }
}

// ---------------------------------------------------------------- the pointer

void set_pointer(BITMAP *picture)
{
    pointer_picture = picture;
}

void pointer_show(int shown)
{
    pointer_shown = shown;
}

// A display pixel to its game pixel: the picture starts at `offset`.
static int to_game(int display, int offset, int size)
{
    int g = display < offset ? 0 : (display - offset) / present_scale;
    return g < size ? g : size - 1;
}

int game_x_of(int display_x)
{
    return to_game(display_x, present_x, SCREEN_WIDTH);
}

int game_y_of(int display_y)
{
    return to_game(display_y, present_y, SCREEN_HEIGHT);
}

int game_mouse_x(void)
{
    return game_x_of(mouse_x);
}

int game_mouse_y(void)
{
    return game_y_of(mouse_y);
}

void game_mouse_range(int x1, int y1, int x2, int y2)
{
    range_x1 = x1;
    range_y1 = y1;
    range_x2 = x2;
    range_y2 = y2;
    int s = present_scale;
    set_mouse_range(present_x + x1 * s, present_y + y1 * s, present_x + x2 * s + s - 1,
                    present_y + y2 * s + s - 1);
}

#define MENU_MOUSE_X1 20
#define MENU_MOUSE_Y1 20
#define MENU_MOUSE_X2 620
#define MENU_MOUSE_Y2 460

void set_menu_mouse_range(void)
{
    game_mouse_range(MENU_MOUSE_X1, MENU_MOUSE_Y1, MENU_MOUSE_X2, MENU_MOUSE_Y2);
}
