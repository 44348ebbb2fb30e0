// first_frame PROGRAM [ARGS...]: starts PROGRAM on the X display of $DISPLAY and polls the root
// window every 0.5 ms until the life line of the game field ("ライフ  100", green, at
// (width - 140, 20)) shows a green pixel. Prints the child's pid on the first line and the time
// from the start to that frame in milliseconds on the second, then leaves the child running.
// Exits 1 when no frame shows within 10 s.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

// A pixel of the life line: strong green, little red or blue (anti-aliased edges included).
bool greenIn(XImage *image)
{
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            const unsigned long r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            if (g >= 128 && r < 64 && b < 64)
                return true;
        }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_frame PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_frame: cannot open the display\n");
        return 2;
    }
    const Window root = XDefaultRootWindow(display);
    const int width = XDisplayWidth(display, XDefaultScreen(display));
    const int left = width - 140, top = 20, w = 120, h = 16;

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("first_frame: exec");
        _exit(127);
    }
    std::printf("%d\n", child);
    std::fflush(stdout);

    while (Clock::now() - start < std::chrono::seconds(10)) {
        XImage *image = XGetImage(display, root, left, top, static_cast<unsigned>(w),
                                  static_cast<unsigned>(h), AllPlanes, ZPixmap);
        const Clock::time_point at = Clock::now();
        const bool shown = image != nullptr && greenIn(image);
        if (image != nullptr)
            XDestroyImage(image);
        if (shown) {
            const std::chrono::duration<double, std::milli> elapsed = at - start;
            std::printf("%.1f\n", elapsed.count());
            return 0;
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "first_frame: the program ended before its first frame\n");
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    std::fprintf(stderr, "first_frame: no frame within 10 s\n");
    return 1;
}
