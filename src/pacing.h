// pacing.h -- frame pacing and the frame statistics: 60 frames a second, and what DEADEYE_FRAME_STATS reports.
#ifndef PACING_H
#define PACING_H

#include <stdio.h>

// Every screen calls frame_wait() right after it has copied its frame to the
// screen (present() does).  It hands the picture to the display at once,
// then sleeps until the next 1/60 s boundary and takes in the input that
// came meanwhile, so that the frame that follows reads its input, composes
// and presents without a wait in between: every screen presents at a steady
// 60 frames a second, a press shows in the first frame after it.  It also
// counts frames for the statistics below and handles a pending close request
// (see check_close).
void frame_wait(void);
// Microseconds left before the next frame is due to be presented (negative
// when it is late): work that keeps the picture standing -- reading files
// ahead -- presents it again when this runs short.
long frame_time_left_us(void);

// ---------------------------------------------------------------- statistics
// The frames of the whole run, and the time from each press that a frame
// took (see frame_stats_press) to the end of that frame's copy.
void frame_stats_reset(void);
// The frame being composed took a press that went down at `press_us` (a
// reading of the game's time source).
void frame_stats_press(unsigned long press_us);
// Writes "frames N fps F max_interval_ms M" (frames after the first second
// of the run) and "clicks N click_to_blit_ms p50 A p95 B max C
// click_to_read_ms p50 A p95 B max C" (to the frame that read the press) to
// `path`; returns 0 on success.
int frame_stats_write(const char *path);

// Every screen that ran, by name: "screen NAME frames N max_interval_ms M",
// counted from its second frame, and every change of screen, from the last
// frame of one to the first of the next: "change FROM>TO count N
// max_interval_ms M" (frames outside any screen, as the loading picture,
// count as the screen "outside").  Screens nest (the dialog over the game);
// a nested screen's time is not counted as an interval of the screen under it.
void screen_begin(const char *name);
void screen_end(void);
int screen_stats_write(FILE *out);

// With DEADEYE_FRAME_STATS set: both reports to the file it names (on the
// way out of the program, whichever way it goes).
void frame_stats_save(void);

#endif
