#include "AndroidAddOn.h"
#include "AndroidDocument.h"
#include "AndroidEntryCheck.h"
#include "AndroidOptions.h"
#include "AndroidRoster.h"
#include "TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestAndroidDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entryChecksRunInOrder_data();
    void entryChecksRunInOrder();
    void tracksUnsavedChanges();
    void failedReadLeavesReadOptionsAsAChange();
};

void TestAndroidDocument::entryChecksRunInOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("skill");
    QTest::addColumn<QString>("team");
    QTest::addColumn<bool>("withName");
    QTest::addColumn<QString>("message"); // a part of it; empty: none, the bot is taken

    const QString range = u"between 0 and 100"_s;
    QTest::newRow("all empty") << QString() << QString() << QString() << true << u"name the bot"_s;
    QTest::newRow("no team") << u"A"_s << QString() << QString() << true << u"select a team"_s;
    QTest::newRow("no skill") << u"A"_s << QString() << u"Terrorist"_s << true << u"enter a skill level"_s;
    QTest::newRow("101") << u"A"_s << u"101"_s << u"Terrorist"_s << true << range;
    QTest::newRow("-1") << u"A"_s << u"-1"_s << u"Terrorist"_s << true << range;
    // A skill that is no number is no skill from 0 to 100 either.
    QTest::newRow("no number") << u"A"_s << u"high"_s << u"Terrorist"_s << true << range;
    QTest::newRow("0, a typed team") << u"A"_s << u"0"_s << u"Spectator"_s << true << QString();
    QTest::newRow("100") << u"A B"_s << u"100"_s << u"Auto Assign"_s << true << QString();
    QTest::newRow("name a number") << u"42"_s << u"50"_s << u"Terrorist"_s << true << u"cannot be a number"_s;
    QTest::newRow("to all, no name") << QString() << u"50"_s << u"Terrorist"_s << false << QString();
}

void TestAndroidDocument::entryChecksRunInOrder()
{
    QFETCH(QString, name);
    QFETCH(QString, skill);
    QFETCH(QString, team);
    QFETCH(bool, withName);
    QFETCH(QString, message);
    const QString refusal = AndroidEntryCheck::refusal({name, skill, team}, withName);
    QVERIFY2(message.isEmpty() ? refusal.isEmpty() : refusal.contains(message), qPrintable(refusal));
}

void TestAndroidDocument::tracksUnsavedChanges()
{
    AndroidDocument document(*AndroidAddOn::find(u"PodBot"));
    QSignalSpy modified(&document, &EditorDocument::modifiedChanged);
    document.options().setJasonMode(true);
    QVERIFY(document.isModified());
    QVERIFY(!document.hasUnsavedBots());
    document.append({u"A"_s, u"50"_s, u"Terrorist"_s});
    QVERIFY(document.hasUnsavedBots());

    QTemporaryDir dir;
    const QString path = dir.filePath(u"pod.cfg"_s);
    QCOMPARE(document.save(path), QString());
    QVERIFY(!document.isModified());
    QCOMPARE(document.fileName(), path);

    document.setAll(u"7"_s, u"Auto Assign"_s);
    document.renew();
    QVERIFY(!document.isModified());
    QVERIFY(document.isEmpty());
    QCOMPARE(document.options().minBotSkill(), u"60"_s);
    QVERIFY(document.options().botChatting());
    QVERIFY(!document.options().jasonMode());
    QCOMPARE(modified.size(), 4);

    QCOMPARE(document.open(path), QString());
    QCOMPARE(document.roster().at(0), (AndroidRosterEntry{u"A"_s, u"50"_s, u"Terrorist"_s}));
    QVERIFY(document.options().jasonMode());
    QVERIFY(!document.isModified());
}

void TestAndroidDocument::failedReadLeavesReadOptionsAsAChange()
{
    AndroidDocument document(*AndroidAddOn::find(u"AndroidBot"));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"broken.cfg"_s);
    TestFiles::write(path, "//AndroidBot Config File Created With\r\n//Counter-Strike Trevlin 2.0\r\npause 9\r\n");
    document.append({u"A"_s, u"50"_s, u"Terrorist"_s});
    QCOMPARE(document.save(dir.filePath(u"good.cfg"_s)), QString());

    QVERIFY(!document.open(path).isEmpty());
    QVERIFY(document.isEmpty());
    QCOMPARE(document.options().entryDelay(), u"9"_s);
    QVERIFY(document.isModified());
    QCOMPARE(document.fileName(), dir.filePath(u"good.cfg"_s));
}

QTEST_GUILESS_MAIN(TestAndroidDocument)
#include "tst_androiddocument.moc"
