// topten.cpp -- top.txt: the ten best scores and their names, read and written.
#include "topten.h"

#include <ctype.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include "reader.h"

static void empty_row(TOPTEN_TABLE *t, int r)
{
    t->score[r] = 0;
    snprintf(t->name[r], TOPTEN_NAME_SIZE, "%s", TOPTEN_EMPTY_NAME);
}

// Reads a row at `p`: optional blanks, a score ("-" and digits that fit an
// int), blanks, then 1 to 19 capitals and spaces ending the line.  Rows of
// the old form, where a 19-character name is followed at once by the next
// row's score, read as two rows.  Returns where the next row starts, or
// nullptr when the row does not fit (p then skips to the next line).
static const char *parse_row(const char *p, int *score, char *name)
{
    while (reader_line_blank(*p))
        p++;
    int v;
    p = scan_int_text(p, &v);
    if (!p)
        return nullptr;
    while (reader_line_blank(*p))
        p++;
    int n = 0;
    while (n < TOPTEN_NAME_SIZE - 1 && ((*p >= 'A' && *p <= 'Z') || *p == ' '))
        name[n++] = *p++;
    name[n] = '\0';
    if (*p == '\r')
        p++;
    int line_ends = *p == '\n' || *p == '\0';
    int old_form = n == TOPTEN_NAME_SIZE - 1 && (*p == '-' || isdigit((unsigned char)*p));
    if (n == 0 || !(line_ends || old_form))
        return nullptr;
    *score = v;
    return *p == '\n' ? p + 1 : p;
}

#define TOPTEN_FILE_MAX 65536   // a table file is a few hundred bytes

int topten_read(const char *path, TOPTEN_TABLE *t)
{
    int rows = 0;
    static char text[TOPTEN_FILE_MAX + 1];
    size_t size = 0;
    FILE *f = fopen(path, "rb");
    if (f) {
        size = fread(text, 1, TOPTEN_FILE_MAX, f);
        fclose(f);
    }
    text[size] = '\0';
    const char *p = text;
    while (*p && rows < TOPTEN_ROWS) {
        char name[TOPTEN_NAME_SIZE];
        int score;
        const char *next = parse_row(p, &score, name);
        if (next) {
            t->score[rows] = score;
            memcpy(t->name[rows], name, TOPTEN_NAME_SIZE);
            rows++;
            p = next;
        } else {
            const char *eol = strchr(p, '\n');
            p = eol ? eol + 1 : p + strlen(p);
        }
    }
    for (int r = rows; r < TOPTEN_ROWS; r++)
        empty_row(t, r);
    return rows;
}

int topten_place(const TOPTEN_TABLE *t, int score)
{
    for (int i = 0; i < TOPTEN_ROWS; i++)
        if (t->score[i] < score)
            return i;
    return -1;
}

void topten_insert(TOPTEN_TABLE *t, int place, int score, const char *name)
{
    if (place < 0 || place >= TOPTEN_ROWS)
        return;
    for (int j = TOPTEN_ROWS - 2; j >= place; j--) {
        t->score[j + 1] = t->score[j];
        memcpy(t->name[j + 1], t->name[j], TOPTEN_NAME_SIZE);
    }
    t->score[place] = score;
    int blank = 1;
    for (const char *c = name; *c; c++)
        if (*c != ' ')
            blank = 0;
    snprintf(t->name[place], TOPTEN_NAME_SIZE, "%s", blank ? TOPTEN_EMPTY_NAME : name);
}

int topten_write(const char *path, const TOPTEN_TABLE *t)
{
    char temp[512];
    if (snprintf(temp, sizeof temp, "%s.new", path) >= (int)sizeof temp)
        return -1;
    FILE *f = fopen(temp, "w");
    if (!f)
        return -1;
    int ok = 1;
    for (int r = 0; r < TOPTEN_ROWS && ok; r++)
        ok = fprintf(f, "%d\t%s\n", t->score[r], t->name[r]) > 0;
    ok = ok && fflush(f) == 0 && fsync(fileno(f)) == 0;
    ok = (fclose(f) == 0) && ok;
    if (!ok || rename(temp, path) != 0) {
        remove(temp);
        return -1;
    }
    return 0;
}
