#include "Liblist.h"

#include "BoundedFile.h"
#include "TextLines.h"

using namespace Qt::Literals::StringLiterals;

std::optional<Liblist::Line> Liblist::parseLine(QStringView line)
{
    const qsizetype blank = line.indexOf(u' ');
    if (blank < 0)
        return std::nullopt;
    const qsizetype valueLength = line.size() - blank - 3;
    if (valueLength < 0)
        return std::nullopt;
    return Line{line.left(blank).toString(), line.mid(blank + 2, valueLength).toString()};
}

LiblistInfo Liblist::read(const QString &path, QString *errorString)
{
    const BoundedFile::Result file = BoundedFile::read(path, BoundedFile::smallFileLimit);
    if (!file.isRead()) {
        if (errorString)
            *errorString = file.error;
        return {};
    }
    return parse(file.bytes);
}

LiblistInfo Liblist::parse(const QByteArray &bytes)
{
    LiblistInfo info;
    for (const QString &text : TextLines::split(bytes)) {
        const std::optional<Line> line = parseLine(text);
        if (!line)
            continue;
        if (line->key == "version"_L1)
            info.version = line->value;
        else if (line->key == "hlversion"_L1)
            info.hlversion = line->value;
        else if (line->key == "gamedll"_L1)
            info.gamedll = line->value;
        else if (line->key == "gamedll_linux"_L1)
            info.gamedllLinux = line->value;
    }
    return info;
}

QString Liblist::formatHlVersion(QStringView value)
{
    QString shown;
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            shown += u'.';
        shown += value.mid(i, 1);
    }
    return shown;
}
