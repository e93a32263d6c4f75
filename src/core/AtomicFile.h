#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>

class QSaveFile;

// Every file the program writes goes through here: the bytes go to a temporary file beside the target, which is
// then renamed over it. A crash, a full disk or a folder that cannot be written leaves the old file or the new one,
// never a broken one.
class AtomicFile
{
    Q_DECLARE_TR_FUNCTIONS(AtomicFile)

public:
    // True when path now holds exactly bytes. Otherwise the target is untouched and errorString says why.
    static bool write(const QString &path, const QByteArray &bytes, QString *errorString = nullptr);
    // The same with the bytes of the file source, read in pieces.
    static bool copy(const QString &source, const QString &path, QString *errorString = nullptr);
    // The same, for a file the user asked to save: empty when it was written; otherwise the message to show,
    // "Trevlin could not save "<path>": <reason>" followed by afterwards, which says what is kept.
    static QString save(const QString &path, const QByteArray &bytes, const QString &afterwards);

private:
    // fill writes size bytes into the file and says whether all were taken.
    static bool write(const QString &path, qint64 size, QString *errorString,
                      const std::function<bool(QSaveFile &)> &fill);
};
