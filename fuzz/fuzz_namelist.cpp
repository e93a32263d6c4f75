// TRNames.txt: whatever the bytes, the names are those a plain reading line by line gives, every name read can go
// into a config file, and drawing gives each name once and then stops.
#include "FuzzCheck.h"
#include "NameList.h"
#include "RandomSource.h"
#include "TextLines.h"

#include <QByteArray>
#include <QSet>
#include <QStringDecoder>

#include <cstddef>
#include <cstdint>

namespace {

// The names read the plainest way: the whole text split at its line feeds, then looked at name by name.
QStringList plainNames(const QByteArray &bytes, bool *refused)
{
    *refused = false;
    QString text = QString::fromLatin1(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        text = QStringDecoder(QStringConverter::Utf8).decode(bytes);
    else if (bytes.startsWith("\xFF\xFE"))
        text = QStringDecoder(QStringConverter::Utf16LE).decode(bytes);
    else if (bytes.startsWith("\xFE\xFF"))
        text = QStringDecoder(QStringConverter::Utf16BE).decode(bytes);
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n'))
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    if (lines.size() <= 4)
        return {};
    lines.remove(0, 4);
    if (lines.constLast().isEmpty())
        lines.removeLast();
    for (const QString &line : std::as_const(lines)) {
        if (!TextLines::fitsLatin1(line) || line.contains(u'\r')) {
            *refused = true;
            return {};
        }
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    NameList list = NameList::parse(bytes, &error);
    FUZZ_CHECK(error.isEmpty() || list.size() == 0);
    bool refused = false;
    FUZZ_CHECK(list.names() == plainNames(bytes, &refused));
    FUZZ_CHECK(refused == !error.isEmpty());
    for (const QString &name : list.names())
        FUZZ_CHECK(TextLines::fitsLatin1(name) && !name.contains(u'\r') && !name.contains(u'\n'));

    RandomSource random;
    QStringList drawn;
    while (const std::optional<QString> name = list.draw(random))
        drawn << *name;
    QStringList all = list.names();
    all.sort();
    drawn.sort();
    FUZZ_CHECK(drawn == all);
    FUZZ_CHECK(list.left() == 0);
    return 0;
}
