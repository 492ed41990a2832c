// Presentation benchmark: the cost of putting one frame on the display at
// scales 1 to 4 -- the copy of the composed picture, the pointer drawn on
// it, and the copy (scale 1) or whole-pixel stretch (2 to 4) to a display
// bitmap of the window's size -- at 32 bits per pixel, into memory bitmaps
// (the X server's own copy to the window is not included).  Only the rows
// that changed are sent, so three cases per scale: the same frame again, the
// pointer moved, and a picture that changed from top to bottom.  Prints the
// median and the 99th percentile per frame.
#include <allegro.h>
#include <stdio.h>
#include <time.h>

#include <algorithm>
#include <vector>

#include "headless.h"
#include "present.h"
#include "variable.h"

#define FRAMES 1000


static int measure(int, char **)
{
    fake_clock::install_real_time();    // pacing never waits here
    game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    for (int y = 0; y < SCREEN_HEIGHT; y++)
        hline(game_screen, 0, y, SCREEN_WIDTH - 1, makecol(y % 256, (y * 3) % 256, 90));
    BITMAP *sight = create_bitmap(64, 64);
    clear_to_color(sight, bitmap_mask_color(sight));
    circlefill(sight, 32, 32, 20, makecol(250, 250, 250));
    static const char *const cases[] = {"same frame", "pointer moved", "all rows changed"};
    for (int scale = 1; scale <= MAX_SCALE; scale++) {
        BITMAP *display = create_bitmap(SCREEN_WIDTH * scale, SCREEN_HEIGHT * scale);
        screen = display;
        present_init(scale);
        set_pointer(sight);
        pointer_show(1);
        for (int c = 0; c < 3; c++) {
            std::vector<double> t;
            for (int i = 0; i < FRAMES; i++) {
                if (c == 2) {
                    putpixel(game_screen, 0, 0, makecol(i % 256, 0, 0));
                    putpixel(game_screen, 0, SCREEN_HEIGHT - 1, makecol(i % 256, 0, 0));
                }
                mouse_x = 100 + (c == 1 ? i % 400 : 0);
                mouse_y = 100 + (c == 1 ? (i * 7) % 300 : 0);
                double a = now_ms();
                present();
                t.push_back(now_ms() - a);
            }
            std::sort(t.begin(), t.end());
            printf("scale %d (%dx%d), %s: median %.3f ms, p99 %.3f ms per frame\n", scale,
                   SCREEN_WIDTH * scale, SCREEN_HEIGHT * scale, cases[c], t[t.size() / 2],
                   t[t.size() * 99 / 100]);
        }
        present_exit();
        screen = nullptr;
        destroy_bitmap(display);
    }
    destroy_bitmap(sight);
    destroy_bitmap(game_screen);
    return 0;
}

int main(int argc, char **argv)
{
    return headless_main("present_bench", measure, argc, argv);
}
