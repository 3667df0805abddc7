#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace kp {

Language desktopLanguage(const QStringList& uiLanguages) {
    for (QString wanted : uiLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = wanted.section(QLatin1Char('_'), 0, 0);
        for (const LanguageInfo& l : Languages) {
            const QString code = QString::fromLatin1(l.code);
            // Brazilian Portuguese serves every Portuguese.
            if (wanted == code || base == code.section(QLatin1Char('_'), 0, 0)) return l.language;
        }
    }
    return Language::French;
}

namespace {
Language installedLanguage = Language::English;
} // namespace

Language Translations::inUse() {
    return installedLanguage;
}

QLocale Translations::locale() {
    return QLocale(QString::fromLatin1(languageInfo(installedLanguage).code));
}

Translations::~Translations() {
    if (installed_) installedLanguage = Language::English; // its translators leave with it
}

void Translations::use(Language language) {
    if (installed_ && language == language_) return;
    QCoreApplication::removeTranslator(&game_);
    QCoreApplication::removeTranslator(&qt_);
    language_ = language;
    installedLanguage = language;
    installed_ = true;
    const QString code = QString::fromLatin1(languageInfo(language).code);
    // Qt's own texts: a language Qt has no file for keeps its English ones.
    if (language != Language::English &&
        qt_.load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    if (language != Language::English &&
        game_.load(QStringLiteral(":/i18n/kembrolla-panic_") + code))
        QCoreApplication::installTranslator(&game_);
    // Qt posts the change to every window; it is delivered now, so that what the window shows
    // next (and the message box that may follow) is in the new language.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

QString noDisplayMessage(Language language) {
    constexpr const char* source = QT_TRANSLATE_NOOP(
        "Startup",
        "No display could be opened: the game needs a graphical session (X11 or Wayland).");
    QTranslator game;
    if (language != Language::English &&
        game.load(QStringLiteral(":/i18n/kembrolla-panic_") +
                  QString::fromLatin1(languageInfo(language).code)))
        if (const QString said = game.translate("Startup", source); !said.isEmpty()) return said;
    return QString::fromUtf8(source);
}

} // namespace kp
