#include "NameListFile.h"

#include "MessageBox.h"
#include "MultipleBots.h"
#include "UpDown.h"

#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

std::optional<NameList> NameListFile::read(QWidget *parent, const QString &gameDir)
{
    const QString path = NameList::find(gameDir);
    if (path.isEmpty()) {
        MessageBox::information(parent, NameList::missingMessage());
        return std::nullopt;
    }
    QString error;
    NameList names = NameList::read(path, &error);
    if (!error.isEmpty()) {
        MessageBox::information(parent, error);
        return std::nullopt;
    }
    return names;
}

std::optional<NameListFile::Draw> NameListFile::prepareDraw(QWidget *dialog, const QString &gameDir, QLineEdit *number,
                                                            const QString &skill, bool autoSkill)
{
    if (const QString refusal = MultipleBots::refusal(number->text(), skill, autoSkill); !refusal.isEmpty()) {
        MessageBox::information(dialog, refusal);
        return std::nullopt;
    }
    if (!UpDown::mayUseNumbers(dialog))
        return std::nullopt;
    std::optional<NameList> names = read(dialog, gameDir);
    if (!names)
        return std::nullopt;
    int count = *MultipleBots::count(number->text());
    if (count > names->size()) {
        count = names->size();
        number->setText(QString::number(count));
    }
    return Draw{std::move(*names), count};
}

void NameListFile::openInEditor(QWidget *parent, const QString &gameDir)
{
    const QString path = NameList::find(gameDir);
    if (path.isEmpty()) {
        MessageBox::information(parent, NameList::missingMessage());
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        MessageBox::information(parent,
                                u"No program is set up to open 'TRNames.txt'. Please open it in a text "
                                u"editor: %1"_s.arg(QDir::toNativeSeparators(path)));
    }
}
