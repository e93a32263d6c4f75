#include "AtomicFile.h"

#include <QSaveFile>

bool AtomicFile::write(const QString &path, const QByteArray &bytes, QString *errorString)
{
    QSaveFile file(path);
    const auto fail = [&] {
        if (errorString)
            *errorString = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    if (file.write(bytes) != bytes.size())
        return fail();
    // commit() does not notice a failed final flush, which on a full disk would put an empty file in place of
    // the old one: flush first and give up if any byte did not reach the disk.
    if (!file.flush())
        return fail();
    if (!file.commit()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return true;
}
