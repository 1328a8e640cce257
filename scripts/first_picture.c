/* Watches the X screen from outside and prints the wall-clock time, in
 * nanoseconds since the epoch, at which its picture first differs from the
 * picture it had when this started: the first frame a program shows.
 *   first_picture TIMEOUT_MS   (DISPLAY names the screen)
 * Exits 1 when nothing changed within the time. Built by the measuring
 * scripts with the system's C compiler and Xlib. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static long long now_ns(void) {
  struct timespec t;
  clock_gettime(CLOCK_REALTIME, &t);
  return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

int main(int argc, char** argv) {
  const long long timeout = (argc > 1 ? atoll(argv[1]) : 10000) * 1000000LL;
  Display* display = XOpenDisplay(NULL);
  if (!display) {
    fprintf(stderr, "first_picture: no display\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XWindowAttributes size;
  XGetWindowAttributes(display, root, &size);
  XImage* before = XGetImage(display, root, 0, 0, size.width, size.height, AllPlanes, ZPixmap);
  if (!before) return 2;
  const size_t bytes = (size_t)before->bytes_per_line * before->height;
  /* Told the picture is taken: the caller launches the program now. */
  printf("ready\n");
  fflush(stdout);
  const long long start = now_ns();
  while (now_ns() - start < timeout) {
    XImage* image = XGetImage(display, root, 0, 0, size.width, size.height, AllPlanes, ZPixmap);
    const long long seen = now_ns();
    const int differs = image && memcmp(image->data, before->data, bytes) != 0;
    if (image) XDestroyImage(image);
    if (differs) {
      printf("%lld\n", seen);
      return 0;
    }
    struct timespec pause = {0, 2000000};
    nanosleep(&pause, NULL);
  }
  return 1;
}
