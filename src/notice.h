// notice.h -- what the game tells the player in play: the reload hint after
// a click on an empty cylinder, the word over a door that says why a shot
// cost a life, READY while the street stands still, a puff of dust where a
// shot left no mark, and the level's tally while the game pauses after its
// quota.  None of it changes a rule of the game.
#ifndef NOTICE_H
#define NOTICE_H

#define NOTICE_HINT_TIME 100        // the hint shows at full strength this long...
#define NOTICE_HINT_FADE 50         // ...then fades out over this long
#define NOTICE_HINT_RELOADS 3       // after this many reloads by hand it shows no more
#define NOTICE_FOUL_TIME 100        // a foul's word stays this long over its door
#define NOTICE_PUFF_TIME 30         // a miss's puff of dust shows this long
#define NOTICE_PUFF_STEPS 3         // ... in this many pictures, one after another

// Why a shot at a creature cost a life.
enum FOUL_KIND {
    FOUL_NONE,          // a fair kill
    FOUL_EARLY,         // a bandit who had not drawn yet
    FOUL_LATE,          // a bandit who had put his gun away again
    FOUL_TOWNSFOLK,     // a townsperson
};

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
void notice_hit(int door, int civilian, int foul);  // a creature hit in `door`, foul a FOUL_KIND
void notice_empty_click(void);      // the left button on an empty cylinder
void notice_hand_reload(void);
void notice_miss(int x, int y);     // a shot that left no mark at (x, y)
void notice_ready(int shown);       // READY over the street while it stands still

// What shows now: 0 none; the hint's strength 1..255; the foul word over a door.
int notice_hint_alpha(void);
const char *notice_foul_word(int door);
int notice_puff_step(void);         // the puff's picture now, 0..NOTICE_PUFF_STEPS-1; -1 none
int accuracy_percent(int shots, int hits);

// Draws the notices that show now into game_screen; the summary while the
// pause after the quota runs.
void notice_draw(void);

#endif
