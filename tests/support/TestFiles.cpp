#include "TestFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

void TestFiles::write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestFiles::read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QByteArray TestFiles::roster(const QString &botName, const QByteArray &bots)
{
    return "//" + botName.toLatin1()
        + " Config File Created With\r\n//Counter-Strike Trevlin 2.0\r\npause 3\r\nmp_autoteambalance 0\r\n"
          "waypoint off\r\nwaypoint 1 off\r\nwaypoint 2 off\r\nobserver 0\r\nbotsdontshoot 0\r\nmin_bots 0\r\n"
          "max_bots 0\r\nbotskill 2\r\n"
        + bots;
}

QStringList TestFiles::listing(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        QString entry = info.filePath();
        if (info.isSymLink())
            entry += QStringLiteral(" -> ") + info.symLinkTarget();
        else if (info.isFile())
            entry += u' ' + QString::fromLatin1(QCryptographicHash::hash(read(entry), QCryptographicHash::Sha256).toHex());
        entries.append(entry);
    }
    entries.sort();
    return entries;
}
