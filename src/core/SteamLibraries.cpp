#include "SteamLibraries.h"

#include "FolderListing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

// A Steam library file lists a few folders; a file far larger than that is none.
constexpr qint64 largestVdf = 1024 * 1024;

// The words of Valve's key-value text: quoted strings (with backslash escapes), bare words, and the braces that
// open and close a section. Comments run from "//" to the line's end.
struct Token
{
    enum Kind { Text, Open, Close } kind;
    QString text;
};

std::optional<QList<Token>> tokens(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QList<Token> result;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == u'/' && i + 1 < text.size() && text[i + 1] == u'/') {
            while (i < text.size() && text[i] != u'\n')
                ++i;
        } else if (c == u'{' || c == u'}') {
            result.append(Token{c == u'{' ? Token::Open : Token::Close, {}});
            ++i;
        } else if (c == u'"') {
            QString word;
            for (++i; i < text.size() && text[i] != u'"'; ++i) {
                if (text[i] == u'\\' && i + 1 < text.size()) {
                    const QChar escaped = text[++i];
                    word += escaped == u'n' ? u'\n' : escaped == u't' ? u'\t' : escaped;
                } else {
                    word += text[i];
                }
            }
            if (i >= text.size())
                return std::nullopt; // a string that never ends
            ++i;
            result.append(Token{Token::Text, word});
        } else {
            const qsizetype start = i;
            while (i < text.size() && !text[i].isSpace() && text[i] != u'{' && text[i] != u'}' && text[i] != u'"')
                ++i;
            result.append(Token{Token::Text, text.sliced(start, i - start)});
        }
    }
    return result;
}

bool isNumber(const QString &key)
{
    bool ok = false;
    key.toUInt(&ok);
    return ok;
}

// The Steam installs of home: the usual one, the one of older clients, and the Flatpak's.
QStringList steamRootsOf(const QString &home)
{
    return {home + u"/.steam/steam"_s, home + u"/.local/share/Steam"_s,
            home + u"/.var/app/com.valvesoftware.Steam/.local/share/Steam"_s};
}

// Where a Wine prefix keeps Half-Life: below Steam, or in the folders the old boxed game chose.
const QStringList wineHalfLifeFolders{u"drive_c/Program Files (x86)/Steam/steamapps/common/Half-Life"_s,
                                      u"drive_c/Program Files/Steam/steamapps/common/Half-Life"_s,
                                      u"drive_c/Program Files (x86)/Valve/Half-Life"_s,
                                      u"drive_c/Program Files/Valve/Half-Life"_s,
                                      u"drive_c/Sierra/Half-Life"_s,
                                      u"drive_c/Program Files/Sierra/Half-Life"_s};

QStringList librariesOf(const QString &steamRoot)
{
    QStringList libraries{steamRoot};
    const QString vdf = FolderListing::findPath(steamRoot, u"steamapps/libraryfolders.vdf"_s);
    QFile file(vdf);
    if (vdf.isEmpty() || !QFileInfo(vdf).isFile() || !file.open(QIODevice::ReadOnly))
        return libraries;
    if (const std::optional<QStringList> listed = SteamLibraries::parse(file.read(largestVdf)))
        libraries += *listed;
    return libraries;
}

} // namespace

std::optional<QStringList> SteamLibraries::parse(const QByteArray &vdf)
{
    const std::optional<QList<Token>> words = tokens(vdf);
    if (!words || words->size() < 2 || words->at(0).kind != Token::Text || words->at(1).kind != Token::Open)
        return std::nullopt;
    QStringList libraries;
    int depth = 0;
    QString section; // the numbered section being read, at depth 2
    for (qsizetype i = 1; i < words->size(); ++i) {
        const Token &word = words->at(i);
        if (word.kind == Token::Open) {
            ++depth;
            continue;
        }
        if (word.kind == Token::Close) {
            if (--depth < 0)
                return std::nullopt;
            continue;
        }
        // A key, then its value or a section.
        if (i + 1 >= words->size())
            return std::nullopt;
        const Token &next = words->at(i + 1);
        if (next.kind == Token::Open) {
            if (depth == 1)
                section = word.text;
            continue;
        }
        if (next.kind == Token::Close)
            return std::nullopt;
        ++i;
        // An empty path would be taken relative to the current folder.
        if (next.text.isEmpty())
            continue;
        if (depth == 1 && isNumber(word.text))
            libraries << next.text;
        else if (depth == 2 && isNumber(section) && word.text.compare("path"_L1, Qt::CaseInsensitive) == 0)
            libraries << next.text;
    }
    if (depth != 0)
        return std::nullopt;
    return libraries;
}

bool SteamLibraries::holdsGameFolder(const QString &gameDir)
{
    const QStringList parts = QDir::cleanPath(QDir::fromNativeSeparators(gameDir)).split(u'/');
    // ... / steamapps / common / Half-Life / cstrike
    return parts.size() >= 5 && parts.at(parts.size() - 3).compare("common"_L1, Qt::CaseInsensitive) == 0
        && parts.at(parts.size() - 4).compare("steamapps"_L1, Qt::CaseInsensitive) == 0;
}

QStringList SteamLibraries::findGameFolders(const QString &home, const QStringList &steamRoots)
{
    QStringList halfLifeFolders;
    for (const QString &root : steamRoots + steamRootsOf(home)) {
        for (const QString &library : librariesOf(root))
            halfLifeFolders << QDir(library).filePath(u"steamapps/common/Half-Life"_s);
    }
    const QFileInfoList prefixes = QDir(home).entryInfoList({u".wine*"_s}, QDir::Dirs | QDir::Hidden);
    for (const QFileInfo &prefix : prefixes) {
        for (const QString &folder : wineHalfLifeFolders)
            halfLifeFolders << QDir(prefix.filePath()).filePath(folder);
    }

    QStringList found;
    QStringList seen;
    for (const QString &halfLife : std::as_const(halfLifeFolders)) {
        const QString gameDir = FolderListing::findPath(halfLife, u"cstrike"_s);
        const QString canonical = QFileInfo(gameDir).canonicalFilePath();
        if (gameDir.isEmpty() || !QFileInfo(gameDir).isDir() || seen.contains(canonical))
            continue;
        seen << canonical;
        found << QDir::toNativeSeparators(QDir::cleanPath(gameDir));
    }
    return found;
}
