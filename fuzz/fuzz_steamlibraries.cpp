// Steam's libraryfolders.vdf: whatever the bytes, the reader ends with the folders or with none, and a folder it
// names is never empty.
#include "FuzzCheck.h"
#include "SteamLibraries.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<QStringList> libraries = SteamLibraries::parse(bytes)) {
        for (const QString &library : *libraries)
            FUZZ_CHECK(!library.isEmpty());
    }
    return 0;
}
