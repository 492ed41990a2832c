// Comic stage benchmark: composes a busy frame (twenty visible images over a
// full-screen backdrop, some scaled, some translucent, all with transparent
// parts) at 32 bits per pixel into a memory back buffer, many times, and
// prints the median and the slowest time per frame.  Presenting to the
// screen is left out (there is none), and frame pacing is switched off.
#include <allegro.h>
#include <stdio.h>
#include <time.h>

#include <algorithm>
#include <vector>

#include "comix.h"
#include "headless.h"
#include "variable.h"

#define FRAMES 600
#define TARGET_MS 2.0


// A w x h picture with a coloured body, stripes and a transparent border.
static BITMAP *make_picture(int w, int h, int seed)
{
    BITMAP *b = create_bitmap(w, h);
    clear_to_color(b, bitmap_mask_color(b));
    rectfill(b, w / 8, h / 8, w - w / 8, h - h / 8, makecol(60 + seed * 9, 120, 200 - seed * 7));
    for (int y = h / 8; y < h - h / 8; y += 6)
        hline(b, w / 8, y, w - w / 8, makecol(20, 10, 5));
    return b;
}

static double run(const char *what)
{
    std::vector<double> times;
    for (int i = 0; i < FRAMES; i++) {
        double t0 = now_ms();
        show_all();
        times.push_back(now_ms() - t0);
        cas++;
        move_all();
    }
    std::sort(times.begin(), times.end());
    double median = times[times.size() / 2];
    printf("%-44s median %.3f ms  p95 %.3f ms  max %.3f ms\n", what, median,
           times[times.size() * 95 / 100], times.back());
    return median;
}

static int measure(int, char **)
{
    fake_clock::install_real_time();    // pacing never waits here
    game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);

    // Slot 0: a full-screen backdrop; slots 1..19: figures of several sizes.
    c_image[0] = create_bitmap(SCREEN_WIDTH * 2, SCREEN_HEIGHT);
    clear_to_color(c_image[0], makecol(200, 170, 120));
    for (int i = 1; i < COMIX_SLOTS; i++)
        c_image[i] = make_picture(80 + (i % 5) * 40, 60 + (i % 4) * 40, i);

    VIRTUAL_IMAGE_TYPE &back = v_image[0];
    back = VIRTUAL_IMAGE_TYPE();
    back.width = SCREEN_WIDTH;
    back.height = SCREEN_HEIGHT;
    back.visible = 1;
    back.tempo = 1;
    for (int i = 1; i < COMIX_SLOTS; i++) {
        VIRTUAL_IMAGE_TYPE &v = v_image[i];
        v = VIRTUAL_IMAGE_TYPE();
        v.image = i;
        v.width = c_image[i]->w;
        v.height = c_image[i]->h;
        v.X = v.new_X = (i * 97) % 500;
        v.Y = v.new_Y = (i * 53) % 380;
        v.visible = 1;
        v.tempo = 1;
        v.anim_pingpong = 1;
    }
    double plain = run("20 images, all opaque and unscaled");

    for (int i = 1; i < COMIX_SLOTS; i++) {
        VIRTUAL_IMAGE_TYPE &v = v_image[i];
        if (i % 4 == 1) {           // five translucent
            v.fade = 100 + i;
        } else if (i % 4 == 2) {    // five scaled, growing and shrinking
            v.re_width = 5000 + i * 300;
            v.re_height = 14000 - i * 200;
        }
        v.new_X = v.X + 200;        // and everything moving
        v.param1 = 1;
    }
    scroll_tempo = 10;
    scroll_x = -1;
    scroll_tempo_old = cas;
    double mixed = run("20 images, 5 translucent, 5 scaled, moving");

    printf("comic frame at 32 bpp: median %.3f ms (target <= %.1f ms): %s\n", std::max(plain, mixed),
           TARGET_MS, std::max(plain, mixed) <= TARGET_MS ? "ok" : "over");
    for (int i = 0; i < COMIX_SLOTS; i++) {
        destroy_bitmap(c_image[i]);
        c_image[i] = nullptr;
    }
    destroy_bitmap(game_screen);
    return 0;
}

int main(int argc, char **argv)
{
    return headless_main("comix_bench", measure, argc, argv);
}
