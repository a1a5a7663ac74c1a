// Full screen and back in a real X11 window (run under Xvfb with a
// 1280 x 1024 screen): with no window manager the switch is asked for and
// never carried out, with one it is; either way the picture is laid out for
// the window as it really is.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <SDL.h>

#include <chrono>
#include <thread>

#include "platform/sdl/presenter.h"
#include "platform/sdl/sdl_platform.h"

// Last: its macros (None, Button1 ...) would clash with the names above.
#include <X11/Xlib.h>

namespace {

using namespace platform;

// Whether a window manager has announced itself on the root window.
bool managerRunning() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    const bool running = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                            AnyPropertyType, &type, &format, &items, &after, &data) == Success &&
                         items > 0;
    if (data) XFree(data);
    XCloseDisplay(display);
    return running;
}

// A window manager of its own for the test's life, running before a
// window is made (SDL waits for the window to be mapped).
struct WindowManager {
    pid_t pid = -1;
    explicit WindowManager(bool start) {
        if (!start) return;
        for (int i = 0; i < 150 && !managerRunning(); ++i) {
            // Started again if it gave up (the display was not ready for it).
            if (pid <= 0 || waitpid(pid, nullptr, WNOHANG) == pid) pid = launch();
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    static pid_t launch() {
        const pid_t child = fork();
        if (child == 0) {
            execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
            _exit(127);
        }
        return child;
    }
    ~WindowManager() {
        if (pid <= 0) return;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
};

void pressAltReturn(SdlPlatform& p) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_RETURN;
    event.key.keysym.mod = KMOD_LALT;
    SDL_PushEvent(&event);
    Message m;
    while (p.peekMessage(m)) {
    }
}

// Frames for up to two seconds, until the layout shows `shown`.
Rect settle(SdlPlatform& p, const Rect& shown) {
    Rect now;
    for (int i = 0; i < 120; ++i) {
        Message m;
        while (p.peekMessage(m)) {
        }
        p.flip();
        now = p.layout().shown;
        if (now.x == shown.x && now.y == shown.y && now.w == shown.w && now.h == shown.h) break;
    }
    return now;
}

TEST(X11Window, AltReturnLaysThePictureOutForTheRealWindow) {
    if (!SDL_getenv("DISPLAY")) GTEST_SKIP() << "needs an X server (xvfb-run)";
    for (bool manager : {false, true}) {
        SCOPED_TRACE(manager ? "openbox" : "no window manager");
        WindowManager wm(manager);
        ASSERT_EQ(managerRunning(), manager);
        SdlPlatform p;
        p.setWindowed(true);
        ASSERT_TRUE(p.registerWindowClass() && p.createWindow("test") && p.createDisplay() && p.setDisplayMode() &&
                    p.createFlipChain() && p.createDirect3D() && p.createZBuffer() && p.createDevice());
        const Rect window{0, 0, 1024, 768};
        const Rect screen = sdl::letterbox(1280, 1024);
        const Rect expectFull = manager ? screen : window;
        Rect shown = settle(p, window);
        EXPECT_EQ(std::tie(shown.w, shown.h), std::tie(window.w, window.h));
        pressAltReturn(p);
        EXPECT_TRUE(p.fullScreen());
        shown = settle(p, expectFull);
        EXPECT_EQ(std::tie(shown.x, shown.y, shown.w, shown.h),
                  std::tie(expectFull.x, expectFull.y, expectFull.w, expectFull.h));
        const Image picture = p.readShown();
        EXPECT_EQ(std::tie(picture.width, picture.height), std::tie(expectFull.w, expectFull.h));
        pressAltReturn(p);
        shown = settle(p, window);
        EXPECT_EQ(std::tie(shown.w, shown.h), std::tie(window.w, window.h));
        p.release();
    }
}

}  // namespace
