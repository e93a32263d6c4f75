// Versions.txt as the update server serves it: whatever the bytes, at most twelve versions come out, each one
// line, none after the label line that ends the list, and each can be compared with an installed version.
#include "FuzzCheck.h"
#include "TextLines.h"
#include "UpdateLists.h"
#include "VersionMarks.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ServerVersions versions = UpdateLists::parseVersions(bytes);
    const QStringList lines = TextLines::split(bytes);
    bool ended = false;
    for (int index = 0; index < int(versions.size()); ++index) {
        const QString &version = versions[index];
        FUZZ_CHECK(!version.contains(u'\n'));
        const qsizetype label = 2 * index;
        ended = ended || label + 1 >= lines.size() || lines[label].isEmpty();
        FUZZ_CHECK(version == (ended ? QString() : lines[label + 1]));
        // The update window marks rows from these; only the answer may vary.
        VersionMarks::isNewer(index, version, u"N/A"_s);
        VersionMarks::isNewer(index, version, u"1.0"_s);
    }
    return 0;
}
