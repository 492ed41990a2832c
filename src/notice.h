// notice.h -- what the game tells the player in play: the reload hint after
// a click on an empty cylinder, the word over a door that says why a shot
// cost a life, and the level's tally while the game pauses after its quota.
// None of it changes a rule of the game.
#ifndef NOTICE_H
#define NOTICE_H

#define NOTICE_HINT_TIME 100        // the hint shows at full strength this long...
#define NOTICE_HINT_FADE 50         // ...then fades out over this long
#define NOTICE_HINT_RELOADS 3       // after this many reloads by hand it shows no more
#define NOTICE_FOUL_TIME 100        // a foul's word stays this long over its door

// The level's tally, shown on the summary panel.
struct LEVEL_TALLY {
    int shots;              // cartridges fired
    int bandit_hits;        // bandits hit, fair or too early
    int townsfolk_hit;
};
extern LEVEL_TALLY tally;
extern int hand_reloads;    // reloads by hand in this run

int notice_init(void);      // loads the plates and the dry click; a missing one is fatal
int notice_destroy(void);
void notice_level_start(void);      // a new level: tally and notices cleared

void notice_shot(void);
void notice_hit(int door, int civilian, int fair);  // a creature hit in `door`
void notice_empty_click(void);      // the left button on an empty cylinder
void notice_hand_reload(void);

// What shows now: 0 none; the hint's strength 1..255; the foul word over a door.
int notice_hint_alpha(void);
const char *notice_foul_word(int door);
int accuracy_percent(int shots, int hits);

// Draws the notices that show now into game_screen; the summary while the
// pause after the quota runs.
void notice_draw(void);

#endif
