#pragma once
// PulseAudio's client library (which PipeWire's desktops speak too), opened when the sound
// output starts, after the first frame, rather than linked: start-up neither waits for it nor
// for the dozen libraries it brings.

#include "runtime/library.h"

#include <pulse/pulseaudio.h>

namespace kp::sound {

#define KP_PULSE_FUNCTIONS(X)                                                                      \
    X(pa_threaded_mainloop_new)                                                                    \
    X(pa_threaded_mainloop_free)                                                                   \
    X(pa_threaded_mainloop_start)                                                                  \
    X(pa_threaded_mainloop_stop)                                                                   \
    X(pa_threaded_mainloop_lock)                                                                   \
    X(pa_threaded_mainloop_unlock)                                                                 \
    X(pa_threaded_mainloop_in_thread)                                                              \
    X(pa_threaded_mainloop_get_api)                                                                \
    X(pa_proplist_new)                                                                             \
    X(pa_proplist_sets)                                                                            \
    X(pa_proplist_free)                                                                            \
    X(pa_context_new_with_proplist)                                                                \
    X(pa_context_set_state_callback)                                                               \
    X(pa_context_connect)                                                                          \
    X(pa_context_disconnect)                                                                       \
    X(pa_context_unref)                                                                            \
    X(pa_context_get_state)                                                                        \
    X(pa_stream_new)                                                                               \
    X(pa_stream_set_state_callback)                                                                \
    X(pa_stream_set_write_callback)                                                                \
    X(pa_stream_connect_playback)                                                                  \
    X(pa_stream_disconnect)                                                                        \
    X(pa_stream_unref)                                                                             \
    X(pa_stream_get_state)                                                                         \
    X(pa_stream_begin_write)                                                                       \
    X(pa_stream_write)                                                                             \
    X(pa_stream_cork)                                                                              \
    X(pa_stream_flush)                                                                             \
    X(pa_stream_trigger)                                                                           \
    X(pa_operation_unref)

struct PulseLibrary {
    KP_PULSE_FUNCTIONS(KP_LIBRARY_POINTER)

    // The library, opened the first time; null when the system has none.
    static const PulseLibrary* get();
};

} // namespace kp::sound
