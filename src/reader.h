// reader.h -- the one tokenizer of the game's data files.
//
// Words, numbers, file names and the comic's commands are read here and
// nowhere else, with one set of blanks.  Every reader is bounded: a word
// longer than its buffer, a number beyond its field or beyond an int ends
// the program through critical_error, naming the file and the fault,
// instead of overflowing a buffer or going on with a value never read.
#ifndef READER_H
#define READER_H

#include <stddef.h>
#include <stdio.h>

#include "variable.h"

// The blanks between the words of every data file.
#define READER_BLANKS " \t\n\r\v\f"
int reader_blank(int c);
int reader_line_blank(int c);       // a blank inside a line: any but the line end

// out = dir + name; a name that does not fit in `size` bytes is fatal.
void make_path(char *out, size_t size, const char *dir, const char *name);

// ---------------------------------------------------------------- numbers

// Reads one optionally signed decimal number after any blanks, the way
// " %ld" would but without its undefined behaviour on overflow: a number
// beyond +-SCAN_NUMBER_LIMIT is stored as that limit.  Returns 1 when a
// number was read, 0 at the end of the file or at a word that is no number
// (its first character is left unread).
#define SCAN_NUMBER_LIMIT 1000000000000LL
int scan_number(FILE *file, long long *out);

// Reads one decimal integer; `what` names the field in the message.  A
// number that does not fit in an int is fatal (it is never wrapped).
int read_int(FILE *file, const char *path, const char *what);

// read_int, and a value outside low .. high is fatal too, naming the file,
// the field and the value.
int read_int_range(FILE *file, const char *path, const char *what, int low, int high);

// "beyond " for a value scan_number stopped at its limit, else "": the
// messages say so rather than print the limit as if it had been written.
const char *beyond_word(long long value);

// A number inside a line of text: an optional "-" and digits that fit an
// int.  Returns where the digits end, or nullptr (nothing stored) when `p`
// holds no such number.
const char *scan_int_text(const char *p, int *out);

// ---------------------------------------------------------------- words

// Reads one word after any blanks into `out` (at most size - 1 characters;
// the rest of a longer word is read and dropped).  Returns 0 at the end of
// the file, else the word's full length.
size_t scan_word(FILE *file, char *out, size_t size);
// scan_word, adding the line ends it passes over to *line.
size_t scan_word_line(FILE *file, char *out, size_t size, int *line);

// Reads the next word like scan_word; returns 0 at the end of the file, and
// a word too long for `out` is fatal.
int read_token(FILE *file, char *out, size_t size, const char *path);

// Reads one word of at most size - 1 characters; the end of the file or a
// longer word is fatal.
void read_word(FILE *file, char *out, size_t size, const char *path, const char *what);

// Reads one word and checks that it is `keyword`.
void expect_keyword(FILE *file, const char *path, const char *keyword);

// Reads `key` where the file stands, letter for letter, with no blanks
// before it: 1 when it is there (and read), else 0 with the differing
// character left unread.
int read_literal(FILE *file, const char *key);

// Passes over blanks.
void skip_blanks(FILE *file);

// ---------------------------------------------------------------- comics
//
// A comic script is a stream of words.  A command word takes its numbers
// from the words after it, one at a time: the first that is missing or no
// number ends its reading, and the unread text is read as further words.
// image and sound take a slot and, after it, a file name; include takes a
// file name.  Any other word is a note, passed over.
enum COMIC_CMD {
    CMD_IMAGE, CMD_DESTROY, CMD_DELAY, CMD_CLS, CMD_VIRTUAL, CMD_VIS_ON, CMD_VIS_OFF, CMD_MOVE,
    CMD_SETXY, CMD_FADE, CMD_SETREAL, CMD_MOVEREAL, CMD_GETXY, CMD_RESIZE, CMD_RESIZE_REL,
    CMD_RESIZE_STOP, CMD_QUIT, CMD_SCROLL, CMD_SCROLL_OFF, CMD_ANIME, CMD_ANIME_TYPE, CMD_SOUND,
    CMD_DESTROY_SOUND, CMD_PLAY_SOUND, CMD_REPEAT_SOUND, CMD_STOP_SOUND, CMD_PAUSE, CMD_INCLUDE,
    COMIC_CMD_COUNT
};
#define COMIC_WORD_SIZE 40          // words of a script, terminator included
#define COMIC_MAX_ARGS 6            // numbers of the longest command
#define COMIC_DIR "data/comix/"         // where the scripts and their files lie
// Every number of a script lies within this: far beyond any coordinate,
// size, tempo or delay a comic uses, and far from int overflow when the
// stage adds and multiplies them.
#define COMIC_NUMBER_LIMIT 1000000

// The command's word, and how many numbers it takes at the most.
const char *comic_cmd_word(int cmd);
int comic_cmd_numbers(int cmd);
int comic_cmd_slot(int cmd, int n);     // 1 where its number n is a slot or an image
int comic_cmd_name(int cmd);            // 1 for a command that takes a file name

struct COMIC_SCRIPT {
    FILE *file;
    char path[PATH_SIZE];
    int nested;         // 1 inside an included script: its includes are passed over
    int lenient;        // 1: a number or name out of bounds is no fault (a look ahead)
};

#define COMIC_NOTE (-1)             // a word that is no command
struct COMIC_COMMAND {
    char word[COMIC_WORD_SIZE];     // as written (cut to fit)
    int cmd;                        // COMIC_CMD, or COMIC_NOTE
    int count;                      // numbers read
    int args[COMIC_MAX_ARGS];
    int has_name;                   // image, sound: the path; include: the name
    char name[PATH_SIZE];
};

// Opens data/comix/<name>; a name that does not fit or a file that cannot
// be opened ends the program.  comic_close closes it (again is harmless).
void comic_open(COMIC_SCRIPT *s, const char *name, int nested);
void comic_close(COMIC_SCRIPT *s);

// Reads the next word, and when it is a command, its arguments.  Returns 0
// at the end of the script.  A number beyond COMIC_NUMBER_LIMIT or a file name too long
// for its path ends the program, naming the script.
int comic_next(COMIC_SCRIPT *s, COMIC_COMMAND *c);

#endif
