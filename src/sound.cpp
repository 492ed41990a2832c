// sound.cpp -- sound system set-up and the effect-playing rule.
#include "sound.h"

#include <stdio.h>
#include <stdlib.h>

#include "criterr.h"

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

int init_sound(void)
{
    if (install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, "") != 0) {
        allegro_message("Error initialising sound\n%s\n", allegro_error);
        exit(1);
    }
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
    SAMPLE **effects[] = {&s_shot, &s_bandit_shot, &s_bandit_cry, &s_reload};
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
