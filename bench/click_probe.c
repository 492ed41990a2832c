/* click_probe -- presses the left button on a window through the XTest
 * extension and watches what the window shows.
 *
 *   click_probe latency WINDOW X Y COUNT RX RY RW RH
 *     COUNT presses at (X, Y) of the window.  Before each, the rectangle
 *     RW x RH at (RX, RY) must stand still for 150 ms; the press is then
 *     sent and, once the server has it (XSync), the rectangle is read again
 *     and again until it changes.  Prints one line per press,
 *     "press N ms T" (or "press N timeout"), and a summary line
 *     "click_to_picture_ms p50 A p95 B max C n N".
 *
 *   click_probe place WINDOW X Y DX DY COUNT RESTX RESTY STEPX
 *     COUNT presses; press i goes down at (X + i * STEPX, Y) and, within a
 *     millisecond, the pointer flies on by (DX, DY) while the button stays
 *     down 100 ms.  With the pointer parked at (RESTX, RESTY), a 10 x 10
 *     square at the press and one at the place the pointer flew to are
 *     compared before and after.  Prints "press N at_press 0|1 at_flight 0|1"
 *     and "holes_at_press P holes_at_flight F of N".
 *
 * XTest is loaded when the program runs, so that only the X client library
 * is needed to build it. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

typedef int (*fake_button_fn)(Display *, unsigned int, Bool, unsigned long);
typedef int (*fake_motion_fn)(Display *, int, int, int, unsigned long);
static fake_button_fn fake_button;
static fake_motion_fn fake_motion;

static Display *dpy;
static Window win;
static int win_root_x, win_root_y;

#define MAX_PRESSES 200
#define TIMEOUT_MS 500.0
#define STILL_MS 150.0
#define HOLD_MS 100.0
#define SQUARE 10

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

static void sleep_ms(double ms)
{
    struct timespec ts;
    ts.tv_sec = (time_t)(ms / 1000);
    ts.tv_nsec = (long)((ms - ts.tv_sec * 1000.0) * 1e6);
    nanosleep(&ts, NULL);
}

static void move_to(int x, int y)
{
    fake_motion(dpy, -1, win_root_x + x, win_root_y + y, CurrentTime);
    XSync(dpy, False);
}

/* The rectangle's pixels, as a malloc'ed copy (NULL if it cannot be read). */
static unsigned long *grab(int x, int y, int w, int h)
{
    XImage *im = XGetImage(dpy, win, x, y, (unsigned)w, (unsigned)h, AllPlanes, ZPixmap);
    if (!im)
        return NULL;
    unsigned long *p = malloc(sizeof *p * (size_t)(w * h));
    if (p)
        for (int j = 0; j < h; j++)
            for (int i = 0; i < w; i++)
                p[j * w + i] = XGetPixel(im, i, j);
    XDestroyImage(im);
    return p;
}

static int differs(const unsigned long *a, const unsigned long *b, int n)
{
    return a && b && memcmp(a, b, sizeof *a * (size_t)n) != 0;
}

static int cmp_double(const void *a, const void *b)
{
    double x = *(const double *)a, y = *(const double *)b;
    return x < y ? -1 : x > y;
}

static double quantile(double *v, int n, double q)
{
    int i = (int)(q * (n - 1) + 0.5);
    return v[i < 0 ? 0 : (i >= n ? n - 1 : i)];
}

static int latency(int x, int y, int count, int rx, int ry, int rw, int rh)
{
    double t[MAX_PRESSES];
    int n = 0;
    move_to(x, y);
    for (int k = 0; k < count; k++) {
        /* Wait for the rectangle to stand still. */
        unsigned long *ref = grab(rx, ry, rw, rh);
        double still_since = now_ms(), give_up = still_since + 5000;
        while (now_ms() - still_since < STILL_MS && now_ms() < give_up) {
            sleep_ms(5);
            unsigned long *again = grab(rx, ry, rw, rh);
            if (differs(ref, again, rw * rh)) {
                free(ref);
                ref = again;
                still_since = now_ms();
            } else {
                free(again);
            }
        }
        fake_button(dpy, 1, True, CurrentTime);
        XSync(dpy, False);
        double t0 = now_ms(), seen = -1;
        while (now_ms() - t0 < TIMEOUT_MS) {
            unsigned long *cur = grab(rx, ry, rw, rh);
            int changed = differs(ref, cur, rw * rh);
            free(cur);
            if (changed) {
                seen = now_ms() - t0;
                break;
            }
        }
        double held = now_ms() - t0;
        if (held < HOLD_MS)
            sleep_ms(HOLD_MS - held);
        fake_button(dpy, 1, False, CurrentTime);
        XSync(dpy, False);
        free(ref);
        if (seen < 0) {
            printf("press %d timeout\n", k + 1);
        } else {
            printf("press %d ms %.1f\n", k + 1, seen);
            t[n++] = seen;
        }
        fflush(stdout);
        sleep_ms(250);
    }
    if (n == 0) {
        printf("click_to_picture_ms none n 0\n");
        return 1;
    }
    qsort(t, (size_t)n, sizeof t[0], cmp_double);
    printf("click_to_picture_ms p50 %.1f p95 %.1f max %.1f n %d\n", quantile(t, n, 0.5),
           quantile(t, n, 0.95), t[n - 1], n);
    return 0;
}

static int place(int x, int y, int dx, int dy, int count, int restx, int resty, int step)
{
    int at_press = 0, at_flight = 0;
    for (int k = 0; k < count; k++) {
        int px = x + k * step, py = y, fx = px + dx, fy = py + dy;
        move_to(restx, resty);
        sleep_ms(200);
        unsigned long *a0 = grab(px, py, SQUARE, SQUARE), *b0 = grab(fx, fy, SQUARE, SQUARE);
        move_to(px, py);
        sleep_ms(150);
        fake_button(dpy, 1, True, CurrentTime);
        fake_motion(dpy, -1, win_root_x + fx, win_root_y + fy, CurrentTime);
        XSync(dpy, False);
        sleep_ms(HOLD_MS);
        fake_button(dpy, 1, False, CurrentTime);
        move_to(restx, resty);
        sleep_ms(300);
        unsigned long *a1 = grab(px, py, SQUARE, SQUARE), *b1 = grab(fx, fy, SQUARE, SQUARE);
        int hp = differs(a0, a1, SQUARE * SQUARE), hf = differs(b0, b1, SQUARE * SQUARE);
        at_press += hp;
        at_flight += hf;
        printf("press %d at_press %d at_flight %d\n", k + 1, hp, hf);
        fflush(stdout);
        free(a0);
        free(a1);
        free(b0);
        free(b1);
    }
    printf("holes_at_press %d holes_at_flight %d of %d\n", at_press, at_flight, count);
    return 0;
}

int main(int argc, char **argv)
{
    int is_latency = argc == 10 && strcmp(argv[1], "latency") == 0;
    int is_place = argc == 11 && strcmp(argv[1], "place") == 0;
    if (!is_latency && !is_place) {
        fprintf(stderr, "usage: click_probe latency WINDOW X Y COUNT RX RY RW RH\n"
                        "       click_probe place WINDOW X Y DX DY COUNT RESTX RESTY STEPX\n");
        return 2;
    }
    void *xtst = dlopen("libXtst.so.6", RTLD_NOW);
    if (xtst) {
        fake_button = (fake_button_fn)dlsym(xtst, "XTestFakeButtonEvent");
        fake_motion = (fake_motion_fn)dlsym(xtst, "XTestFakeMotionEvent");
    }
    if (!fake_button || !fake_motion) {
        fprintf(stderr, "click_probe: no XTest library (libXtst.so.6)\n");
        return 1;
    }
    dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "click_probe: no display\n");
        return 1;
    }
    win = (Window)strtoul(argv[2], NULL, 0);
    Window child;
    XTranslateCoordinates(dpy, win, DefaultRootWindow(dpy), 0, 0, &win_root_x, &win_root_y, &child);
    int v[8];
    for (int i = 0; i < argc - 3 && i < 8; i++)
        v[i] = atoi(argv[i + 3]);
    int rc;
    if (is_latency)
        rc = latency(v[0], v[1], v[2] > MAX_PRESSES ? MAX_PRESSES : v[2], v[3], v[4], v[5], v[6]);
    else
        rc = place(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    XCloseDisplay(dpy);
    return rc;
}
