// criterr.cpp -- the fatal-error path.
#include "criterr.h"

#include <allegro.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>

#include "pacing.h"

critical_error_hook_t critical_error_hook = nullptr;

static char error_buffer[CRITERR_BUFFER_SIZE];

void critical_error(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    vsnprintf(error_buffer, sizeof error_buffer, format, args);
    va_end(args);

    if (critical_error_hook)
        critical_error_hook(error_buffer);

    frame_stats_save();

    // allegro_exit() closes the window first, so the message is not hidden
    // behind it; without a system driver allegro_message writes to stdout.
    allegro_exit();
    allegro_message("%s\n", error_buffer);
    fprintf(stderr, "deadeye: %s\n", error_buffer);
    exit(-1);
}

// ---------------------------------------------------------------------------
#include <limits.h>
#include <string.h>

void make_path(char *out, size_t size, const char *dir, const char *name)
{
    int n = snprintf(out, size, "%s%s", dir, name);
    if (n < 0 || (size_t)n >= size)
        critical_error("File name too long (at most %d characters): %s%s",
                       (int)(size - 1), dir, name);
}

int scan_number(FILE *file, long long *out)
{
    int c;
    do {
        c = fgetc(file);
    } while (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f');
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
                       value >= SCAN_NUMBER_LIMIT || value <= -SCAN_NUMBER_LIMIT ? "beyond " : "",
                       value);
    return (int)value;
}

int read_int_range(FILE *file, const char *path, const char *what, int low, int high)
{
    long long value = read_number(file, path, what);
    if (value < low || value > high)
        critical_error("Broken file %s: %s is %s%lld, not %d to %d", path, what,
                       value >= SCAN_NUMBER_LIMIT || value <= -SCAN_NUMBER_LIMIT ? "beyond " : "",
                       value, low, high);
    return (int)value;
}

void read_word(FILE *file, char *out, size_t size, const char *path, const char *what)
{
    // Read one character past the limit to tell a word that fits from one
    // that does not.
    char format[16];
    char word[512];
    if (size > sizeof word - 1)
        size = sizeof word - 1;
    snprintf(format, sizeof format, " %%%zus", size);
    if (fscanf(file, format, word) != 1)
        critical_error("Broken file %s: it ends before %s", path, what);
    if (strlen(word) >= size)
        critical_error("Broken file %s: %s is longer than %d characters", path, what,
                       (int)(size - 1));
    memcpy(out, word, strlen(word) + 1);
}

void expect_keyword(FILE *file, const char *path, const char *keyword)
{
    char word[64];
    int got = fscanf(file, " %63s", word);
    if (got != 1)
        critical_error("Broken file %s: it ends before %s", path, keyword);
    if (strcmp(word, keyword) != 0)
        critical_error("Broken file %s: expected %s, found %s", path, keyword, word);
}
