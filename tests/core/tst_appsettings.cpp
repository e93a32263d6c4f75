#include "AppSettings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestAppSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unsetValuesReadAsNone();
    void valuesLieWhereEarlierRunsKeptThem_data();
    void valuesLieWhereEarlierRunsKeptThem();
    void keysIgnoreLetterCase_data();
    void keysIgnoreLetterCase();
    void paddedKeysRoundTrip();
    void unchangedValueIsNotWrittenAgain();
    void damagedFileIsSetAside();

private:
    QTemporaryDir m_dir;
    int m_files = 0;
    QString freshPath() { return m_dir.filePath(u"settings%1.conf"_s.arg(++m_files)); }
};

void TestAppSettings::unsetValuesReadAsNone()
{
    AppSettings settings(AppSettings::openFile(freshPath()));
    QCOMPARE(settings.get(u"Install"_s, u"Directory"_s), u"None"_s);
    QCOMPARE(settings.get(u"Versions"_s, u"RamBot"_s, u"0"_s), u"0"_s);
}

namespace {

// One value of each kind: the game folder, the Half-Life folder, and RamBot's autostart file.
enum class Kept { GameDir, HalfLifeDir, Autostart };

QString valueOf(const AppSettings &settings, Kept kept)
{
    switch (kept) {
    case Kept::GameDir:
        return settings.value(AppSettings::Key::GameDir);
    case Kept::HalfLifeDir:
        return settings.value(AppSettings::Key::HalfLifeDir);
    case Kept::Autostart:
        break;
    }
    return settings.value(AppSettings::Family::AutostartFile, u"RamBot"_s);
}

bool keep(AppSettings &settings, Kept kept, const QString &value)
{
    switch (kept) {
    case Kept::GameDir:
        return settings.setValue(AppSettings::Key::GameDir, value);
    case Kept::HalfLifeDir:
        return settings.setValue(AppSettings::Key::HalfLifeDir, value);
    case Kept::Autostart:
        break;
    }
    return settings.setValue(AppSettings::Family::AutostartFile, u"RamBot"_s, value);
}

} // namespace

// A settings file written by an earlier version of the program, or by hand, is read as it is, and a fresh one is
// written in the same places.
void TestAppSettings::valuesLieWhereEarlierRunsKeptThem_data()
{
    QTest::addColumn<Kept>("kept");
    QTest::addColumn<QByteArray>("earlier"); // the file an earlier run left
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("written"); // what a fresh file holds once the same value is saved
    QTest::newRow("game folder") << Kept::GameDir << QByteArray("[Install]\nDirectory=/games/cstrike\n")
                                 << u"/games/cstrike"_s << QByteArray("[Install]\nDirectory=/games/cstrike\n");
    QTest::newRow("Half-Life folder") << Kept::HalfLifeDir << QByteArray("[install]\nhl_dir=/games\n") << u"/games"_s
                                      << QByteArray("[Install]\nHL_Dir=/games\n");
    QTest::newRow("autostart file") << Kept::Autostart << QByteArray("[Auto%20Execute]\nRamBot=mine.cfg\n")
                                    << u"mine.cfg"_s << QByteArray("[Auto%20Execute]\nRamBot=mine.cfg\n");
}

void TestAppSettings::valuesLieWhereEarlierRunsKeptThem()
{
    QFETCH(Kept, kept);
    QFETCH(QByteArray, earlier);
    QFETCH(QString, value);
    QFETCH(QByteArray, written);
    const QString earlierPath = freshPath();
    QFile file(earlierPath);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
    file.close();
    QCOMPARE(valueOf(AppSettings(AppSettings::openFile(earlierPath)), kept), value);

    const QString freshFile = freshPath();
    {
        AppSettings fresh(AppSettings::openFile(freshFile));
        QCOMPARE(valueOf(fresh, kept), AppSettings::none);
        QVERIFY(keep(fresh, kept, value));
    }
    QFile saved(freshFile);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), written);
}

void TestAppSettings::keysIgnoreLetterCase_data()
{
    QTest::addColumn<QString>("savedSection");
    QTest::addColumn<QString>("savedKey");
    QTest::addColumn<QString>("readSection");
    QTest::addColumn<QString>("readKey");
    QTest::newRow("HL_Dir read as HL_dir") << u"Install"_s << u"HL_Dir"_s << u"Install"_s << u"HL_dir"_s;
    QTest::newRow("section case") << u"Auto Execute"_s << u"RamBot"_s << u"auto execute"_s << u"RamBot"_s;
    QTest::newRow("bot name case") << u"Auto Execute"_s << u"NNBot"_s << u"Auto Execute"_s << u"nnbot"_s;
}

void TestAppSettings::keysIgnoreLetterCase()
{
    QFETCH(QString, savedSection);
    QFETCH(QString, savedKey);
    QFETCH(QString, readSection);
    QFETCH(QString, readKey);
    const QString path = freshPath();
    {
        AppSettings settings(AppSettings::openFile(path));
        QVERIFY(settings.save(savedSection, savedKey, u"first"_s));
        // Saving under another spelling replaces the value instead of adding a second key.
        QVERIFY(settings.save(readSection, readKey, u"second"_s));
        QCOMPARE(settings.get(readSection, readKey), u"second"_s);
    }
    AppSettings reopened(AppSettings::openFile(path));
    QCOMPARE(reopened.get(savedSection, savedKey), u"second"_s);
    QSettings raw(path, QSettings::IniFormat);
    QCOMPARE(raw.allKeys().size(), 1);
}

void TestAppSettings::paddedKeysRoundTrip()
{
    const QString path = freshPath();
    const QString padded = u"RamBot"_s.leftJustified(23);
    {
        AppSettings settings(AppSettings::openFile(path));
        QVERIFY(settings.save(u"Versions"_s, padded, u"1.3"_s));
        QVERIFY(settings.save(u"Versions"_s, u"RamBot"_s, u"unpadded"_s));
    }
    AppSettings reopened(AppSettings::openFile(path));
    QCOMPARE(reopened.get(u"Versions"_s, padded), u"1.3"_s);
    QCOMPARE(reopened.get(u"Versions"_s, u"RamBot"_s), u"unpadded"_s);
}

// Windows save their place whenever they hide; the file is only written when a value changes.
void TestAppSettings::unchangedValueIsNotWrittenAgain()
{
    const QString path = freshPath();
    AppSettings settings(AppSettings::openFile(path));
    QVERIFY(settings.save(u"Windows"_s, u"MainScreen"_s, u"AAAA"_s));
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write("; a note made by hand\n");
    file.close();

    QVERIFY(settings.save(u"windows"_s, u"mainscreen"_s, u"AAAA"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("; a note made by hand"));
    file.close();

    QVERIFY(settings.save(u"Windows"_s, u"MainScreen"_s, u"BBBB"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!file.readAll().contains("; a note made by hand"));
}

void TestAppSettings::damagedFileIsSetAside()
{
    // One line the store cannot parse used to make every later save report failure.
    const QString path = freshPath();
    const QByteArray damaged = "x\n[Install]\nDirectory=/games/cstrike\n";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    AppSettings settings(AppSettings::openFile(path));
    QCOMPARE(settings.get(u"Install"_s, u"Directory"_s), u"/games/cstrike"_s);
    const QString notice = settings.takeNotice();
    QVERIFY2(notice.contains(QDir::toNativeSeparators(path + u".damaged"_s)), qPrintable(notice));
    QCOMPARE(settings.takeNotice(), QString());
    QFile backup(path + u".damaged"_s);
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), damaged);

    QVERIFY(settings.save(u"Install"_s, u"HL_Dir"_s, u"/games"_s));
    AppSettings reopened(AppSettings::openFile(path));
    QCOMPARE(reopened.get(u"Install"_s, u"HL_dir"_s), u"/games"_s);
    QCOMPARE(reopened.get(u"Install"_s, u"Directory"_s), u"/games/cstrike"_s);
    QCOMPARE(reopened.takeNotice(), QString());
}

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
