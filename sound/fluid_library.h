#pragma once
// FluidSynth, opened when music is first asked for rather than linked: a player with the music
// off never maps it, nor the thirty-odd libraries it brings (sound files, JACK, SDL, ...).

#include "runtime/library.h"

#include <fluidsynth.h>

namespace kp::sound {

#define KP_FLUID_FUNCTIONS(X)                                                                      \
    X(new_fluid_settings)                                                                          \
    X(delete_fluid_settings)                                                                       \
    X(fluid_settings_setint)                                                                       \
    X(fluid_settings_setnum)                                                                       \
    X(fluid_settings_setstr)                                                                       \
    X(new_fluid_synth)                                                                             \
    X(delete_fluid_synth)                                                                          \
    X(fluid_synth_sfload)                                                                          \
    X(fluid_synth_set_gain)                                                                        \
    X(fluid_synth_get_gain)                                                                        \
    X(fluid_synth_all_sounds_off)                                                                  \
    X(fluid_synth_system_reset)                                                                    \
    X(fluid_synth_write_float)                                                                     \
    X(new_fluid_player)                                                                            \
    X(delete_fluid_player)                                                                         \
    X(fluid_player_add_mem)                                                                        \
    X(fluid_player_play)                                                                           \
    X(fluid_player_stop)                                                                           \
    X(fluid_player_set_loop)                                                                       \
    X(fluid_player_get_status)                                                                     \
    X(fluid_player_get_current_tick)                                                               \
    X(fluid_player_get_total_ticks)

struct FluidLibrary {
    KP_FLUID_FUNCTIONS(KP_LIBRARY_POINTER)

    // The library, opened the first time; null when the system has none.
    static const FluidLibrary* get();
};

} // namespace kp::sound
