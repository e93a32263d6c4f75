#include "Translations.h"

#include "AppSettings.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

QStringList Translations::codes()
{
    return {english, u"de"_s, u"ru"_s, u"pt_BR"_s};
}

QString Translations::match(const QString &code)
{
    // A locale name may carry an encoding and a variant ("de_DE.UTF-8@euro"); Qt writes a dash where a locale
    // name has an underscore.
    QString name = code.section(u'.', 0, 0).section(u'@', 0, 0);
    name.replace(u'-', u'_');
    if (name.isEmpty() || name == "C"_L1 || name == "POSIX"_L1)
        return english;
    const QString language = name.section(u'_', 0, 0).toLower();
    // Portuguese speakers elsewhere read the Brazilian texts more easily than English ones.
    if (language == "pt"_L1)
        return u"pt_BR"_s;
    return codes().contains(language) ? language : QString();
}

QStringList Translations::desktopDefault()
{
    return QLocale::system().uiLanguages();
}

QString Translations::choose(const QString &asked, const AppSettings &settings, const QStringList &desktopLanguages)
{
    if (!asked.isEmpty())
        return match(asked);
    if (const QString saved = settings.value(AppSettings::Key::Language); saved != AppSettings::none) {
        if (const QString language = match(saved); !language.isEmpty())
            return language;
    }
    for (const QString &desktop : desktopLanguages) {
        const QString language = match(desktop);
        if (!language.isEmpty())
            return language;
    }
    return english;
}

Translations::Translations(const QString &language)
{
    if (language == english || language.isEmpty())
        return;
    m_own = std::make_unique<QTranslator>();
    if (m_own->load(u":/translations/trevlin_%1.qm"_s.arg(language)))
        QCoreApplication::installTranslator(m_own.get());
    // Debian ships Qt's own texts (the standard buttons, the command line's) in its translations folder.
    m_qt = std::make_unique<QTranslator>();
    if (m_qt->load(u"qtbase_"_s + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_qt.get());
}

Translations::~Translations() = default;
