// Comic scripts (data/comix/), inclusion too: comix_play runs the script on
// a small memory stage with a clock that moves only when the player sleeps,
// forty times as fast as asked (the stage still moves tick by tick, only fewer
// frames are drawn), and a bounded amount of comic time, after which the
// window's close button is pressed (so pauses and long delays end).  The input is also on disk as
// "fuzz2.cmx", for scripts that include it.
#include <allegro.h>
#include <string.h>

#include "close_focus.h"
#include "comix.h"
#include "fuzz_common.h"
#include "sound.h"
#include "variable.h"

#define COMIC_TIME_LIMIT_US 60000000UL     // a minute of comic time
#define TIME_LAPSE 40
#define STAGE_W 80                          // an eighth of the screen each way:
#define STAGE_H 60                          // drawing is clipped all the same

static unsigned long limit_us = 0;

static void stop_at_limit(void)
{
    if (fake_clock::now() > limit_us)
        close_requested = 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz_init();
    static bool ready = false;
    if (!ready) {
        ready = true;
        game_screen = create_bitmap(STAGE_W, STAGE_H);
        fake_clock::install(0, TIME_LAPSE, stop_at_limit);
        sound_volume = 100;
    }
    fuzz_write("data/comix/fuzz.cmx", data, size);
    fuzz_write("data/comix/fuzz2.cmx", data, size);
    memset(v_image, 0, sizeof v_image);
    close_requested = 0;
    close_handler = nullptr;
    limit_us = fake_clock::now() + COMIC_TIME_LIMIT_US;
    fuzz_run([] { comix_play("fuzz.cmx"); });
    close_requested = 0;
    for (int i = 0; i < COMIX_SLOTS; i++) {     // what a refused script left loaded
        if (c_image[i])
            destroy_bitmap(c_image[i]);
        if (c_sound[i])
            destroy_sample(c_sound[i]);
        c_image[i] = nullptr;
        c_sound[i] = nullptr;
    }
    return 0;
}
