#pragma once
// Where the mixer's sound goes. The device output keeps one QAudioSink pulling from the mixer;
// the silent output pulls at the same pace and throws the sound away, so that effects, tones
// and tunes keep their timing (and tunes still end and loop) with no sound device at all.
#include "mixer.h"

#include <QElapsedTimer>
#include <QTimer>

#include <memory>
#include <vector>

class QAudioSink;
class QIODevice;

namespace kp::sound {

class AudioOutput {
  public:
    virtual ~AudioOutput() = default;
    // Whether a sound device is taking the sound.
    virtual bool audible() const = 0;
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

class DeviceOutput : public AudioOutput {
  public:
    static constexpr int BufferMs = 200; // 70 ms underran on a busy desktop

    // Opens the default output device; with none, or when it fails later, goes silent.
    explicit DeviceOutput(Mixer& mixer);
    ~DeviceOutput() override;
    bool audible() const override { return sink_ != nullptr; }

  private:
    void goSilent(const char* why);

    Mixer& mixer_;
    std::unique_ptr<QIODevice> source_;
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<SilentOutput> silent_;
    QObject context_; // owns the connections, which go with it
};

} // namespace kp::sound
