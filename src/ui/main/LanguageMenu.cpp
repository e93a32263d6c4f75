#include "LanguageMenu.h"

#include "AppSettings.h"
#include "MessageBox.h"
#include "Translations.h"

#include <QActionGroup>
#include <QApplication>

using namespace Qt::Literals::StringLiterals;

namespace {

// Each language's name in that language, so that a user finds their own whatever the texts around it are in:
// these names are never translated.
struct Language
{
    QString code;
    QString name;
    QString objectName;
};
const Language languages[] = {
    {Translations::english, u"&English"_s, u"languageEnglish"_s},
    {u"de"_s, u"&Deutsch"_s, u"languageGerman"_s},
    {u"ru"_s, u"&Русский"_s, u"languageRussian"_s},
    {u"pt_BR"_s, u"&Português (Brasil)"_s, u"languagePortuguese"_s},
};

} // namespace

LanguageMenu::LanguageMenu(AppSettings &settings, QWidget *parent)
    : QMenu(tr("&Language"), parent)
    , m_settings(settings)
{
    setObjectName(u"languageMenu"_s);
    menuAction()->setObjectName(u"language"_s);
    // A test's application says nothing of a language: its texts are the English ones.
    QString current = qApp->property(Translations::languageProperty).toString();
    if (current.isEmpty())
        current = Translations::english;
    auto *group = new QActionGroup(this);
    for (const Language &language : languages) {
        QAction *entry = addAction(language.name);
        entry->setObjectName(language.objectName);
        entry->setCheckable(true);
        entry->setChecked(language.code == current);
        group->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, code = language.code] { choose(code); });
    }
}

void LanguageMenu::choose(const QString &code)
{
    if (!m_settings.setValue(AppSettings::Key::Language, code)) {
        MessageBox::information(parentWidget(), tr("Trevlin could not save the language in \"%1\".")
                                                    .arg(m_settings.location()));
        return;
    }
    MessageBox::information(parentWidget(), tr("The texts will be in the chosen language when Trevlin starts next."));
}
