// topten.h -- top.txt: the ten best scores and their names, read and written.
#ifndef TOPTEN_H
#define TOPTEN_H

#define TOPTEN_FILE "top.txt"
#define TOPTEN_ROWS 10
#define TOPTEN_NAME_SIZE 20     // 19 characters and the terminator
#define TOPTEN_EMPTY_NAME "NOBODY"
struct TOPTEN_TABLE {
    int score[TOPTEN_ROWS];
    char name[TOPTEN_ROWS][TOPTEN_NAME_SIZE];
};
// Reads the rows of `path` that fit the table's form, in order, and fills
// the rest with empty rows (score 0, "NOBODY").  Returns the rows read.
int topten_read(const char *path, TOPTEN_TABLE *t);
// The row a score takes (below equal scores), or -1 when it earns none.
int topten_place(const TOPTEN_TABLE *t, int score);
// Shifts the rows from `place` down and puts the score there; a name of
// spaces only, or an empty one, becomes "NOBODY".
void topten_insert(TOPTEN_TABLE *t, int place, int score, const char *name);
// Writes the table beside `path`, flushes it to disk and renames it over
// `path`, so `path` is always the old table or the new one.  0, or -1 when
// the table could not be written (the old file is then untouched).
int topten_write(const char *path, const TOPTEN_TABLE *t);

#endif
