// listenserver.cfg: whatever the bytes, a file that is not ours gives the defaults, and every file that is ours
// gives settings the server window can write, which read back as the same settings.
#include "FuzzCheck.h"
#include "ListenServerFile.h"
#include "TextLines.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ListenServerFile::ReadResult read = ListenServerFile::parse(bytes);
    if (read.status != ListenServerFile::ReadStatus::Loaded) {
        FUZZ_CHECK(read.status == ListenServerFile::ReadStatus::Foreign);
        FUZZ_CHECK(read.config == ListenServerConfig::defaults());
        FUZZ_CHECK(!read.message.isEmpty());
        return 0;
    }
    FUZZ_CHECK(read.message.isEmpty());
    FUZZ_CHECK(ListenServerFile::refusal(read.config, {}).isEmpty());
    const QByteArray written = TextLines::join(ListenServerFile::lines(read.config));
    const ListenServerFile::ReadResult again = ListenServerFile::parse(written);
    FUZZ_CHECK(again.status == ListenServerFile::ReadStatus::Loaded);
    FUZZ_CHECK(again.config == read.config);
    // Written once more, the file is the same byte for byte.
    FUZZ_CHECK(TextLines::join(ListenServerFile::lines(again.config)) == written);
    return 0;
}
