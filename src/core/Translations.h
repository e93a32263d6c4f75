#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class AppSettings;
class QTranslator;

// The languages the program's texts come in beside English, and the translators of one run. English is the
// source language: choosing it loads nothing, so its texts stay exactly the sources.
class Translations
{
public:
    // Codes as the translation files are named; "en" stands for the English source texts.
    static inline const QString english = QStringLiteral("en");
    static QStringList codes();
    // The application property that holds the language of this run, so that the language menu can check it.
    static inline constexpr char languageProperty[] = "trevlinLanguage";

    // One of codes() for a code as a user or a desktop writes it ("de", "de_DE.UTF-8", "pt-BR", "C"), English for
    // C, POSIX and every English locale, and empty for a language the program has no texts in.
    static QString match(const QString &code);
    // The language of this run: the one asked for on the command line, else the one chosen in the window, else
    // the first of the desktop's languages that the program has (English among them).
    static QString choose(const QString &asked, const AppSettings &settings,
                          const QStringList &desktopLanguages = desktopDefault());
    static QStringList desktopDefault();

    // Installs the program's texts in language, and Qt's own for the standard buttons, into the running
    // application for as long as this object lives.
    explicit Translations(const QString &language);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

private:
    std::unique_ptr<QTranslator> m_own;
    std::unique_ptr<QTranslator> m_qt;
};
