// motd.txt: whatever the bytes, the message read is one the message editor can write, and the written file reads
// back as the same message.
#include "FuzzCheck.h"
#include "MotdFile.h"
#include "TextLines.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = MotdFile::parse(bytes);
    FUZZ_CHECK(text.isEmpty() || text.endsWith(u'\n'));
    FUZZ_CHECK(TextLines::fitsLatin1(text));
    FUZZ_CHECK(MotdFile::parse(TextLines::join(MotdFile::lines(text))) == text);
    return 0;
}
