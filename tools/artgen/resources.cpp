#include "resources.h"

#include "pixmap.h"

#include <QFile>
#include <QTextStream>
#include <map>
#include <stdexcept>

namespace artgen {

void AssetWriter::picture(const QString& prefix, const QString& alias, const QString& file,
                          const QImage& image) {
    savePicture(image, dir_ + "/" + file);
    assets_.push_back({prefix, alias, file});
}

void AssetWriter::withAlpha(const QString& prefix, const QString& alias, const QString& file,
                            const QImage& image) {
    saveWithAlpha(image, dir_ + "/" + file);
    assets_.push_back({prefix, alias, file});
}

void AssetWriter::writeResourceFile() const {
    std::map<QString, std::vector<const Asset*>> byPrefix;
    for (const Asset& a : assets_) byPrefix[a.prefix].push_back(&a);
    QFile file(dir_ + "/assets.qrc");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        throw std::runtime_error("cannot write assets.qrc");
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<!-- Written by tools/artgen; regenerate rather than edit. -->\n"
        << "<RCC version=\"1.0\">\n";
    for (const auto& [prefix, list] : byPrefix) {
        out << "  <qresource prefix=\"" << prefix << "\">\n";
        for (const Asset* a : list)
            out << "    <file alias=\"" << a->alias << "\">" << a->file << "</file>\n";
        out << "  </qresource>\n";
    }
    out << "</RCC>\n";
}

} // namespace artgen
