// sound.cpp -- sound system set-up and the effect-playing rule.
#include "sound.h"

#include <stdio.h>

#include "criterr.h"
#include "sound_feed.h"

int music_on = 0;
SAMPLE *s_music = nullptr;
int music_volume = 0;
int sound_volume = 0;
SAMPLE *s_shot = nullptr;
SAMPLE *s_reload = nullptr;
SAMPLE *s_bandit_shot = nullptr;
SAMPLE *s_bandit_cry = nullptr;

#define DEFAULT_MUSIC_VOLUME 50
#define DEFAULT_SOUND_VOLUME 70

static SAMPLE *load_effect(const char *path)
{
    SAMPLE *sample = load_sample(path);
    if (!sample)
        critical_error("Unable to open file %s", path);
    return sample;
}

// The effects go through Allegro's ALSA driver, which hands the sound over
// one period at each turn of its feed (sound_feed.h: every 2 ms or a little
// more).  The whole buffer is what a shot waits before it is heard, and the
// sound server keeps at least three periods of a stream (its own latency of
// one period and two more): four periods of 272 frames are 24.7 ms at
// 44100 Hz, at the driver and at the server alike.
#define ALSA_PERIOD_FRAMES 272
#define ALSA_PERIODS 4

// Allegro reads its ALSA settings from the [sound] section of its
// configuration when the sound is installed; an override leaves a player's
// own allegro.cfg as it stands.
static void alsa_settings(void)
{
    static char settings[96];
    int n = snprintf(settings, sizeof settings, "[sound]\nalsa_fragsize = %d\nalsa_numfrags = %d\n",
                     ALSA_PERIOD_FRAMES, ALSA_PERIODS);
    if (n > 0 && n < (int)sizeof settings)
        override_config_data(settings, n);
}

int init_sound(void)
{
    alsa_settings();
    if (install_sound_fed(DIGI_AUTODETECT, MIDI_AUTODETECT) != 0)
        critical_error("Error initialising sound\n%s", allegro_error);
    s_shot = load_effect("data/sound/colt.wav");
    s_bandit_shot = load_effect("data/sound/b_colt.wav");
    s_bandit_cry = load_effect("data/sound/dead01.wav");
    s_reload = load_effect("data/sound/reload.wav");
    music_volume = DEFAULT_MUSIC_VOLUME;
    sound_volume = DEFAULT_SOUND_VOLUME;
    return 0;
}

int destroy_sound(void)
{
    SAMPLE **effects[] = {&s_shot, &s_bandit_shot, &s_bandit_cry, &s_reload, &s_music};
    for (SAMPLE **effect : effects) {
        if (*effect)
            destroy_sample(*effect);
        *effect = nullptr;
    }
    return 0;
}

int effect_volume(void)
{
    return (int)(sound_volume / 100.0 * EFFECT_VOLUME_MAX);
}

int play_effect(SAMPLE *sample, int pan)
{
    if (!sample || sound_volume == 0)
        return -1;
    return play_sample(sample, effect_volume(), pan, 1000, 0);
}
