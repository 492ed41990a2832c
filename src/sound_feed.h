// sound_feed.h -- the sound driver fed from a thread of the game's own.
//
// Allegro's digital sound drivers on Unix hand the mixed sound over in a
// function called by Allegro's background thread, one period per 10 ms turn.
// That thread also takes the window's input under the X lock and waits for
// the X server there, so at a change of screen or at start-up a turn can come
// 30 ms or more late and a short buffer runs dry.  Installed through this
// call, the driver's function runs instead in a thread that does nothing
// else, a turn every FEED_TURN_US, so a buffer of a few short periods is
// refilled as soon as a period has been played.
#ifndef SOUND_FEED_H
#define SOUND_FEED_H

#define FEED_TURN_US 2000       // a turn of the feeding thread, well under a period

// install_sound(digi, midi, "") with the driver's feed on the game's
// own thread; the thread stops when the driver is removed.  Returns what
// install_sound returned.
int install_sound_fed(int digi, int midi);

#endif
