#include "NameListFile.h"

#include "MessageBox.h"

#include <QDesktopServices>
#include <QDir>
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
