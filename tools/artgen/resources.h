// Bookkeeping of the written pictures and the Qt resource file that embeds them.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace artgen {

struct Asset {
    QString prefix; // resource prefix, e.g. "/sprites"
    QString alias;  // the name the game asks for, e.g. "ImgColor00"
    QString file;   // path relative to assets/
};

class AssetWriter {
  public:
    explicit AssetWriter(QString assetsDir) : dir_(std::move(assetsDir)) {}

    // Keyed 24-bit picture.
    void picture(const QString& prefix, const QString& alias, const QString& file,
                 const QImage& image);
    // Picture with an alpha channel (icons, cursors).
    void withAlpha(const QString& prefix, const QString& alias, const QString& file,
                   const QImage& image);

    const std::vector<Asset>& assets() const { return assets_; }
    // Writes assets.qrc listing everything written so far.
    void writeResourceFile() const;

  private:
    QString dir_;
    std::vector<Asset> assets_;
};

} // namespace artgen
