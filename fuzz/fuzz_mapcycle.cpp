// mapcycle.txt: whatever the bytes, every entry read is one the map cycle editor can write, and the written file
// reads back as the same entries.
#include "FuzzCheck.h"
#include "MapCycleFile.h"
#include "TextLines.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList entries = MapCycleFile::parse(bytes);
    for (const QString &entry : entries)
        FUZZ_CHECK(!entry.isEmpty());
    FUZZ_CHECK(MapCycleFile::refusal(entries).isEmpty());
    FUZZ_CHECK(MapCycleFile::parse(TextLines::join(entries)) == entries);
    return 0;
}
