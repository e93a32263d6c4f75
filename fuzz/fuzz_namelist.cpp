// TRNames.txt: whatever the bytes, every name read can go into a config file, and drawing gives each name once and
// then stops.
#include "FuzzCheck.h"
#include "NameList.h"
#include "RandomSource.h"
#include "TextLines.h"

#include <QByteArray>
#include <QSet>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    NameList list = NameList::parse(bytes, &error);
    FUZZ_CHECK(error.isEmpty() || list.size() == 0);
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
