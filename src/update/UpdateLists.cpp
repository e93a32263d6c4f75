#include "UpdateLists.h"

#include "TextLines.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

ServerVersions UpdateLists::parseVersions(const QByteArray &bytes)
{
    ServerVersions versions;
    const QStringList lines = TextLines::split(bytes);
    for (qsizetype index = 0; index < qsizetype(versions.size()); ++index) {
        const qsizetype label = 2 * index;
        if (label + 1 >= lines.size() || lines[label].isEmpty())
            break;
        versions[index] = lines[label + 1];
    }
    return versions;
}

std::optional<QString> UpdateLists::refuseName(const QString &name)
{
    if (name.isEmpty())
        return QCoreApplication::translate("UpdateLists", "an empty name");
    if (name == "."_L1 || name == ".."_L1)
        return QCoreApplication::translate("UpdateLists", "a name that leads out of its folder");
    for (const QChar c : name) {
        if (c == '/'_L1 || c == '\\'_L1 || c == ':'_L1)
            return QCoreApplication::translate("UpdateLists", "a folder separator or drive letter inside a name");
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QCoreApplication::translate("UpdateLists", "a control character");
    }
    // The game runs on Windows too, where these names are devices whatever their extension.
    static const QRegularExpression device(u"^(con|prn|aux|nul|com[0-9]|lpt[0-9])(\\..*)?$"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    if (device.match(name.trimmed()).hasMatch())
        return QCoreApplication::translate("UpdateLists", "a reserved device name");
    return std::nullopt;
}

namespace {

constexpr QLatin1StringView endOfFolders("---EndSubDirectories---");

bool leadsOut(const QString &url)
{
    return url.contains(u"/../"_s) || url.endsWith(u"/.."_s);
}

// The hash the third line of a record gives: none when the line does not claim one, nullopt when it claims one in
// any other form than "sha256:" and 64 hex digits, so that a mistyped hash never turns the check off.
std::optional<QByteArray> hashFromLine(const QString &line)
{
    if (!line.trimmed().startsWith("sha256"_L1, Qt::CaseInsensitive))
        return QByteArray();
    static const QRegularExpression hash(u"^sha256:([0-9a-fA-F]{64})$"_s);
    const QRegularExpressionMatch match = hash.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    return QByteArray::fromHex(match.captured(1).toLatin1());
}

} // namespace

FileList UpdateLists::parseFileList(const QByteArray &bytes, const QString &baseUrl, const QString &itemName,
                                    bool hashRequired)
{
    const QStringList lines = TextLines::split(bytes);
    const QString itemFolder = baseUrl + itemName + u'/';
    FileList list;
    qsizetype at = 0;
    const auto refuse = [&](qsizetype line, const QString &why) {
        list.files.clear();
        list.error
            = QCoreApplication::translate("UpdateLists", "The file list of %1 is refused: line %2 (\"%3\") holds %4.")
                  .arg(itemName, QString::number(line + 1), line < lines.size() ? lines[line] : QString(), why);
        return list;
    };
    const auto next = [&](qsizetype &line) -> std::optional<QString> {
        if (at >= lines.size())
            return std::nullopt;
        line = at;
        return lines[at++];
    };
    while (at < lines.size() && !lines[at].isEmpty()) {
        UpdateFile file;
        const qsizetype urlLine = at++;
        file.url = lines[urlLine];
        // Only files inside the item's own folder on the update server are fetched. The address is also judged as a
        // server may read it, its escapes decoded: an encoded dot ("%2e") is sent as a dot, and many servers take an
        // encoded slash or a backslash for a slash.
        const QString decoded = QUrl::fromPercentEncoding(file.url.toUtf8());
        if (!file.url.startsWith(itemFolder) || leadsOut(file.url) || leadsOut(decoded) || decoded.contains(u'\\'))
            return refuse(urlLine, QCoreApplication::translate("UpdateLists", "an address outside %1").arg(itemFolder));
        file.shortAddress = file.url.mid(itemFolder.size());
        qsizetype line = at;
        const std::optional<QString> keyword = next(line);
        if (!keyword)
            return refuse(line, QCoreApplication::translate("UpdateLists", "no root folder keyword"));
        if (keyword->compare("half-life_dir"_L1, Qt::CaseInsensitive) == 0)
            file.root = UpdateRoot::HalfLife;
        else if (keyword->compare("counter-strike_dir"_L1, Qt::CaseInsensitive) == 0)
            file.root = UpdateRoot::CounterStrike;
        else
            return refuse(line, QCoreApplication::translate("UpdateLists", "an unknown root folder keyword"));
        const std::optional<QString> unused = next(line);
        if (!unused)
            return refuse(line, QCoreApplication::translate("UpdateLists", "no third line"));
        const std::optional<QByteArray> sha256 = hashFromLine(*unused);
        if (!sha256)
            return refuse(line,
                          QCoreApplication::translate("UpdateLists",
                                                      "a sha256 hash not written as \"sha256:\" "
                                                      "and 64 hex digits"));
        if (hashRequired && sha256->isEmpty())
            return refuse(line,
                          QCoreApplication::translate("UpdateLists",
                                                      "no sha256 hash, which a signed list "
                                                      "gives for every file"));
        file.sha256 = *sha256;
        for (;;) {
            const std::optional<QString> folder = next(line);
            if (!folder)
                return refuse(line, QCoreApplication::translate("UpdateLists", "no \"---EndSubDirectories---\""));
            if (*folder == endOfFolders)
                break;
            if (const auto why = refuseName(*folder))
                return refuse(line, *why);
            file.folders.append(*folder);
        }
        const std::optional<QString> name = next(line);
        if (!name)
            return refuse(line, QCoreApplication::translate("UpdateLists", "no file name"));
        // The file name is appended directly to the folder path: a leading separator is the server's habit.
        QString fileName = *name;
        if (fileName.startsWith(u'\\') || fileName.startsWith(u'/'))
            fileName.remove(0, 1);
        if (const auto why = refuseName(fileName))
            return refuse(line, *why);
        file.fileName = fileName;
        next(line); // the separator line
        list.files.append(file);
    }
    return list;
}
