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
