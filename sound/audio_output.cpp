#include "audio_output.h"

#include "pulse_library.h"

#include <QtDebug>

#include <algorithm>
#include <cstring>

namespace kp::sound {

SilentOutput::SilentOutput(Mixer& mixer, int periodMs) : mixer_(mixer), periodMs_(periodMs) {
    clock_.start();
    QObject::connect(&timer_, &QTimer::timeout, [this] { pull(); });
    mixer_.setWake([this] { wake(); });
    timer_.start(periodMs_);
}

SilentOutput::~SilentOutput() {
    mixer_.setWake(nullptr);
}

void SilentOutput::wake() {
    if (timer_.isActive()) return;
    // The time it slept is not owed: pulling starts again from now.
    pulled_ = clock_.elapsed() * mixer_.sampleRate() / 1000;
    timer_.start(periodMs_);
}

void SilentOutput::pull() {
    const int rate = mixer_.sampleRate();
    const int64_t due = clock_.elapsed() * rate / 1000;
    // After a long stall (a suspended machine) skip ahead rather than render it all at once.
    if (due - pulled_ > rate) pulled_ = due - rate;
    const int frames = int(due - pulled_);
    if (frames <= 0) return;
    scratch_.resize(size_t(frames) * 2);
    mixer_.render(scratch_.data(), frames);
    pulled_ = due;
    if (mixer_.silent()) timer_.stop();
}

DeviceOutput::DeviceOutput(Mixer& mixer) : mixer_(mixer) {
    pulse_ = PulseLibrary::get();
    if (!pulse_) {
        goSilent("no sound server client library (libpulse)");
        return;
    }
    loop_ = pulse_->pa_threaded_mainloop_new();
    pa_proplist* about = pulse_->pa_proplist_new();
    pulse_->pa_proplist_sets(about, PA_PROP_APPLICATION_ICON_NAME, "org.kembrolla.KembrollaPanic");
    pulse_->pa_proplist_sets(about, PA_PROP_MEDIA_ROLE, "game");
    context_ = pulse_->pa_context_new_with_proplist(pulse_->pa_threaded_mainloop_get_api(loop_),
                                                    "Kembrolla Panic!", about);
    pulse_->pa_proplist_free(about);
    pulse_->pa_context_set_state_callback(context_, &DeviceOutput::contextChanged, this);
    if (pulse_->pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
        pulse_->pa_threaded_mainloop_start(loop_) < 0) {
        goSilent("no sound server");
        return;
    }
    mixer_.setWake([this] { wake(); });
    // A server that takes the connection but never answers is not waited for.
    QTimer::singleShot(3000, &receiver_, [this] {
        if (!ready_) goSilent("the sound server does not answer");
    });
}

DeviceOutput::~DeviceOutput() {
    closeServer();
}

void DeviceOutput::contextChanged(pa_context* context, void* self) {
    auto* out = static_cast<DeviceOutput*>(self);
    switch (out->pulse_->pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        out->openStream();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        out->failed(out->ready_ ? "the sound server went away" : "no sound server");
        break;
    default:
        break;
    }
}

void DeviceOutput::streamChanged(pa_stream* stream, void* self) {
    auto* out = static_cast<DeviceOutput*>(self);
    switch (out->pulse_->pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        out->ready_ = true;
        break;
    case PA_STREAM_FAILED:
        out->failed("the audio device failed");
        break;
    default:
        break;
    }
}

void DeviceOutput::writeWanted(pa_stream* stream, size_t bytes, void* self) {
    auto* out = static_cast<DeviceOutput*>(self);
    if (out->resting_) return;
    const bool first = !out->started_;
    out->started_ = true;
    out->fill(bytes, PA_SEEK_RELATIVE);
    // The first buffer (silence, or what was asked for while connecting) plays at once.
    if (first) out->run(out->pulse_->pa_stream_trigger(stream, nullptr, nullptr));
}

void DeviceOutput::openStream() {
    const pa_sample_spec format = {PA_SAMPLE_S16LE, uint32_t(mixer_.sampleRate()), 2};
    stream_ = pulse_->pa_stream_new(context_, "Kembrolla Panic!", &format, nullptr);
    if (!stream_) {
        failed("the sound server takes no 16-bit stereo sound");
        return;
    }
    pa_buffer_attr buffer;
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(bytesFor(BufferMs));
    buffer.prebuf = uint32_t(bytesFor(RequestMs)); // starts once there is something to play
    buffer.minreq = uint32_t(bytesFor(RequestMs));
    buffer.fragsize = uint32_t(-1);
    pulse_->pa_stream_set_state_callback(stream_, &DeviceOutput::streamChanged, this);
    pulse_->pa_stream_set_write_callback(stream_, &DeviceOutput::writeWanted, this);
    // It starts with a buffer of silence (or what was asked for while connecting), then rests
    // until the next sound.
    if (pulse_->pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY,
                                           nullptr, nullptr) < 0)
        failed("the audio device cannot be opened");
}

void DeviceOutput::fill(size_t bytes, int from) {
    while (bytes >= 4) {
        void* data = nullptr;
        size_t size = bytes;
        if (pulse_->pa_stream_begin_write(stream_, &data, &size) < 0 || !data) return;
        size = std::min(size, bytes) & ~size_t(3);
        if (size == 0) return;
        const bool wasSilent = mixer_.silent();
        mixer_.render(static_cast<int16_t*>(data), int(size / 4));
        pulse_->pa_stream_write(stream_, data, size, nullptr, 0, pa_seek_mode_t(from));
        from = PA_SEEK_RELATIVE;
        bytes -= size;
        silentBytes_ = wasSilent ? silentBytes_ + size : 0;
    }
    // A whole buffer of silence written after the last sound: all of it has been heard, and the
    // stream rests until something sounds again (the server then asks for nothing).
    if (silentBytes_ >= bytesFor(BufferMs)) {
        run(pulse_->pa_stream_cork(stream_, 1, nullptr, nullptr));
        resting_ = true;
    }
}

size_t DeviceOutput::bytesFor(int ms) const {
    return size_t(mixer_.sampleRate()) * 4 * size_t(ms) / 1000;
}

void DeviceOutput::run(pa_operation* operation) const {
    if (operation) pulse_->pa_operation_unref(operation);
}

void DeviceOutput::wake() {
    // From the connection's own thread the stream is being fed already.
    if (pulse_->pa_threaded_mainloop_in_thread(loop_)) return;
    pulse_->pa_threaded_mainloop_lock(loop_);
    if (resting_ && ready_) {
        resting_ = false;
        silentBytes_ = 0;
        run(pulse_->pa_stream_cork(stream_, 0, nullptr, nullptr));
        // The new sound is written over the silence still buffered, from where the server reads
        // now, and played at once.
        fill(bytesFor(BufferMs), PA_SEEK_RELATIVE_ON_READ);
        run(pulse_->pa_stream_trigger(stream_, nullptr, nullptr));
    }
    pulse_->pa_threaded_mainloop_unlock(loop_);
}

void DeviceOutput::hush() {
    if (!loop_) return;
    pulse_->pa_threaded_mainloop_lock(loop_);
    if (ready_ && !resting_) {
        run(pulse_->pa_stream_flush(stream_, nullptr, nullptr));
        run(pulse_->pa_stream_cork(stream_, 1, nullptr, nullptr));
        resting_ = true;
    }
    pulse_->pa_threaded_mainloop_unlock(loop_);
}

void DeviceOutput::failed(const char* why) {
    // Not from inside the connection's callbacks: going silent stops that thread.
    QMetaObject::invokeMethod(
        &receiver_, [this, why] { goSilent(why); }, Qt::QueuedConnection);
}

void DeviceOutput::closeServer() {
    if (!loop_) return;
    mixer_.setWake(nullptr);
    pulse_->pa_threaded_mainloop_stop(loop_);
    if (stream_) {
        pulse_->pa_stream_disconnect(stream_);
        pulse_->pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    pulse_->pa_context_disconnect(context_);
    pulse_->pa_context_unref(context_);
    context_ = nullptr;
    pulse_->pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
    ready_ = false;
}

void DeviceOutput::goSilent(const char* why) {
    if (silent_) return;
    closeServer();
    // Said once: the game goes on without sound.
    qWarning("Sound: %s; the game plays silently.", why);
    silent_ = std::make_unique<SilentOutput>(mixer_);
}

} // namespace kp::sound
