// The settings file: whatever it holds, the settings open, a damaged file is set aside, every save reaches the file
// and reads back, and the values read before are kept.
#include "AppSettings.h"
#include "FuzzCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

// Most of a run is spent in the store's allocations, and AddressSanitizer records where each one was made: two
// frames say enough of that, while every access is checked as before.
extern "C" const char *__asan_default_options()
{
    return "malloc_context_size=2";
}

namespace {

// Each run writes the settings file several times, and every atomic save waits for the disk: in memory a run takes
// a fraction of the time. The scratch copies the settings work on follow the temporary folder there too.
QString scratchFolder()
{
    if (qEnvironmentVariableIsEmpty("TMPDIR") && QFileInfo(u"/dev/shm"_s).isDir()
        && QFileInfo(u"/dev/shm"_s).isWritable())
        qputenv("TMPDIR", "/dev/shm");
    return QDir::tempPath() + u"/trevlin-fuzz-settings-XXXXXX"_s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir(scratchFolder());
    static int count = 0;
    // A fresh name each time: the store keeps what it parsed of a path for the whole process.
    const QString path = dir.filePath(u"Trevlin%1.conf"_s.arg(++count));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    {
        AppSettings settings(AppSettings::openFile(path));
        const QString directory = settings.get(u"Install"_s, u"Directory"_s);
        FUZZ_CHECK(settings.save(u"Install"_s, u"HL_Dir"_s, u"C:\\Games\\Half-Life"_s));
        FUZZ_CHECK(settings.get(u"Install"_s, u"HL_dir"_s) == u"C:\\Games\\Half-Life"_s);
        FUZZ_CHECK(settings.get(u"Install"_s, u"Directory"_s) == directory);

        AppSettings reopened(AppSettings::openFile(path));
        FUZZ_CHECK(reopened.takeNotice().isEmpty());
        FUZZ_CHECK(reopened.get(u"install"_s, u"hl_dir"_s) == u"C:\\Games\\Half-Life"_s);
    }
    // The file and any damaged copy set aside: all there is in the folder.
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));
    return 0;
}
