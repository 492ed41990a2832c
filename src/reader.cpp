// reader.cpp -- the one tokenizer of the game's data files.
#include "reader.h"

#include <limits.h>
#include <string.h>

#include "criterr.h"

int reader_blank(int c)
{
    return c != '\0' && c != EOF && strchr(READER_BLANKS, c) != nullptr;
}

int reader_line_blank(int c) { return c != '\n' && reader_blank(c); }

void make_path(char *out, size_t size, const char *dir, const char *name)
{
    int n = snprintf(out, size, "%s%s", dir, name);
    if (n < 0 || (size_t)n >= size)
        critical_error("File name too long (at most %d characters): %s%s",
                       (int)(size - 1), dir, name);
}

// ---------------------------------------------------------------- numbers

int scan_number(FILE *file, long long *out)
{
    int c;
    do {
        c = fgetc(file);
    } while (reader_blank(c));
    int negative = 0;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = fgetc(file);
    }
    if (c < '0' || c > '9') {
        if (c != EOF)
            ungetc(c, file);
        return 0;
    }
    long long value = 0;
    for (; c >= '0' && c <= '9'; c = fgetc(file))
        if (value < SCAN_NUMBER_LIMIT)
            value = value * 10 + (c - '0');
    if (c != EOF)
        ungetc(c, file);
    if (value > SCAN_NUMBER_LIMIT)
        value = SCAN_NUMBER_LIMIT;
    *out = negative ? -value : value;
    return 1;
}

const char *beyond_word(long long value)
{
    return value >= SCAN_NUMBER_LIMIT || value <= -SCAN_NUMBER_LIMIT ? "beyond " : "";
}

static long long read_number(FILE *file, const char *path, const char *what)
{
    long long value = 0;
    if (!scan_number(file, &value)) {
        if (feof(file) || ferror(file))
            critical_error("Broken file %s: it ends before %s", path, what);
        critical_error("Broken file %s: %s is not a number", path, what);
    }
    return value;
}

int read_int(FILE *file, const char *path, const char *what)
{
    long long value = read_number(file, path, what);
    if (value < INT_MIN || value > INT_MAX)
        critical_error("Broken file %s: %s is %s%lld, too large a number", path, what,
                       beyond_word(value), value);
    return (int)value;
}

int read_int_range(FILE *file, const char *path, const char *what, int low, int high)
{
    long long value = read_number(file, path, what);
    if (value < low || value > high)
        critical_error("Broken file %s: %s is %s%lld, not %d to %d", path, what, beyond_word(value),
                       value, low, high);
    return (int)value;
}

const char *scan_int_text(const char *p, int *out)
{
    int negative = *p == '-';
    if (negative)
        p++;
    if (*p < '0' || *p > '9')
        return nullptr;
    long long v = 0;
    for (; *p >= '0' && *p <= '9'; p++) {
        v = v * 10 + (*p - '0');
        if (v > (long long)INT_MAX + 1)
            return nullptr;
    }
    v = negative ? -v : v;
    if (v > INT_MAX || v < INT_MIN)
        return nullptr;
    *out = (int)v;
    return p;
}

// ---------------------------------------------------------------- words

size_t scan_word(FILE *file, char *out, size_t size) { return scan_word_line(file, out, size, nullptr); }

size_t scan_word_line(FILE *file, char *out, size_t size, int *line)
{
    int c;
    do {
        c = fgetc(file);
        if (c == '\n' && line)
            ++*line;
    } while (reader_blank(c));
    size_t len = 0;
    while (c != EOF && !reader_blank(c)) {
        if (len + 1 < size)
            out[len] = (char)c;
        len++;
        c = fgetc(file);
    }
    if (c != EOF)
        ungetc(c, file);
    out[len + 1 < size ? len : size - 1] = '\0';
    return len;
}

int read_token(FILE *file, char *out, size_t size, const char *path)
{
    size_t len = scan_word(file, out, size);
    if (len >= size)
        critical_error("Broken file %s: the word %s... is longer than %d characters", path, out,
                       (int)(size - 1));
    return len > 0;
}

void read_word(FILE *file, char *out, size_t size, const char *path, const char *what)
{
    size_t len = scan_word(file, out, size);
    if (len == 0)
        critical_error("Broken file %s: it ends before %s", path, what);
    if (len >= size)
        critical_error("Broken file %s: %s is longer than %d characters", path, what,
                       (int)(size - 1));
}

void expect_keyword(FILE *file, const char *path, const char *keyword)
{
    char word[64];
    if (scan_word(file, word, sizeof word) == 0)
        critical_error("Broken file %s: it ends before %s", path, keyword);
    if (strcmp(word, keyword) != 0)
        critical_error("Broken file %s: expected %s, found %s", path, keyword, word);
}

int read_literal(FILE *file, const char *key)
{
    for (const char *k = key; *k; k++) {
        int c = fgetc(file);
        if (c != (unsigned char)*k) {
            if (c != EOF)
                ungetc(c, file);
            return 0;
        }
    }
    return 1;
}

void skip_blanks(FILE *file)
{
    int c;
    do {
        c = fgetc(file);
    } while (reader_blank(c));
    if (c != EOF)
        ungetc(c, file);
}

// ---------------------------------------------------------------- comics

enum { NAME_NONE, NAME_AFTER_SLOT, NAME_ONLY };

struct COMIC_GRAMMAR {
    const char *word;
    int numbers;        // at the most
    int name;           // NAME_*
    int slots;
};

// Slots: bit n set where the command's number n is a slot or an image.
static const COMIC_GRAMMAR comic_grammar[COMIC_CMD_COUNT] = {
    {"image", 1, NAME_AFTER_SLOT, 1},   {"destroy", 1, NAME_NONE, 1},
    {"delay", 1, NAME_NONE, 0},         {"cls", 0, NAME_NONE, 0},
    {"virtual", 6, NAME_NONE, 3},       {"vis_on", 1, NAME_NONE, 1},
    {"vis_off", 1, NAME_NONE, 1},       {"move", 6, NAME_NONE, 1},
    {"setxy", 3, NAME_NONE, 1},         {"fade", 3, NAME_NONE, 1},
    {"setreal", 3, NAME_NONE, 1},       {"movereal", 3, NAME_NONE, 1},
    {"getXY", 2, NAME_NONE, 3},         {"resize", 5, NAME_NONE, 1},
    {"resize_rel", 5, NAME_NONE, 1},    {"resize_stop", 1, NAME_NONE, 1},
    {"quit", 0, NAME_NONE, 0},          {"scroll", 3, NAME_NONE, 0},
    {"scroll_off", 0, NAME_NONE, 0},    {"anime", 3, NAME_NONE, 1},
    {"anime_type", 2, NAME_NONE, 1},    {"sound", 1, NAME_AFTER_SLOT, 1},
    {"destroy_sound", 1, NAME_NONE, 1}, {"play_sound", 3, NAME_NONE, 1},
    {"repeat_sound", 3, NAME_NONE, 1},  {"stop_sound", 1, NAME_NONE, 1},
    {"pause", 0, NAME_NONE, 0},         {"include", 0, NAME_ONLY, 0},
};

const char *comic_cmd_word(int cmd)
{
    return cmd >= 0 && cmd < COMIC_CMD_COUNT ? comic_grammar[cmd].word : "";
}

int comic_cmd_numbers(int cmd)
{
    return cmd >= 0 && cmd < COMIC_CMD_COUNT ? comic_grammar[cmd].numbers : 0;
}

int comic_cmd_slot(int cmd, int n)
{
    return cmd >= 0 && cmd < COMIC_CMD_COUNT && n >= 0 && n < COMIC_MAX_ARGS &&
           (comic_grammar[cmd].slots >> n & 1);
}

int comic_cmd_name(int cmd)
{
    return cmd >= 0 && cmd < COMIC_CMD_COUNT && comic_grammar[cmd].name != NAME_NONE;
}

void comic_open(COMIC_SCRIPT *s, const char *name, int nested)
{
    make_path(s->path, sizeof s->path, COMIC_DIR, name ? name : "");
    s->nested = nested;
    s->lenient = 0;
    s->file = fopen(s->path, "r");
    if (!s->file)
        critical_error("Unable to open file %s", s->path);
}

void comic_close(COMIC_SCRIPT *s)
{
    if (s->file)
        fclose(s->file);
    s->file = nullptr;
}

// Reads up to `n` numbers; stops at the first that is missing or no number.
static int comic_numbers(COMIC_SCRIPT *s, const char *command, int *out, int n)
{
    int got = 0;
    while (got < n) {
        long long v;
        if (!scan_number(s->file, &v))
            break;
        if ((v < -COMIC_NUMBER_LIMIT || v > COMIC_NUMBER_LIMIT) && !s->lenient)
            critical_error("Broken file %s: a number of %s is %s%lld, not %d to %d", s->path,
                           command, beyond_word(v), v, -COMIC_NUMBER_LIMIT, COMIC_NUMBER_LIMIT);
        out[got++] = (int)(v < -COMIC_NUMBER_LIMIT ? -COMIC_NUMBER_LIMIT
                                                   : (v > COMIC_NUMBER_LIMIT ? COMIC_NUMBER_LIMIT : v));
    }
    return got;
}

// A file name after image or sound: "data/comix/" + the word.  Returns 0
// when the script ended before it (or, looking ahead, it is too long).
static int comic_path(COMIC_SCRIPT *s, char *path, size_t size)
{
    char name[COMIC_WORD_SIZE];
    size_t len = scan_word(s->file, name, sizeof name);
    if (len == 0)
        return 0;
    if (len >= sizeof name || strlen(COMIC_DIR) + len >= size) {
        if (s->lenient)
            return 0;
        critical_error("Broken file %s: file name %s%s is longer than %d characters", s->path, name,
                       len >= sizeof name ? "..." : "", (int)(size - 1 - strlen(COMIC_DIR)));
    }
    make_path(path, size, COMIC_DIR, name);
    return 1;
}

// include's script name, as it stands; inside an included script the word
// is passed over.
static int comic_include_name(COMIC_SCRIPT *s, char *out, size_t size)
{
    char word[COMIC_WORD_SIZE];
    size_t len = scan_word(s->file, word, sizeof word);
    if (s->nested || len == 0)
        return 0;
    if (len >= sizeof word) {
        if (s->lenient)
            return 0;
        critical_error("Broken file %s: file name %s... is longer than %d characters", s->path, word,
                       (int)(PATH_SIZE - 1 - strlen(COMIC_DIR)));
    }
    snprintf(out, size, "%s", word);
    return 1;
}

int comic_next(COMIC_SCRIPT *s, COMIC_COMMAND *c)
{
    c->cmd = COMIC_NOTE;
    c->count = 0;
    c->has_name = 0;
    c->name[0] = '\0';
    if (scan_word(s->file, c->word, sizeof c->word) == 0)
        return 0;
    for (int cmd = 0; cmd < COMIC_CMD_COUNT; cmd++) {
        const COMIC_GRAMMAR *g = &comic_grammar[cmd];
        if (strcmp(c->word, g->word) != 0)
            continue;
        c->cmd = cmd;
        c->count = comic_numbers(s, g->word, c->args, g->numbers);
        if (g->name == NAME_AFTER_SLOT && c->count == 1)
            c->has_name = comic_path(s, c->name, sizeof c->name);
        else if (g->name == NAME_ONLY)
            c->has_name = comic_include_name(s, c->name, sizeof c->name);
        break;
    }
    return 1;
}
