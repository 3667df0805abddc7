#include "platform.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace kp {

void QtPlatform::message(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Kembrolla Panic!"), text);
}

std::optional<QColor> QtPlatform::chooseColour(QWidget* parent, const QColor& initial) {
    const QColor c =
        QColorDialog::getColor(initial, parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!c.isValid()) return std::nullopt;
    return c;
}

std::optional<QString> QtPlatform::openPicture(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Ouvrir une image de fond"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Tous (*.bmp *.jpg *.jpeg)"),
                           QStringLiteral("Bitmaps (*.bmp)"),
                           QStringLiteral("Images JPEG (*.jpg *.jpeg)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<std::pair<QFont, QColor>> QtPlatform::chooseFont(QWidget* parent, const QFont& font,
                                                               const QColor& colour) {
    // Qt's font chooser has no colour field: the colour is asked right after the font.
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, font, parent, QString(), QFontDialog::DontUseNativeDialog);
    if (!ok) return std::nullopt;
    const auto c = chooseColour(parent, colour);
    return std::make_pair(chosen, c.value_or(colour));
}

} // namespace kp
