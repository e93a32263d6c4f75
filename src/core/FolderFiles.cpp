#include "FolderFiles.h"

#include "Platform.h"

#include <QDirIterator>
#include <QFile>

#include <algorithm>
#include <vector>

namespace {

char16_t foldAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

// The index of the first suffix that name ends in, in any letter case, with something before it; -1 for none.
qsizetype matchingSuffix(const QString &name, std::initializer_list<QStringView> suffixes)
{
    qsizetype index = 0;
    for (QStringView suffix : suffixes) {
        if (!suffix.isEmpty() && name.size() > suffix.size() && name.endsWith(suffix, Qt::CaseInsensitive))
            return index;
        ++index;
    }
    return -1;
}

enum class Match { No, Yes, Undecided };

// matchingSuffix() on the name as the folder holds it, for an ASCII suffix. A name whose end holds other bytes is
// left to the decoded text: some letters outside ASCII fold to ASCII ones.
Match endsInAscii(QByteArrayView name, QStringView suffix)
{
    if (suffix.isEmpty() || name.size() <= suffix.size())
        return Match::No;
    const QByteArrayView end = name.last(suffix.size());
    Match match = Match::Yes;
    for (qsizetype i = 0; i < end.size(); ++i) {
        const auto c = static_cast<unsigned char>(end.at(i));
        if (c >= 0x80)
            return Match::Undecided;
        if (foldAscii(c) != foldAscii(suffix.at(i).unicode()))
            match = Match::No;
    }
    return match;
}

// QFile::decodeName(), without copying the name into a byte array first. Map names are nearly all ASCII, which
// reads the same in the file name encoding and is widened much faster than it is decoded.
QString decodeName(QByteArrayView name)
{
    if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(name);
    return QString::fromLocal8Bit(name);
}

// The exact order for any text: every name case-folded once, rather than both sides of every comparison.
void sortByFoldedKeys(QStringList &names)
{
    struct Entry
    {
        QString key;
        QString name;
    };
    std::vector<Entry> entries;
    entries.reserve(size_t(names.size()));
    for (QString &name : names)
        entries.push_back({name.toCaseFolded(), std::move(name)});
    std::sort(entries.begin(), entries.end(),
              [](const Entry &a, const Entry &b) { return a.key != b.key ? a.key < b.key : a.name < b.name; });
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] = std::move(entries[size_t(i)].name);
}

} // namespace

void FolderFiles::walk(const QString &folder, std::initializer_list<QStringView> suffixes,
                       const std::function<void(qsizetype, QString)> &take)
{
    // An empty path would list the current folder, which is nobody's maps folder.
    if (folder.isEmpty())
        return;
    const bool asciiSuffixes = std::all_of(suffixes.begin(), suffixes.end(), [](QStringView suffix) {
        return std::all_of(suffix.begin(), suffix.end(), [](QChar c) { return c.unicode() < 0x80; });
    });
    // Where the platform reads folders itself; elsewhere (or a folder it cannot open, which lists nothing either
    // way) QDirIterator serves.
    const bool read = Platform::readFolder(folder, [&](const Platform::FolderEntry &entry) {
        const QByteArrayView raw = entry.name();
        qsizetype match = -1;
        bool decided = asciiSuffixes;
        qsizetype index = 0;
        for (auto suffix = suffixes.begin(); decided && suffix != suffixes.end(); ++suffix, ++index) {
            const Match found = endsInAscii(raw, *suffix);
            if (found == Match::Undecided)
                decided = false;
            else if (found == Match::Yes)
                break;
        }
        if (decided && index < qsizetype(suffixes.size()))
            match = index;
        QString name;
        if (!decided) {
            name = decodeName(raw);
            match = matchingSuffix(name, suffixes);
        }
        if (match < 0 || entry.isFolder())
            return;
        if (decided)
            name = decodeName(raw);
        take(match, std::move(name));
    });
    if (read)
        return;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        QString name = it.fileName();
        if (const qsizetype match = matchingSuffix(name, suffixes); match >= 0)
            take(match, std::move(name));
    }
}

void FolderFiles::sortCaseBlind(QStringList &names)
{
    // Map and waypoint names are nearly always ASCII. Their first sixteen characters, case-folded, are packed into
    // two numbers, so that most comparisons of the sort are two of numbers; names that tie there are compared on.
    constexpr qsizetype packed = 16;
    struct Key
    {
        quint64 high = 0;
        quint64 low = 0;
        qsizetype index = 0;
    };
    std::vector<Key> keys;
    keys.reserve(size_t(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i) {
        Key key{0, 0, i};
        const QString &name = names.at(i);
        for (qsizetype c = 0; c < name.size(); ++c) {
            const char16_t unit = name.at(c).unicode();
            if (unit >= 0x80) {
                sortByFoldedKeys(names);
                return;
            }
            if (c < packed)
                (c < 8 ? key.high : key.low) |= quint64(foldAscii(unit)) << (56 - 8 * (c % 8));
        }
        keys.push_back(key);
    }
    const auto tieBreak = [&names](qsizetype left, qsizetype right) {
        const QString &a = names.at(left);
        const QString &b = names.at(right);
        for (qsizetype c = packed; c < a.size() && c < b.size(); ++c) {
            const char16_t x = foldAscii(a.at(c).unicode());
            const char16_t y = foldAscii(b.at(c).unicode());
            if (x != y)
                return x < y;
        }
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    };
    std::sort(keys.begin(), keys.end(), [&tieBreak](const Key &a, const Key &b) {
        if (a.high != b.high)
            return a.high < b.high;
        if (a.low != b.low)
            return a.low < b.low;
        return tieBreak(a.index, b.index);
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const Key &key : keys)
        sorted.append(std::move(names[key.index]));
    names = std::move(sorted);
}
