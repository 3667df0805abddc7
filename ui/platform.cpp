#include "platform.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLocale>
#include <QMessageBox>
#include <QSystemTrayIcon>

namespace kp {

std::filesystem::path systemPath(const QString& name) {
    namespace fs = std::filesystem;
    const fs::path encoded(QFile::encodeName(name).toStdString());
    std::error_code ec;
    if (fs::exists(fs::symlink_status(encoded, ec)) || !name.contains(QChar::ReplacementCharacter))
        return encoded;
    const QString wanted = QFileInfo(name).fileName();
    fs::path found;
    for (const fs::directory_entry& entry : fs::directory_iterator(encoded.parent_path(), ec)) {
        const std::string bytes = entry.path().filename().string();
        if (QFile::decodeName(QByteArray::fromStdString(bytes)) != wanted) continue;
        if (!found.empty()) return encoded; // two names look the same: neither is chosen
        found = entry.path();
    }
    return found.empty() ? encoded : found;
}

void QtPlatform::message(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Kembrolla Panic!"), text);
}

bool QtPlatform::question(QWidget* parent, const QString& text, bool defaultYes) {
    return QMessageBox::question(
               parent, QStringLiteral("Kembrolla Panic!"), text, QMessageBox::Yes | QMessageBox::No,
               defaultYes ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

namespace {
// The file choosers' own texts have always been French, in English too: their source is the
// French text, which English shows as it stands.
QString chooserText(const char* source) {
    return QCoreApplication::translate("FileChooser", source);
}

// Both saved-game dialogs start on "Partie1" with the one filter of the game's files.
void prepareGameDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilter(
        chooserText(QT_TRANSLATE_NOOP("FileChooser", "Parties Kembrolla Panic! (*.Kembrolla)")));
    dialog.setDefaultSuffix(QStringLiteral("Kembrolla"));
    dialog.selectFile(chooserText(QT_TRANSLATE_NOOP("FileChooser", "Partie1")));
}
} // namespace

std::optional<QString> QtPlatform::openGame(QWidget* parent) {
    QFileDialog dialog(parent, chooserText(QT_TRANSLATE_NOOP("FileChooser", "Ouvrir une partie")));
    prepareGameDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtPlatform::saveGame(QWidget* parent) {
    QFileDialog dialog(parent,
                       chooserText(QT_TRANSLATE_NOOP("FileChooser", "Enregistrer la partie sous")));
    prepareGameDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile); // asks before replacing an existing file
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().first();
    if (!QFileInfo::exists(path)) {
        const QString name = QFileInfo(path).fileName();
        const QString ask = QCoreApplication::translate(
            "Messages", "%1 does not exist.\nDo you want to create it?");
        if (!question(parent, ask.arg(name), true)) return std::nullopt;
    }
    return path;
}

std::optional<QColor> QtPlatform::chooseColour(QWidget* parent, const QColor& initial) {
    const QColor c =
        QColorDialog::getColor(initial, parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!c.isValid()) return std::nullopt;
    return c;
}

std::optional<QString> QtPlatform::openPicture(QWidget* parent) {
    QFileDialog dialog(parent,
                       chooserText(QT_TRANSLATE_NOOP("FileChooser", "Ouvrir une image de fond")));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {chooserText(QT_TRANSLATE_NOOP("FileChooser", "Tous (*.bmp *.jpg *.jpeg)")),
         chooserText(QT_TRANSLATE_NOOP("FileChooser", "Bitmaps (*.bmp)")),
         chooserText(QT_TRANSLATE_NOOP("FileChooser", "Images JPEG (*.jpg *.jpeg)"))});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<std::pair<QFont, QColor>> QtPlatform::chooseFont(QWidget* parent, const QFont& font,
                                                               const QColor& colour) {
    // Qt's font chooser has no colour field: the colour is asked right after the font.
    QFontDialog dialog(font, parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    // The chooser shows the nearest font it lists (a face missing here, a weight it names
    // otherwise); accepted as shown, the font is the one asked for, not that stand-in.
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QFont chosen = dialog.selectedFont() == shown ? font : dialog.selectedFont();
    const auto c = chooseColour(parent, colour);
    return std::make_pair(chosen, c.value_or(colour));
}

QStringList QtPlatform::uiLanguages() const {
    return QLocale::system().uiLanguages();
}

bool QtPlatform::notificationArea() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtPlatform::quit() {
    QCoreApplication::quit();
}

} // namespace kp
