#pragma once
// Where the mixer's sound goes. The device output hands it to the sound server; the silent
// output pulls at the same pace and throws the sound away, so that effects, tones and tunes keep
// their timing (and tunes still end and loop) with no sound device at all.
#include "mixer.h"

#include <QElapsedTimer>
#include <QTimer>

#include <atomic>
#include <memory>
#include <vector>

struct pa_context;
struct pa_operation;
struct pa_stream;
struct pa_threaded_mainloop;

namespace kp::sound {

struct PulseLibrary;

class AudioOutput {
  public:
    virtual ~AudioOutput() = default;
    // Whether a sound device is taking the sound.
    virtual bool audible() const = 0;
    // What was handed over and not heard yet is dropped, now (panic): the mixer has already
    // been silenced, and nothing of what it played before may still be heard.
    virtual void hush() {}
};

class SilentOutput : public AudioOutput {
  public:
    // Pulls every `periodMs` on the event loop of the thread that creates it, while something
    // sounds: once the mixer is silent it stops, and the mixer wakes it (so a silent game does
    // not wake 50 times a second for nothing).
    explicit SilentOutput(Mixer& mixer, int periodMs = 20);
    ~SilentOutput() override;
    bool audible() const override { return false; }
    // Frames pulled so far.
    int64_t framesPulled() const { return pulled_; }

  private:
    void pull();
    void wake();

    Mixer& mixer_;
    int periodMs_;
    QTimer timer_;
    QElapsedTimer clock_;
    int64_t pulled_ = 0;
    std::vector<int16_t> scratch_;
};

// The sound server's default output (PulseAudio, or PipeWire speaking its protocol), fed from
// the mixer on the server connection's own thread. While nothing sounds the stream rests, so a
// quiet game is not woken for nothing; without a server, or when it fails, the output goes
// silent (with one warning) and the game plays on.
class DeviceOutput : public AudioOutput {
  public:
    static constexpr int BufferMs = 200; // 70 ms underran on a busy desktop
    static constexpr int RequestMs = 20; // the smallest amount the server asks for at a time

    // Starts connecting to the server and returns at once; sound asked for meanwhile waits in
    // the mixer until the stream takes it.
    explicit DeviceOutput(Mixer& mixer);
    ~DeviceOutput() override;
    DeviceOutput(const DeviceOutput&) = delete;
    DeviceOutput& operator=(const DeviceOutput&) = delete;

    bool audible() const override { return ready_ && !silent_; }
    // The server's buffer is flushed and the stream rests at once, until the next sound.
    void hush() override;

  private:
    static void contextChanged(pa_context* context, void* self);
    static void streamChanged(pa_stream* stream, void* self);
    static void writeWanted(pa_stream* stream, size_t bytes, void* self);
    // On the connection's thread, with its lock held.
    void openStream();
    void fill(size_t bytes, int from);
    size_t bytesFor(int ms) const;           // of 16-bit stereo
    void run(pa_operation* operation) const; // and lets it go
    void failed(const char* why);
    // On the window's thread.
    void wake();
    void closeServer();
    void goSilent(const char* why);

    Mixer& mixer_;
    const PulseLibrary* pulse_ = nullptr;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    std::atomic<bool> ready_ = false;
    // Under the connection's lock: whether the stream rests (paused, as nothing has sounded for
    // a whole buffer), and whether it has been written to yet.
    bool resting_ = false;
    bool started_ = false;
    size_t silentBytes_ = 0; // written since the mixer last had something to say
    std::unique_ptr<SilentOutput> silent_;
    QObject receiver_; // where the connection's thread posts its failures
};

} // namespace kp::sound
