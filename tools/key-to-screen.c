// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

/* Times what a player waits for after a key: sends one key press and release
 * to the X server through XTest, then reads the whole screen about every
 * 10 ms (MIT-SHM) until it has not changed for a while.
 *
 *   key-to-screen KEYSYM [SETTLE_MS]        e.g. key-to-screen Return 1500
 *
 * Prints one line: "caption_ms screen_ms polls mean_interval_ms", where
 * screen_ms is the first read after which the screen never changed again (the
 * settled picture, i.e. the painted board), and caption_ms the first read that
 * showed the busy caption's magenta (-1 when none was seen). Times run from
 * just before the key press was sent and are taken when each read came back,
 * so a figure is never earlier than the screen really changed.
 *
 * Built by tools/measure-board-latency.sh; needs libX11, libXext and libXtst.
 */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <time.h>

/* From libXtst; its header is not always installed. */
extern int XTestFakeKeyEvent(Display* display, unsigned int keycode, Bool is_press, unsigned long delay);

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static uint64_t screen_hash(const XImage* img) {
    uint64_t h = 1469598103934665603ULL;
    for (int y = 0; y < img->height; ++y) {
        const uint64_t* row = (const uint64_t*)(img->data + (size_t)y * img->bytes_per_line);
        for (int x = 0; x < img->width / 2; ++x) h = (h ^ row[x]) * 1099511628211ULL;
    }
    return h;
}

/* Pixels of the busy caption's background, RGB (255, 0, 255), on every 4th row. */
static long magenta_pixels(const XImage* img) {
    long n = 0;
    for (int y = 0; y < img->height; y += 4) {
        const uint32_t* row = (const uint32_t*)(img->data + (size_t)y * img->bytes_per_line);
        for (int x = 0; x < img->width; ++x) n += (row[x] & 0xffffff) == 0xff00ff;
    }
    return n;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: %s KEYSYM [SETTLE_MS]\n", argv[0]);
        return 2;
    }
    const double settle = argc > 2 ? atof(argv[2]) : 1500;
    Display* d = XOpenDisplay(NULL);
    if (!d || !XShmQueryExtension(d)) {
        fprintf(stderr, "no X display with MIT-SHM\n");
        return 1;
    }
    const int s = DefaultScreen(d);
    const Window root = RootWindow(d, s);
    XShmSegmentInfo shm;
    XImage* img = XShmCreateImage(d, DefaultVisual(d, s), DefaultDepth(d, s), ZPixmap, NULL, &shm,
                                  DisplayWidth(d, s), DisplayHeight(d, s));
    if (!img || img->bits_per_pixel != 32) {
        fprintf(stderr, "needs a 24-bit screen\n");
        return 1;
    }
    shm.shmid = shmget(IPC_PRIVATE, (size_t)img->bytes_per_line * img->height, IPC_CREAT | 0600);
    shm.shmaddr = img->data = shmat(shm.shmid, NULL, 0);
    shm.readOnly = False;
    XShmAttach(d, &shm);
    shmctl(shm.shmid, IPC_RMID, NULL);
    const KeyCode key = XKeysymToKeycode(d, XStringToKeysym(argv[1]));
    if (!key) {
        fprintf(stderr, "unknown key %s\n", argv[1]);
        return 1;
    }
    XShmGetImage(d, root, img, 0, 0, AllPlanes);
    uint64_t last = screen_hash(img);

    const double t0 = now_ms();
    XTestFakeKeyEvent(d, key, True, 0);
    XTestFakeKeyEvent(d, key, False, 0);
    XFlush(d);

    double caption = -1, changed = 0, next = t0 + 10, lastRead = t0;
    long polls = 0;
    for (;;) {
        const double wait = next - now_ms();
        if (wait > 0) {
            const struct timespec ts = {(time_t)(wait / 1e3), (long)((wait - (time_t)(wait / 1e3) * 1e3) * 1e6)};
            nanosleep(&ts, NULL);
        }
        XShmGetImage(d, root, img, 0, 0, AllPlanes);
        const double t = now_ms() - t0;
        next += 10;
        ++polls;
        lastRead = t;
        const uint64_t h = screen_hash(img);
        if (h != last) {
            last = h;
            changed = t;
        }
        if (caption < 0 && magenta_pixels(img) > 200) caption = t;
        if (t - changed > settle || t > 20000) break;
    }
    printf("%.1f %.1f %ld %.2f\n", caption, changed, polls, lastRead / polls);
    XShmDetach(d, &shm);
    shmdt(shm.shmaddr);
    XCloseDisplay(d);
    return changed > 0 ? 0 : 1;
}
