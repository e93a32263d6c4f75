// An update item's file list: whatever the bytes, the list is refused whole or every file in it is fetched from
// inside the item's folder on the server and lands inside its root folder on the disk.
#include "FuzzCheck.h"
#include "ItemInstaller.h"
#include "UpdateLists.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <QUrl>

#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Two empty roots, made once: the target paths are only worked out, nothing is written.
    static QTemporaryDir dir(QDir::tempPath() + u"/trevlin-fuzz-filelist-XXXXXX"_s);
    static const ItemInstaller::Roots roots = [] {
        QDir(dir.path()).mkpath(u"Half-Life/cstrike"_s);
        return ItemInstaller::Roots{dir.filePath(u"Half-Life"_s), dir.filePath(u"Half-Life/cstrike"_s)};
    }();
    static const QString baseUrl = u"http://update.test/files/"_s;
    static const QString itemFolder = baseUrl + u"RamBot/"_s;

    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const FileList list = UpdateLists::parseFileList(bytes, baseUrl, u"RamBot"_s);
    if (!list.error.isEmpty()) {
        FUZZ_CHECK(list.files.isEmpty());
        FUZZ_CHECK(list.error.contains(u"RamBot"_s));
        return 0;
    }
    for (const UpdateFile &file : list.files) {
        FUZZ_CHECK(file.url.startsWith(itemFolder));
        FUZZ_CHECK(file.url.mid(itemFolder.size()) == file.shortAddress);
        // The address as a server may read it, its escapes decoded, a backslash taken for a slash and its dot
        // segments resolved, is still inside the item's folder.
        QString decoded = QUrl::fromPercentEncoding(file.url.toUtf8());
        decoded.replace(u'\\', u'/');
        const QString path = QUrl(decoded).adjusted(QUrl::NormalizePathSegments).path();
        FUZZ_CHECK(path.startsWith(u"/files/RamBot/"_s));
        FUZZ_CHECK(file.sha256.isEmpty() || file.sha256.size() == 32);
        for (const QString &name : file.folders + QStringList{file.fileName})
            FUZZ_CHECK(!UpdateLists::refuseName(name));

        // Appended to its root, as the installer does, the names stay below it.
        const QString root = file.root == UpdateRoot::HalfLife ? roots.halfLife : roots.counterStrike;
        const QString target = root + u'/' + (file.folders + QStringList{file.fileName}).join(u'/');
        FUZZ_CHECK(QDir::cleanPath(target).startsWith(root + u'/'));
        FUZZ_CHECK(QDir::cleanPath(target) == target);
    }
    return 0;
}
