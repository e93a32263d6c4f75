#include "NameList.h"

#include "FolderListing.h"
#include "RandomSource.h"
#include "TextLines.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qsizetype headerLines = 4;

} // namespace

QString NameList::missingMessage()
{
    return u"The File 'TRNames.txt' Was Not Found In Your Counter-Strike Directory. Please Install It Or Read The "
           u"Documentation."_s;
}

QString NameList::find(const QString &gameDir)
{
    return FolderListing(gameDir).find(fileName);
}

NameList NameList::read(const QString &path, QString *errorMessage)
{
    errorMessage->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *errorMessage = u"The File 'TRNames.txt' Could Not Be Read: %1."_s.arg(file.errorString());
        return {};
    }
    NameList list = parse(file.readAll());
    if (file.error() != QFileDevice::NoError) {
        *errorMessage = u"The File 'TRNames.txt' Could Not Be Read: %1."_s.arg(file.errorString());
        return {};
    }
    if (list.size() == 0) {
        *errorMessage = u"The File 'TRNames.txt' Holds No Bot Names. Please Put One Name On Each Line After Its "
                        u"Four Header Lines."_s;
    }
    return list;
}

NameList NameList::parse(const QByteArray &bytes)
{
    NameList list;
    QStringList lines = TextLines::split(bytes);
    if (lines.size() <= headerLines)
        return list;
    lines.remove(0, headerLines);
    if (lines.constLast().isEmpty())
        lines.removeLast();
    list.m_names = std::move(lines);
    list.m_drawn.fill(false, list.m_names.size());
    return list;
}

QString NameList::draw(RandomSource &random)
{
    int position = random.pick(size());
    while (m_drawn.at(position))
        position = random.pick(size());
    m_drawn[position] = true;
    return m_names.at(position);
}
