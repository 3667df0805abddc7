#include "tunes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QResource>

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
        // The resource's own bytes where it is stored uncompressed: no copy.
        return QResource(dir.filePath(entry)).uncompressedData();
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

QString bankIdentity(const QString& soundFont) {
    // Through a link (the system's default-GM.sf2) to the bank it names.
    const QFileInfo file(QFileInfo(soundFont).canonicalFilePath());
    return file.fileName() + ' ' + QString::number(file.size());
}

QString tuneIdentity(const QByteArray& tune) {
    return QString::fromLatin1(
        QCryptographicHash::hash(tune, QCryptographicHash::Sha1).toHex().left(16));
}

std::optional<double> tabledLoudness(const QString& bank, const QString& tune) {
    // Lines of "bank-file bank-size tune LUFS name"; "#" starts a comment.
    const QString key = bank + ' ' + tune + ' ';
    const QString table = QString::fromUtf8(readResource(":/music", "loudness.txt"));
    for (const QString& line : table.split('\n')) {
        if (!line.startsWith(key)) continue;
        bool ok = false;
        const double lufs = line.mid(key.size()).section(' ', 0, 0).toDouble(&ok);
        if (ok) return lufs;
    }
    return std::nullopt;
}

} // namespace kp::sound
