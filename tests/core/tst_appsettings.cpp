#include "AppSettings.h"
#include "TestFiles.h"
#include "Translations.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestAppSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_files = 0;
    QString freshPath() { return m_dir.filePath(u"settings%1.conf"_s.arg(++m_files)); }

private Q_SLOTS:
    // A settings file written by an earlier version of the program, or by hand, is read as it is, and a fresh one is
    // written in the same places.
    void valuesLieWhereEarlierRunsKeptThem()
    {
        const QString earlier = freshPath();
        TestFiles::write(earlier,
                         "[install]\nhl_dir=/games\nDirectory=/games/cstrike\n[Auto%20Execute]\nRamBot=a.cfg\n");
        const AppSettings old(AppSettings::openFile(earlier));
        QCOMPARE(old.value(AppSettings::Key::GameDir), u"/games/cstrike"_s);
        QCOMPARE(old.value(AppSettings::Key::HalfLifeDir), u"/games"_s);
        QCOMPARE(old.value(AppSettings::Family::AutostartFile, u"RamBot"_s), u"a.cfg"_s);

        const QString path = freshPath();
        AppSettings fresh(AppSettings::openFile(path));
        QCOMPARE(fresh.value(AppSettings::Key::GameDir), AppSettings::none);
        QCOMPARE(fresh.get(u"Versions"_s, u"RamBot"_s, u"0"_s), u"0"_s);
        QVERIFY(fresh.setValue(AppSettings::Key::GameDir, u"/games/cstrike"_s));
        QVERIFY(fresh.setValue(AppSettings::Key::HalfLifeDir, u"/games"_s));
        QVERIFY(fresh.setValue(AppSettings::Family::AutostartFile, u"RamBot"_s, u"a.cfg"_s));
        QCOMPARE(TestFiles::read(path),
                 "[Auto%20Execute]\nRamBot=a.cfg\n\n[Install]\nDirectory=/games/cstrike\nHL_Dir=/games\n"_ba);
    }

    void languageOfTheRun_data()
    {
        QTest::addColumn<QString>("asked"); // on the command line
        QTest::addColumn<QString>("saved"); // chosen in the window
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("language");
        const auto row = [](const char *name, const QString &asked, const QString &saved, const QString &desktop,
                            const QString &language) {
            QTest::newRow(name) << asked << saved << desktop.split(u' ') << language;
        };
        const QString none = AppSettings::none;
        row("C and POSIX desktops", {}, none, u"C POSIX"_s, u"en"_s);
        row("a German locale", {}, none, u"de_DE.UTF-8"_s, u"de"_s);
        row("Portuguese of Portugal", {}, none, u"pt-PT"_s, u"pt_BR"_s);
        row("the first the program has", {}, none, u"fr-FR ru-RU de-DE"_s, u"ru"_s);
        row("English before German", {}, none, u"en-US de-DE"_s, u"en"_s);
        row("none the program has", {}, none, u"fr-FR"_s, u"en"_s);
        row("the saved choice", {}, u"ru"_s, u"de-DE"_s, u"ru"_s);
        row("English saved", {}, u"en"_s, u"de-DE"_s, u"en"_s);
        row("a saved value it does not know", {}, u"xx"_s, u"de-DE"_s, u"de"_s);
        row("the command line first", u"pt_BR"_s, u"ru"_s, u"de-DE"_s, u"pt_BR"_s);
        row("a locale on the command line", u"de_AT.UTF-8"_s, none, u"C"_s, u"de"_s);
    }

    void languageOfTheRun()
    {
        QFETCH(QString, asked);
        QFETCH(QString, saved);
        QFETCH(QStringList, desktop);
        QFETCH(QString, language);
        AppSettings settings(AppSettings::openFile(freshPath()));
        if (saved != AppSettings::none)
            QVERIFY(settings.setValue(AppSettings::Key::Language, saved));
        QCOMPARE(Translations::choose(asked, settings, desktop), language);
    }

    void keysIgnoreLetterCase_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("otherSection"); // saved to second
        QTest::addColumn<QString>("otherKey");
        QTest::addColumn<bool>("same"); // the second spelling names the first key
        QTest::newRow("HL_Dir read as HL_dir") << u"Install"_s << u"HL_Dir"_s << u"Install"_s << u"HL_dir"_s << true;
        QTest::newRow("section case") << u"Auto Execute"_s << u"RamBot"_s << u"auto execute"_s << u"RamBot"_s << true;
        QTest::newRow("bot name case") << u"Auto Execute"_s << u"NNBot"_s << u"Auto Execute"_s << u"nnbot"_s << true;
        QTest::newRow("trailing blanks are kept")
            << u"Versions"_s << u"RamBot"_s.leftJustified(23) << u"Versions"_s << u"RamBot"_s << false;
    }

    void keysIgnoreLetterCase()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, otherSection);
        QFETCH(QString, otherKey);
        QFETCH(bool, same);
        const QString path = freshPath();
        {
            AppSettings settings(AppSettings::openFile(path));
            QVERIFY(settings.save(section, key, u"first"_s));
            // Saving under another spelling replaces the value instead of adding a second key.
            QVERIFY(settings.save(otherSection, otherKey, u"second"_s));
            QCOMPARE(settings.get(otherSection, otherKey), u"second"_s);
            // Windows save their place whenever they hide; the file is only written when a value changes.
            TestFiles::write(path, TestFiles::read(path) + "; a note made by hand\n");
            QVERIFY(settings.save(otherSection.toUpper(), otherKey, u"second"_s));
            QVERIFY(TestFiles::read(path).contains("a note made by hand"));
        }
        AppSettings reopened(AppSettings::openFile(path));
        QCOMPARE(reopened.get(section, key), same ? u"second"_s : u"first"_s);
        QCOMPARE(reopened.get(otherSection, otherKey), u"second"_s);
        QCOMPARE(QSettings(path, QSettings::IniFormat).allKeys().size(), same ? 1 : 2);
    }

    // One line the store cannot parse used to make every later save report failure.
    void damagedFileIsSetAside()
    {
        const QString path = freshPath();
        const QByteArray damaged = "x\n[Install]\nDirectory=/games/cstrike\n";
        TestFiles::write(path, damaged);
        AppSettings settings(AppSettings::openFile(path));
        QCOMPARE(settings.get(u"Install"_s, u"Directory"_s), u"/games/cstrike"_s);
        const QString notice = settings.takeNotice();
        QVERIFY2(notice.contains(QDir::toNativeSeparators(path + u".damaged"_s)), qPrintable(notice));
        QCOMPARE(settings.takeNotice(), QString());
        QCOMPARE(TestFiles::read(path + u".damaged"_s), damaged);

        QVERIFY(settings.save(u"Install"_s, u"HL_Dir"_s, u"/games"_s));
        AppSettings reopened(AppSettings::openFile(path));
        QCOMPARE(reopened.get(u"Install"_s, u"HL_dir"_s), u"/games"_s);
        QCOMPARE(reopened.get(u"Install"_s, u"Directory"_s), u"/games/cstrike"_s);
        QCOMPARE(reopened.takeNotice(), QString());
    }
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
