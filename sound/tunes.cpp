#include "tunes.h"

#include <QDir>
#include <QFile>

// Resources compiled into a static library must be registered by hand.
static void registerSoundResources() {
    Q_INIT_RESOURCE(sounds);
    Q_INIT_RESOURCE(music);
}

namespace kp::sound {

namespace {

QByteArray readResource(const QString& folder, const QString& name) {
    static const bool registered = (registerSoundResources(), true);
    (void)registered;
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files)) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0) continue;
        QFile f(dir.filePath(entry));
        if (f.open(QIODevice::ReadOnly)) return f.readAll();
    }
    return {};
}

} // namespace

const TuneInfo* tuneInfo(int tune) {
    for (const auto& t : Tunes)
        if (t.tune == tune) return &t;
    return nullptr;
}

QByteArray tuneResource(const QString& resource) {
    return readResource(":/music", resource);
}

QByteArray clipResource(const QString& name) {
    return readResource(":/sounds", name);
}

} // namespace kp::sound
