// The roster file of every add-on with an editor: whatever the bytes, reading ends with a result, and a file that
// is accepted writes back as lines that read again to the same roster and the same lines.
#include "FuzzCheck.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterFile.h"
#include "RosterFormat.h"
#include "RosterOptions.h"
#include "TextLines.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the add-on by its row of the table, the rest is the file.
    const RosterAddOn &addOn = RosterAddOn::all()[data[0] % RosterAddOn::all().size()];
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    RosterOptions options(addOn);
    Roster roster(addOn.format->columns);
    if (!RosterFile::parse(bytes, addOn, options, roster).isLoaded()) {
        FUZZ_CHECK(roster.isEmpty());
        return 0;
    }
    FUZZ_CHECK(!roster.isEmpty());
    FUZZ_CHECK(RosterFile::refusal(addOn, options, roster).isEmpty());
    const QStringList written = RosterFile::lines(addOn, options, roster);

    RosterOptions againOptions(addOn);
    Roster again(addOn.format->columns);
    FUZZ_CHECK(RosterFile::parse(TextLines::join(written), addOn, againOptions, again).isLoaded());
    FUZZ_CHECK(again.entries() == roster.entries());
    FUZZ_CHECK(RosterFile::lines(addOn, againOptions, again) == written);
    return 0;
}
