// liblist.gam: whatever the bytes, the keys come out as the line rule gives them, the last line of a key winning,
// and the Half-Life version is shown as its first four characters with dots between.
#include "FuzzCheck.h"
#include "Liblist.h"
#include "TextLines.h"

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const LiblistInfo info = Liblist::parse(bytes);

    std::optional<QString> version;
    for (const QString &text : TextLines::split(bytes)) {
        const std::optional<Liblist::Line> line = Liblist::parseLine(text);
        if (!line)
            continue;
        FUZZ_CHECK(line->key.size() + line->value.size() + 3 == text.size());
        if (line->key == "version"_L1)
            version = line->value;
    }
    FUZZ_CHECK(info.version == version);
    if (info.hlversion) {
        const QString shown = Liblist::formatHlVersion(*info.hlversion);
        FUZZ_CHECK(shown.size() == 3 + std::min<qsizetype>(4, info.hlversion->size()));
    }
    return 0;
}
