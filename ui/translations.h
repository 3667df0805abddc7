#pragma once
// The game's captions and Qt's own (its buttons and standard dialogs) in one language at a
// time. Choosing a language installs its translations; every widget then hears
// QEvent::LanguageChange and words itself again.

#include "ui/language.h"

#include <QLocale>
#include <QTranslator>

namespace kp {

class Translations {
  public:
    Translations() = default;
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;
    ~Translations();

    // Installs the language's translations in place of the previous ones, and has every widget
    // reworded before it returns. English is the source language: it needs no game file.
    void use(Language language);
    // The language installed last, for what is worded outside the translations (numbers and
    // dates in its locale); English before any.
    static Language inUse();
    static QLocale locale();

  private:
    Language language_ = Language::English;
    bool installed_ = false;
    QTranslator game_;
    QTranslator qt_;
};

// Says that no display could be opened, in `language`, from the game's translations alone: Qt
// could not start, and there is no application to install them in.
QString noDisplayMessage(Language language);

} // namespace kp

#include <QEvent>

namespace kp {

// A widget that words itself again whenever the language changes: Qt sends every widget
// QEvent::LanguageChange once new translations are installed. Its constructor words it first.
template <class Base> class Translated : public Base {
  public:
    using Base::Base;

  protected:
    // Sets every text the widget shows, in the language in use.
    virtual void retranslate() = 0;
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) retranslate();
        Base::changeEvent(event);
    }
};

} // namespace kp
