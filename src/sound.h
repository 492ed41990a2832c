// sound.h -- the sound system, the whole-run effects and the volume settings.
//
// Every effect of the game is played through play_effect(): only while
// sound_volume is not 0, at sound_volume / 100 x 200 (truncated), frequency
// 1000, no loop, and never through a null handle.
#ifndef SOUND_H
#define SOUND_H

#include <allegro.h>

#define EFFECT_VOLUME_MAX 200   // Allegro volume of an effect at sound_volume 100
#define PAN_CENTRE 127

extern int music_on;            // MUSIC_ON of setup.cfg
extern SAMPLE *s_music;         // title music, loaded once for the run, released with the effects
extern int music_volume;        // 0..100, 50 at start
extern int sound_volume;        // 0..100, 70 at start; 0 silences every effect
extern SAMPLE *s_shot;          // the player's revolver
extern SAMPLE *s_reload;        // a cartridge going in
extern SAMPLE *s_bandit_shot;   // loaded and released with the others
extern SAMPLE *s_bandit_cry;    // loaded and released with the others

// Installs the sound system (its buffer short enough for a shot to be heard
// with its picture) and loads the four effects; a missing effect
// ends the program through critical_error.  Returns 0.
int init_sound(void);
int destroy_sound(void);

// The volume an effect is played at now: sound_volume / 100 x 200, truncated.
int effect_volume(void);
// Plays `sample` by the effect rule; does nothing for a null sample or while
// sound_volume is 0.  Returns the voice or -1.
int play_effect(SAMPLE *sample, int pan);

#endif
