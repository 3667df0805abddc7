// The GUI test programs run on Qt's offscreen platform, whatever desktop the caller has.
// SDL's controller layer asks the D-Bus session bus about controllers. With an X display and no
// session bus (ssh with X forwarding, a container, a chroot), libdbus tries to start a bus through
// that display and keeps a buffer LeakSanitizer reports after every test has passed. The tests use
// no display at all, so they forget the caller's; the suppression covers a caller whose bus
// misbehaves anyway, and names only that library.
// Included once, by the test program's main.
#pragma once
#include <QtGlobal>

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}

static void forgetTheCallersDesktop() {
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("QT_QPA_PLATFORM", "offscreen");
}
