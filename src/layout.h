// layout.h -- the street's layout and the game's rules, written once.
#ifndef LAYOUT_H
#define LAYOUT_H

#include "variable.h"

// ---------------------------------------------------------------- files
#define LEVEL_DIR "data/levels/"        // where the level script lives
#define LEVEL_SCRIPT "levels.txt"       // the one level script of the game
#define LEVEL_SCRIPT_PATH LEVEL_DIR LEVEL_SCRIPT // ... and its path from the game folder
#define DOOR_ANIM "dvere01.txt"         // the door leaf's animation
#define KOLT_ANIM "kolt01.txt"          // the revolver's animation, a slot per sector
#define CARTRIDGES_ANIM "naboje01.txt"  // the cartridge display, a slot per count

// ---------------------------------------------------------------- levels
#define FIRST_LEVEL 1                   // a new game starts here; a block without NEXT leads back here
#define SECRET_CHEAT_LEVEL 1000         // the quit dialog's code for the secret level loads this
#define DUEL_CHEAT_LEVEL 1001           // ... and its duel code this one
#define MODE_ORDINARY 0                 // level_mode of the door game
#define MODE_DUEL 1                     // level_mode of a duel in the open street

// ---------------------------------------------------------------- creatures
#define TYPE_TOWNSFOLK 0                // creature type that must not be shot
#define TYPE_BANDIT 1                   // a plain bandit (so is any type but these two)
#define TYPE_WITH_CHILD 2               // a bandit who gives way to his CHILD when shot
#define DECORATION_RESPAWNS 2           // decoration type that is whole again a while after a hit
#define TICK_HIDDEN 0                   // tick value: gun not drawn (a shot now is a foul)
#define TICK_DRAWS 1                    // tick value: gun drawn, a fair target
#define TICK_FIRES 2                    // tick value on which a bandit fires
#define POSE_HIT 3                      // creature animation slot shown just after a hit
#define POSE_FALLEN 4                   // ... and from FALLEN_FROM_TICK on
#define FALLEN_FROM_TICK 2              // the tick after a hit from which a creature lies fallen
#define POSE_INTACT 0                   // decoration animation slot while whole
#define POSE_DESTROYED 1                // ... and once shot
#define CHILD_ENTER_TICK 5              // a shot type-2 bandit gives way to his child at this tick
#define CHILD_START_TICK 3              // ... who goes on from this tick, so must have more ticks
#define DEAD_REMOVE_TICK 8              // a shot creature is removed at this tick
#define RETREAT_TICKS 3                 // after a lost life a creature goes back to end_tick - this
#define FIRST_FIRING_TICK 4             // no fair bandit fires while his door is still opening
#define DUEL_CREATURES 3                // a duel fills the three doors with creatures 0, 1 and 2
#define DUEL_LYING_TICK 7               // a fallen duelist stays at this tick

// ---------------------------------------------------------------- difficulty
#define DIFFICULTY_EASY 0               // reloads by itself when the cylinder is empty
#define DIFFICULTY_MEDIUM 1             // the right button fills the cylinder
#define DIFFICULTY_HARD 2               // the right button loads one cartridge

// ---------------------------------------------------------------- timings (ticks of cas)
#define SHOT_INTERVAL 20                // a shot needs cas > shot_last_time + this
#define SHOT_AFTER_RELOAD 32            // ... and cas > reload_last_time + this
#define RELOAD_INTERVAL 20              // a right-button reload needs cas > reload_last_time + this
#define DUEL_TIME 750                   // a duel level ends this long after it began
#define RETREAT_TIME 240                // length of the retreat after a lost life
#define FINISH_TIME 270                 // pause after the quota is met or the last life is lost
#define DECORATION_RESPAWN 40           // a respawning decoration is whole again after this
#define BANDIT_HOLE_TIME 100            // a bandit's hit mark shows while old_time + this >= cas

// ---------------------------------------------------------------- play
#define LEVEL_CHANGE_PAUSE 20           // pause before the finish comic
#define HOLE_LOWEST_Y 314               // shots below this line leave no hole in the background
#define HOLE_PICTURES 4                 // bullet-hole pictures, bhole[0..3]
#define HOLE_BLEND_ALPHA 190            // multiply blender strength of a bullet hole
#define SHOT_PAN_DIVISOR 20             // pan of the player's shot: mouse_x / 20 + 111
#define SHOT_PAN_BASE 111               // ... plus this
#define DOOR_PAN_STEP 50                // pan of a door's sounds: door * 50 + 77
#define DOOR_PAN_BASE 77                // ... plus this
#define DOOR_CHANCE_RANGE 1000          // refresh_door is in thousandths
#define BANDIT_HOLE_RANGE_X 550         // a bandit's hit mark: X = rand() % 550 - 50
#define BANDIT_HOLE_RANGE_Y 340         //                      Y = rand() % 340 - 50
#define BANDIT_HOLE_OFFSET 50           // ... less this on both axes
#define HITS_PER_LIFE 2                 // pocet_hitu above this costs a life
#define DECORATION_ZONE_MARGIN 8        // a decoration's zone reaches this far left and up
#define PLAY_MOUSE_X1 6                 // the aim is confined to a rectangle in play: its left
#define PLAY_MOUSE_Y1 8                 // top of the aim's rectangle
#define PLAY_MOUSE_X2 620               // right of the aim's rectangle
#define PLAY_MOUSE_Y2 340               // bottom of the aim's rectangle
#define AMMO_KEY_CARTRIDGES 6           // the N key adds this many spare cartridges per frame
#define NEW_GAME_LIVES 3                // lives at the start of a game (and stars of the status display)
#define READY_TIME 100                  // the street stands still this long under READY
#define TOWNSFOLK_MISS_RADIUS 3         // a shot this far from every opaque pixel of a townsperson misses him
#define GAME_OVER_COMIC "gameover.cmx"  // the comic after every game
#define DUEL_HESITATION_LAST_TICK 3     // a due tick up to here may be put off ...
#define DUEL_HESITATION_RANGE 100       // ... when rand() % 100 is below
#define DUEL_HESITATION_PERCENT 70      // ... this number

// ---------------------------------------------------------------- the doors
#define DOOR_LEAF_Y 83                  // top of every door leaf
#define DOOR_STEPS 4                    // door animation steps: 0 closed .. 3 open
#define DOOR_OPEN_STEP 3                // the step of a door standing open
#define DOOR_OPEN_AFTER_HIT 5           // a shot creature's door stands open up to this tick
#define SLOT_Y 107                      // creature anchor y (top-centre) in every door

// Door leaf x (top-left) of door 0, 1, 2.
inline constexpr int door_leaf_x[DOOR_COUNT] = {30, 251, 473};
// Creature anchor x (top-centre) of door 0, 1, 2.
inline constexpr int slot_x[DOOR_COUNT] = {96, 317, 539};

// A target zone; all bounds exclusive.
struct ZONE {
    int x1, y1, x2, y2;
};
// Where a shot hits the creature of a door.
inline constexpr ZONE creature_zone[DOOR_COUNT] = {
    {32, 128, 128, 315}, {252, 128, 350, 315}, {474, 128, 572, 315}};
// Where a shot hits the frame around a door (and leaves no hole).
inline constexpr ZONE door_frame_zone[DOOR_COUNT] = {
    {8, 85, 168, 323}, {229, 85, 389, 323}, {451, 85, 611, 323}};

// The middle of a zone, where the door's words stand and a fair shot aims.
inline constexpr int zone_centre_x(const ZONE &z) { return (z.x1 + z.x2) / 2; }
inline constexpr int zone_centre_y(const ZONE &z) { return (z.y1 + z.y2) / 2; }

// ---------------------------------------------------------------- the revolver
// x of the revolver in each aiming sector, left to right.
inline constexpr int kolt_sector_x[KOLT_SECTORS] = {150, 205, 260, 320, 380, 435, 490};
#define MIDDLE_SECTOR 3                 // the revolver's sector at the start
#define KOLT_SECTOR_WIDTH 90            // the aim's x / this is the sector
#define KOLT_SWAY_DIVISOR 1.4           // the revolver sways with the aim within its sector
#define CYLINDER_SIZE 6                 // cartridges the revolver holds
#define CARTRIDGE_COUNTS_SHOWN CYLINDER_SIZE // the cartridge display has pictures for 0..6 bullets
#define CARTRIDGE_SLOTS (CARTRIDGE_COUNTS_SHOWN + 1) // ... one slot each

// ---------------------------------------------------------------- the status display
#define STAR_W 80                       // a life's star: its width
#define STAR_H 78                       // ... and its height
#define STAR_RIGHT_X 560                // the first star's left; the others stand left of it
#define STAR_STEP 40                    // from one star to the next, leftwards
#define PORTRAIT_X 0                    // the player's portrait (or the life cheat's): its left
#define PORTRAIT_Y 376                  // ... its top
#define PORTRAIT_W 113                  // ... its width
#define PORTRAIT_H 104                  // ... its height
#define CIVIL_MARK_X 460                // the civilian cheat's mark: its left
#define CIVIL_MARK_Y 434                // ... its top
#define CIVIL_MARK_W 40                 // ... its width
#define CIVIL_MARK_H 46                 // ... its height
#define HIT_MARK_SIZE 160               // a bandit's hit mark on the screen
#define KILL_BAR_TOP 116                // the kill bar stands below the lives' stars (up to y 77)
#define KILL_BAR_BOTTOM 450             // the kill bar ends here; it starts lower the more kills are made
#define KILL_BAR_LENGTH (KILL_BAR_BOTTOM - KILL_BAR_TOP) // the kill bar's whole length
#define KILL_BAR_X 633                  // left of the kill bar's four columns
#define KILL_LABEL_X 620                // the kill bar's label: its left
#define KILL_LABEL_Y 82                 // ... its top
#define KILL_LABEL_W 20                 // ... its width
#define KILL_LABEL_H 26                 // ... its height
#define LEVEL_TEXT_X 10                 // the status line: the word LEVEL
#define LEVEL_NUM_X 65                  // the level number
#define STATUS_TEXT_Y 10                // top of the words LEVEL and SCORE
#define STATUS_NUM_Y 5                  // top of the numbers
#define SCORE_TEXT_MIN_X 110            // a level number of four digits or more pushes SCORE right
#define SCORE_TEXT_GAP 10               // room between the level number and SCORE
#define SCORE_NUM_DX 55                 // the score stands this far right of SCORE
#define STATUS_LINE_RIGHT 280           // the status line stays left of this ...
#define STATUS_LINE_BOTTOM 34           // ... and above this
#define CARTRIDGES_X 560                // the cartridge display's anchor (bottom-centre): its x
#define CARTRIDGES_Y 460                // ... its bottom
#define CARTRIDGES_SIZE 96              // ... and the square it fills above its anchor

#endif
