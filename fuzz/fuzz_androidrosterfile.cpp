// The AndroidBot and PodBot roster file: whatever the bytes, reading ends with a result, and a file that is
// accepted writes back as lines that read again to the same roster and the same lines.
#include "AndroidAddOn.h"
#include "AndroidOptions.h"
#include "AndroidRoster.h"
#include "AndroidRosterFile.h"
#include "FuzzCheck.h"
#include "TextLines.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the add-on, the rest is the file.
    const AndroidAddOn &addOn = *AndroidAddOn::find(data[0] % 2 ? u"PodBot"_s : u"AndroidBot"_s);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    AndroidOptions options;
    AndroidRoster roster;
    if (!AndroidRosterFile::parse(bytes, addOn, options, roster).isLoaded()) {
        FUZZ_CHECK(roster.entries().isEmpty());
        return 0;
    }
    FUZZ_CHECK(AndroidRosterFile::refusal(addOn, options, roster).isEmpty());
    const QStringList written = AndroidRosterFile::lines(addOn, options, roster);

    AndroidOptions againOptions;
    AndroidRoster again;
    FUZZ_CHECK(AndroidRosterFile::parse(TextLines::join(written), addOn, againOptions, again).isLoaded());
    FUZZ_CHECK(again.entries() == roster.entries());
    FUZZ_CHECK(AndroidRosterFile::lines(addOn, againOptions, again) == written);
    return 0;
}
