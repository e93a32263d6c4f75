// The settings file: whatever it holds, the settings open, a damaged file is set aside, every save reaches the file
// and reads back, and the values read before are kept.
#include "AppSettings.h"
#include "FuzzCheck.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir(QDir::tempPath() + u"/trevlin-fuzz-settings-XXXXXX"_s);
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
    QFile::remove(path);
    for (const QString &backup : QDir(dir.path()).entryList({u"*.damaged*"_s}))
        QFile::remove(dir.filePath(backup));
    return 0;
}
