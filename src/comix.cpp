// comix.cpp -- the comic player (first cut: plays nothing yet).
#include "comix.h"

BITMAP *c_image[COMIX_SLOTS];
SAMPLE *c_sound[COMIX_SLOTS];
VIRTUAL_IMAGE_TYPE v_image[COMIX_SLOTS];
int scroll_tempo;
long scroll_tempo_old;
int scroll_x;
int scroll_y;

int comix_play(const char *) { return 0; }
int comix_play_file(const char *) { return 0; }
void c_cls(void) {}
void c_refresh(void) {}
void show_all(void) {}
void move_one(int) {}
void move_all(void) {}
void c_delay(int) {}
