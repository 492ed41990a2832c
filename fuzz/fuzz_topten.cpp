// The top-ten table (top.txt): topten_read, and the table it gives is one
// the game can show and write back.
#include <stdlib.h>
#include <string.h>

#include "fuzz_common.h"
#include "menu.h"
#include "topten.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz_init();
    fuzz_write(TOPTEN_FILE, data, size);
    TOPTEN_TABLE t;
    memset(&t, 0x55, sizeof t);
    int rows = topten_read(TOPTEN_FILE, &t);
    if (rows < 0 || rows > TOPTEN_ROWS)
        abort();
    for (int r = 0; r < TOPTEN_ROWS; r++)
        if (memchr(t.name[r], '\0', TOPTEN_NAME_SIZE) == nullptr)
            abort();    // every name is terminated inside its field
    return 0;
}
