/* destroy_window WINDOW_ID -- destroys another program's window from outside,
 * so that the program's next request on it fails with an X error. */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: destroy_window WINDOW_ID\n");
        return 2;
    }
    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "destroy_window: no display\n");
        return 1;
    }
    XDestroyWindow(d, (Window)strtoul(argv[1], NULL, 0));
    XSync(d, False);
    XCloseDisplay(d);
    return 0;
}
