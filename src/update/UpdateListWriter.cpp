#include "UpdateListWriter.h"

#include "TextLines.h"

using namespace Qt::Literals::StringLiterals;

QByteArray UpdateListWriter::versions(const ServerVersions &versions)
{
    const BotCatalogue::UpdateNames names = BotCatalogue::updateNames();
    qsizetype count = qsizetype(versions.size());
    while (count > 0 && versions[count - 1].isEmpty())
        --count;
    QStringList lines;
    for (qsizetype index = 0; index < count; ++index)
        lines << names[index].trimmed() << versions[index];
    return TextLines::join(lines);
}

QByteArray UpdateListWriter::fileList(const QList<UpdateFile> &files)
{
    QStringList lines;
    for (const UpdateFile &file : files) {
        lines << file.url << (file.root == UpdateRoot::HalfLife ? u"half-life_dir"_s : u"counter-strike_dir"_s)
              << u"sha256:"_s + QString::fromLatin1(file.sha256.toHex());
        lines += file.folders;
        // The name follows its folders directly, so it carries its own separator.
        lines << u"---EndSubDirectories---"_s << u'\\' + file.fileName << QString(20, u'-');
    }
    return TextLines::join(lines);
}
