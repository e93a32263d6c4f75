#include "GameDirFixture.h"

#include "AppSettings.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

GameDirFixture::GameDirFixture(const QString &halfLifeFolder)
    : m_halfLifeFolder(halfLifeFolder)
{
    QDir(m_root.path()).mkpath(halfLifeFolder + u"/cstrike"_s);
}

std::unique_ptr<AppSettings> GameDirFixture::makeSettings() const
{
    return std::make_unique<AppSettings>(AppSettings::openFile(settingsPath()));
}

void GameDirFixture::write(const QString &relativePath, const QByteArray &bytes) const
{
    TestFiles::write(path(relativePath), bytes);
}

QByteArray GameDirFixture::liblist(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

void GameDirFixture::makeSetUp() const
{
    write(u"cstrike.ico"_s, "icon");
    const QByteArray old = liblist(
        {u"game \"Counter-Strike\""_s, u"version \"1.5\""_s, u"hlversion \"1110\""_s, u"gamedll \"dlls\\mp.dll\""_s});
    write(u"OLD liblist.gam"_s, old);
    write(u"liblist.gam"_s, old);
}

QString GameDirFixture::writeRecordingScript(const QString &name, bool executable) const
{
    const QString path = QDir(halfLifeDir()).filePath(name);
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    const QString record = QDir(m_root.path()).filePath(u"recorded-run.txt"_s);
    script.write(u"#!/bin/sh\n{ pwd; for a in \"$@\"; do echo \"$a\"; done; } > \"%1.part\"\nmv \"%1.part\" \"%1\"\n"_s
                     .arg(record)
                     .toUtf8());
    script.close();
    if (executable)
        script.setPermissions(script.permissions() | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    return path;
}

QStringList GameDirFixture::recordedRun() const
{
    QFile record(QDir(m_root.path()).filePath(u"recorded-run.txt"_s));
    if (!QTest::qWaitFor([&] { return record.exists(); }, 5000))
        return {};
    if (!record.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(record.readAll()).split(u'\n', Qt::SkipEmptyParts);
}
