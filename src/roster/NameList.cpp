#include "NameList.h"

#include "BoundedFile.h"
#include "FolderListing.h"
#include "RandomSource.h"
#include "TextLines.h"

#include <QStringDecoder>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qsizetype headerLines = 4;

std::optional<QStringConverter::Encoding> byteOrderMark(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringConverter::Utf8;
    if (bytes.startsWith("\xFF\xFE"))
        return QStringConverter::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

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
    const BoundedFile::Result file = BoundedFile::read(path, BoundedFile::nameListLimit);
    if (!file.isRead()) {
        *errorMessage = u"The File 'TRNames.txt' Could Not Be Read: %1"_s.arg(file.error);
        return {};
    }
    NameList list = parse(file.bytes, errorMessage);
    if (errorMessage->isEmpty() && list.size() == 0) {
        *errorMessage = u"The File 'TRNames.txt' Holds No Bot Names. Please Put One Name On Each Line After Its "
                        u"Four Header Lines."_s;
    }
    return list;
}

NameList NameList::parse(const QByteArray &bytes, QString *errorMessage)
{
    NameList list;
    QStringList lines;
    // A list saved by an editor as UTF-8 or UTF-16 says so in its first bytes; without such a mark it is 8-bit.
    if (const std::optional<QStringConverter::Encoding> encoding = byteOrderMark(bytes)) {
        const QString text = QStringDecoder(*encoding).decode(bytes);
        if (!text.isEmpty()) {
            lines = text.split(u'\n');
            if (text.endsWith(u'\n'))
                lines.removeLast();
            for (QString &line : lines) {
                if (line.endsWith(u'\r'))
                    line.chop(1);
            }
        }
    } else {
        lines = TextLines::split(bytes);
    }
    if (lines.size() <= headerLines)
        return list;
    lines.remove(0, headerLines);
    if (lines.constLast().isEmpty())
        lines.removeLast();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!TextLines::fitsLatin1(lines.at(i)) || lines.at(i).contains(u'\r')) {
            if (errorMessage) {
                *errorMessage = u"The File 'TRNames.txt' Holds A Name On Line %1 That A Config File Cannot Carry. "
                                u"Please Save It As Plain Text With One Name On Each Line."_s.arg(i + headerLines + 1);
            }
            return list;
        }
    }
    list.m_names = std::move(lines);
    list.m_drawn.fill(false, list.m_names.size());
    list.m_left = int(list.m_names.size());
    return list;
}

std::optional<QString> NameList::draw(RandomSource &random)
{
    if (m_left <= 0)
        return std::nullopt;
    int position = random.pick(size());
    while (m_drawn.at(position))
        position = random.pick(size());
    m_drawn[position] = true;
    --m_left;
    return m_names.at(position);
}
