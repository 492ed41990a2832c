// sound_feed.cpp -- the sound driver fed from a thread of the game's own.
#include "sound_feed.h"

#include <allegro.h>
#include <allegro/platform/aintunix.h>
#include <pthread.h>
#include <signal.h>
#include <time.h>

// Allegro's background manager, to which everything but the sound driver's
// feed still goes; and the feed, with the count of callers that hold it off
// (Allegro's "disable interrupts"), as Allegro's own manager keeps them.
static bg_manager *allegro_bg = nullptr;
static bg_func feed = nullptr;
static int feed_held = 0;
static volatile int feed_on = 0;
static int feed_taking = 0;     // set while the sound is being installed
static pthread_t feed_thread;
static pthread_mutex_t feed_mutex = PTHREAD_MUTEX_INITIALIZER;
static pthread_cond_t feed_released = PTHREAD_COND_INITIALIZER;

static void *feed_loop(void *)
{
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);    // signals go to the game's own thread
    const timespec turn = {0, FEED_TURN_US * 1000L};
    while (feed_on) {
        pthread_mutex_lock(&feed_mutex);
        while (feed_held > 0 && feed_on)
            pthread_cond_wait(&feed_released, &feed_mutex);
        if (feed_on)
            feed(1);
        pthread_mutex_unlock(&feed_mutex);
        nanosleep(&turn, nullptr);
    }
    return nullptr;
}

static void hold_feed(void)
{
    allegro_bg->disable_interrupts();
    pthread_mutex_lock(&feed_mutex);
    feed_held++;
    pthread_mutex_unlock(&feed_mutex);
}

static void release_feed(void)
{
    pthread_mutex_lock(&feed_mutex);
    if (--feed_held == 0)
        pthread_cond_signal(&feed_released);
    pthread_mutex_unlock(&feed_mutex);
    allegro_bg->enable_interrupts();
}

static int feed_register(bg_func f)
{
    if (!feed_taking || feed)
        return allegro_bg->register_func(f);
    feed = f;
    feed_on = 1;
    if (pthread_create(&feed_thread, nullptr, feed_loop, nullptr) == 0)
        return 0;
    feed_on = 0;
    feed = nullptr;
    return allegro_bg->register_func(f);
}

static int feed_unregister(bg_func f)
{
    if (!feed || f != feed)
        return allegro_bg->unregister_func(f);
    pthread_mutex_lock(&feed_mutex);
    feed_on = 0;                // also when a caller holds the feed off
    pthread_cond_signal(&feed_released);
    pthread_mutex_unlock(&feed_mutex);
    pthread_join(feed_thread, nullptr);
    feed = nullptr;
    return 0;
}

static bg_manager feeding_bg;

int install_sound_fed(int digi, int midi)
{
    if (_unix_bg_man && _unix_bg_man != &feeding_bg) {
        allegro_bg = _unix_bg_man;
        feeding_bg = *allegro_bg;
        feeding_bg.register_func = feed_register;
        feeding_bg.unregister_func = feed_unregister;
        feeding_bg.enable_interrupts = release_feed;
        feeding_bg.disable_interrupts = hold_feed;
        _unix_bg_man = &feeding_bg;
    }
    feed_taking = 1;
    int result = install_sound(digi, midi, "");
    feed_taking = 0;
    return result;
}
