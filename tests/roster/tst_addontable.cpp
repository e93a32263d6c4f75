#include "OptionSteps.h"
#include "RosterAddOn.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QStringList terroristSkins{u"Phoenix Connection"_s, u"L337 Krew"_s, u"Arctic Avengers"_s, u"Gorilla Warface"_s};
const QStringList counterSkins{u"Seal Team 6 (DEVGRU)"_s, u"German GSG-9"_s, u"UK SAS"_s, u"French GIGN"_s};
const QStringList combinedSkins{u"Seal Team 6 / Phoenix"_s, u"German GSG-9 / L337 Krew"_s,
                                u"UK SAS / Arctic Avengers"_s, u"French GIGN / Gorilla Warface"_s};

} // namespace

class TestAddOnTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void profileOfEachAddOn_data();
    void profileOfEachAddOn();
    void skinPositionAndPreview_data();
    void skinPositionAndPreview();
    void unreadableName_data();
    void unreadableName();
    void entryChecksRunInOrder_data();
    void entryChecksRunInOrder();
};

void TestAddOnTable::profileOfEachAddOn_data()
{
    QTest::addColumn<QString>("botName");
    QTest::addColumn<bool>("autoSelect");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("captions"); // add and edit
    QTest::addColumn<QString>("refused");  // besides 0, the maximum + 1, and texts that are no plain number
    const auto row
        = [](const char *bot, bool autoSelect, int maximum, const QString &captions, const QString &refused) {
              QTest::newRow(bot) << QString::fromLatin1(bot) << autoSelect << maximum << captions << refused;
          };
    row("RealBot", true, 50, u"Add RealBot Bot|Edit RealBot Bot"_s, u"50.5| 3|3 "_s);
    row("NNBot", false, 5, u"Add NNBot Bot|Edit NNBot Bot"_s, u"-1|0.5"_s);
    row("HPBBot", false, 5, u"Add HPBBot Bot|Edit HPB Bot"_s, u"abc|3x"_s);
    row("RamBot", true, 20, u"Add RamBot Bot|Edit RamBot Bot"_s, u"nan|inf"_s);
    row("SwatBot", true, 5, u"Add Swat Bot|Edit SwatBot Bot"_s, u"3\t|+"_s);
    row("AGBBot", false, 10, u"Add AGBBot Bot|Edit AGBBot Bot"_s, u"1 0"_s);
    row("BobaBot", false, 5, u"Add Boba Bot|Edit Boba Bot"_s, u"5.01"_s);
    row("ReduBot", false, 5, u"Add Redu Bot|Edit Redu Bot"_s, u"0x3"_s);
    row("PLBot", false, 5, u"Add PL Bot|Edit PL Bot"_s, u"\u0663"_s); // an Arabic-Indic three
}

void TestAddOnTable::profileOfEachAddOn()
{
    QFETCH(QString, botName);
    QFETCH(bool, autoSelect);
    QFETCH(int, maximum);
    QFETCH(QString, captions);
    QFETCH(QString, refused);
    const RosterAddOn *profile = RosterAddOn::find(botName);
    QVERIFY(profile);
    QVERIFY(!RosterAddOn::find(botName.toLower()));
    QVERIFY(!RosterAddOn::find(botName + u' '));

    QCOMPARE(profile->addDialogCaption() + u'|' + profile->editDialogCaption(), captions);
    const QStringList autoOnly = autoSelect ? QStringList{u"Auto Select"_s} : QStringList();
    QCOMPARE(profile->offersAutoSelect, autoSelect);
    QCOMPARE(profile->teams(), QStringList({u"Terrorist"_s, u"Counter Terrorist"_s}) + autoOnly);
    QCOMPARE(profile->fillSkinList(u"Terrorist"),
             terroristSkins + (autoSelect ? QStringList{u"Auto Select Terrorist"_s} : QStringList()));
    QCOMPARE(profile->fillSkinList(u"Counter Terrorist"),
             counterSkins + (autoSelect ? QStringList{u"Auto Select Counter Terrorist"_s} : QStringList()));
    QCOMPARE(profile->fillSkinList(u"Auto Select"), autoSelect ? combinedSkins + autoOnly : QStringList());
    for (const QString &team : {u"terrorist"_s, u"Terorist"_s, QString(), u"Counter-Terrorist"_s})
        QVERIFY2(profile->fillSkinList(team).isEmpty(), qPrintable(team));

    QCOMPARE(profile->skillMaximum, maximum);
    QCOMPARE(profile->skillLabel(), u"Skill 1 to %1 (1=best)"_s.arg(maximum));
    // The skill is checked as the add dialog checks it, the other fields being fine.
    const auto skillRefusal = [&profile](const QString &skill) {
        return profile->entryRefusal({u"A"_s, u"Terrorist"_s, skill, u"UK SAS"_s}, RosterFormat::Entry::Add);
    };
    for (const QString &skill : {u"1"_s, u"3.0"_s, QString::number(maximum)})
        QCOMPARE(skillRefusal(skill), QString());
    const QString message = u"The skill level must be between 1 and %1"_s.arg(maximum);
    for (const QString &skill : refused.split(u'|') + QStringList{u"0"_s, QString::number(maximum + 1)})
        QCOMPARE(skillRefusal(skill), message);
}

void TestAddOnTable::skinPositionAndPreview_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<int>("withAuto");    // position for RamBot
    QTest::addColumn<int>("withoutAuto"); // position for ReduBot
    QTest::addColumn<bool>("ownPicture");
    for (int i = 0; i < 4; ++i) {
        QTest::newRow(qPrintable(terroristSkins[i])) << terroristSkins[i] << i + 1 << i + 1 << true;
        QTest::newRow(qPrintable(counterSkins[i])) << counterSkins[i] << i + 1 << i + 1 << true;
        QTest::newRow(qPrintable(combinedSkins[i])) << combinedSkins[i] << i + 1 << 0 << false;
    }
    QTest::newRow("Auto Select") << u"Auto Select"_s << 5 << 0 << true;
    QTest::newRow("Auto Select Terrorist") << u"Auto Select Terrorist"_s << 0 << 0 << true;
    QTest::newRow("Auto Select Counter Terrorist") << u"Auto Select Counter Terrorist"_s << 0 << 0 << true;
    QTest::newRow("other case") << u"uk sas"_s << 0 << 0 << false;
    QTest::newRow("empty") << QString() << 0 << 0 << false;
}

void TestAddOnTable::skinPositionAndPreview()
{
    QFETCH(QString, skin);
    QFETCH(int, withAuto);
    QFETCH(int, withoutAuto);
    QFETCH(bool, ownPicture);
    QCOMPARE(RosterAddOn::find(u"RamBot")->skinPosition(skin), withAuto);
    QCOMPARE(RosterAddOn::find(u"ReduBot")->skinPosition(skin), withoutAuto);
    QCOMPARE(RosterAddOn::skinPreview(skin), ownPicture ? skin : u"Auto Select"_s);
}

void TestAddOnTable::unreadableName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fine");
    QTest::addColumn<QString>("quoted"); // the character the message names
    for (const QString &name : {u"Alpha"_s, u"[TR]Bob"_s, u"Zo\u00eb"_s})
        QTest::newRow(qPrintable(name)) << name << true << QString();
    for (const QString &name : {u"Two Words"_s, u"Tab\tName"_s, u" Alpha"_s, u"Alpha "_s, u"12"_s, u"1.5"_s, u"-3"_s,
                                u"1e3"_s, u"Two\r\nLines"_s})
        QTest::newRow(qPrintable(name)) << name << false << QString();
    QTest::newRow("Polish letter") << u"\u0141ukasz"_s << false << u"\u0141"_s;
    QTest::newRow("emoji") << u"Ace\U0001F600"_s << false << u"\U0001F600"_s;
}

void TestAddOnTable::unreadableName()
{
    QFETCH(QString, name);
    QFETCH(bool, fine);
    QFETCH(QString, quoted);
    const QString message = RosterFormat::addBot().unreadableName(name);
    QCOMPARE(message.isEmpty(), fine);
    QVERIFY2(message.contains(u'"' + quoted + u'"') == !quoted.isEmpty(), qPrintable(message));
}

void TestAddOnTable::entryChecksRunInOrder_data()
{
    using Entry = RosterFormat::Entry;
    QTest::addColumn<QString>("botName");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("bot"); // name|team|skill|skin
    QTest::addColumn<bool>("rowSelected");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, const char *botName, Entry entry, const QString &bot, const QString &message,
                        bool rowSelected = true) {
        QTest::newRow(name) << QString::fromLatin1(botName) << int(entry) << bot << rowSelected << message;
    };
    // The add dialog checks the skill before the team, the edit dialog after it, in words of its own.
    row("add, nothing", "RamBot", Entry::Add, u"|||"_s, u"You have to name the bot"_s);
    row("add, no skill", "RamBot", Entry::Add, u"A|||"_s, u"You have to enter a skill level for the bot"_s);
    row("add, 21", "RamBot", Entry::Add, u"A||21|"_s, u"The skill level must be between 1 and 20"_s);
    row("add, no team", "RamBot", Entry::Add, u"A||3|"_s, u"You have to select a team for the bot"_s);
    row("add, no skin", "RamBot", Entry::Add, u"A|Terrorist|3|"_s, u"You have to choose a skin for the bot"_s);
    row("add, name with a blank", "RamBot", Entry::Add, u"A B|Terrorist|3|UK SAS"_s,
        u"A bot name cannot contain blanks, because the config file separates a bot's name from its skill with a "
        "blank. Please use another name."_s);
    row("edit, no team", "RamBot", Entry::Edit, u"A|||"_s, u"You have to slect a team for the bot"_s);
    row("edit, no skin", "RamBot", Entry::Edit, u"A|Terrorist|3|"_s, u"You Have to select a skin for the bot"_s);
    row("edit, no row", "RamBot", Entry::Edit, u"A|Terrorist|3|UK SAS"_s,
        u"There is no bot selected in the list. Please select the bot you want to change, then press Done again."_s,
        false);
    row("all, no name, no row", "RamBot", Entry::EditAll, u"|Terrorist|3|UK SAS"_s, {}, false);
    // The AndroidBot format: name, team, a skill from 0 to 100; any typed team.
    row("AndroidBot, nothing", "AndroidBot", Entry::Add, u"|||"_s, u"You have to name the bot"_s);
    row("AndroidBot, no team", "AndroidBot", Entry::Add, u"A|||"_s, u"You have to select a team for the bot"_s);
    row("AndroidBot, no skill", "AndroidBot", Entry::Add, u"A|Terrorist||"_s,
        u"You have to enter a skill level for the bot"_s);
    for (const QString &skill : {u"101"_s, u"-1"_s, u"high"_s, u"5 0"_s})
        QTest::addRow("AndroidBot, skill %s", qPrintable(skill))
            << u"AndroidBot"_s << int(Entry::Add) << u"A|Terrorist|"_s + skill + u'|' << true
            << u"The skill level must be between 0 and 100"_s;
    row("AndroidBot, 0, a typed team", "AndroidBot", Entry::Add, u"A|Spectator|0|"_s, {});
    row("PodBot, 100, a name with a blank", "PodBot", Entry::Add, u"A B|Auto Assign|100|"_s, {});
    row("PodBot, name a number", "PodBot", Entry::Edit, u"42|Terrorist|50|"_s,
        u"A bot name cannot be a number, because the bot add-on would take it for the skill level. Please use "
        "another name."_s);
    row("PodBot, edit without a row", "PodBot", Entry::Edit, u"A|Terrorist|50|"_s,
        u"There is no bot selected in the list. Please select the bot you want to change, then press Done again."_s,
        false);
    row("PodBot, all, no name", "PodBot", Entry::EditAll, u"|Terrorist|50|"_s, {}, false);
}

void TestAddOnTable::entryChecksRunInOrder()
{
    QFETCH(QString, botName);
    QFETCH(int, entry);
    QFETCH(QString, bot);
    QFETCH(bool, rowSelected);
    QFETCH(QString, message);
    QCOMPARE(RosterAddOn::find(botName)->entryRefusal(OptionSteps::bots(bot).value(0), RosterFormat::Entry(entry),
                                                      rowSelected),
             message);
}

QTEST_GUILESS_MAIN(TestAddOnTable)
#include "tst_addontable.moc"
