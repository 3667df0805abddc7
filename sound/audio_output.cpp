#include "audio_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QtDebug>

#include <algorithm>
#include <cstring>

namespace kp::sound {

namespace {

// The mixer seen as an endless read-only stream of 16-bit stereo frames.
class MixerStream : public QIODevice {
  public:
    explicit MixerStream(Mixer& mixer) : mixer_(mixer) {}
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return (1 << 20) + QIODevice::bytesAvailable(); }

  protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const int frames = int(std::min<qint64>(maxSize / 4, 1 << 16));
        scratch_.resize(size_t(frames) * 2);
        mixer_.render(scratch_.data(), frames);
        std::memcpy(data, scratch_.data(), size_t(frames) * 4);
        return qint64(frames) * 4;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    Mixer& mixer_;
    std::vector<int16_t> scratch_;
};

} // namespace

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
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        goSilent("no audio output device");
        return;
    }
    QAudioFormat format;
    format.setSampleRate(mixer.sampleRate());
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        goSilent("the audio device takes no 16-bit stereo sound");
        return;
    }
    source_ = std::make_unique<MixerStream>(mixer);
    source_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(qsizetype(mixer.sampleRate()) * 4 * BufferMs / 1000);
    QObject::connect(sink_.get(), &QAudioSink::stateChanged, &context_, [this](QAudio::State) {
        if (!sink_) return;
        const QAudio::Error e = sink_->error();
        if (e == QAudio::OpenError || e == QAudio::IOError || e == QAudio::FatalError) {
            // Not from inside the sink's own signal: it is deleted on the way.
            QTimer::singleShot(0, &context_, [this] { goSilent("the audio device failed"); });
        }
    });
    sink_->start(source_.get());
    const QAudio::Error e = sink_->error();
    if (e == QAudio::OpenError || e == QAudio::IOError || e == QAudio::FatalError)
        goSilent("the audio device cannot be opened");
}

DeviceOutput::~DeviceOutput() {
    if (sink_) sink_->stop();
}

void DeviceOutput::goSilent(const char* why) {
    if (silent_) return;
    if (sink_) {
        sink_->disconnect();
        sink_->stop();
        sink_.reset();
    }
    source_.reset();
    // Said once: the game goes on without sound.
    qWarning("Sound: %s; the game plays silently.", why);
    silent_ = std::make_unique<SilentOutput>(mixer_);
}

} // namespace kp::sound
