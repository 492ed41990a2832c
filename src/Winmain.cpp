// Winmain.cpp -- the program's entry.  Arguments are not used.
#include <allegro.h>

#include "boot.h"

int main(int argc, char **argv)
{
    (void)argc;
    (void)argv;
    boot(0, nullptr);
    return 0;
}
END_OF_MAIN()
