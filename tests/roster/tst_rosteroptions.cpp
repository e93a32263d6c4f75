#include "OptionSteps.h"
#include "RosterAddOn.h"
#include "RosterOptions.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace OptionSteps;

namespace {

// How the options differ from those an editor opens with: "Botskill=-1 greyed:Botskill [x]AutoSkill
// live:UseBotskillRange"; empty when they do not differ.
QString describe(const RosterOptions &options, const RosterAddOn &addOn)
{
    const RosterOptions start(addOn);
    QStringList parts;
    for (int i = 0; i < RosterOptions::fieldCount; ++i) {
        if (options.text(Field(i)) != start.text(Field(i)))
            parts << fieldNames[i] + u'=' + options.text(Field(i));
        if (options.isEnabled(Field(i)) != start.isEnabled(Field(i)))
            parts << (options.isEnabled(Field(i)) ? u"live:"_s : u"greyed:"_s) + fieldNames[i];
    }
    for (int i = 0; i < RosterOptions::optionCount; ++i) {
        if (options.isChecked(Option(i)) != start.isChecked(Option(i)))
            parts << (options.isChecked(Option(i)) ? u"[x]"_s : u"[ ]"_s) + optionNames[i];
        if (options.isEnabled(Option(i)) != start.isEnabled(Option(i)))
            parts << (options.isEnabled(Option(i)) ? u"live:"_s : u"greyed:"_s) + optionNames[i];
    }
    return parts.join(u' ');
}

} // namespace

class TestRosterOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rules_data()
    {
        QTest::addColumn<QString>("addOn");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state"); // how the options then differ from the opening state
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("signals");
        const auto row = [](const char *name, const QString &steps, const QString &state, bool edited, int signals,
                            const QString &addOn = u"RealBot"_s) {
            QTest::newRow(name) << addOn << steps << state << edited << signals;
        };

        // Like a control set to the value it already shows: no rule, no signal, nothing unsaved.
        row("same value is no change", u"text TimeBeforeBotEntry 3; uncheck ViewWaypoints"_s, {}, false, 0);
        row("view waypoints enables the team boxes", u"check ViewWaypoints"_s,
            u"[x]ViewWaypoints live:WaypointsTeam1 live:WaypointsTeam2"_s, true, 1);
        row("clearing view waypoints clears and greys them",
            u"check ViewWaypoints; check WaypointsTeam1; check WaypointsTeam2; uncheck ViewWaypoints"_s, {}, true, 4);

        row("auto skill puts -1 into a greyed Botskill", u"text Botskill 7; check AutoSkill"_s,
            u"Botskill=-1 greyed:Botskill [x]AutoSkill live:UseBotskillRange"_s, true, 2);
        row("clearing auto skill puts 20 and clears the range to greyed zeros",
            u"check AutoSkill; check UseBotskillRange; text MinBotSkill 5; uncheck AutoSkill"_s, u"Botskill=20"_s, true,
            4);
        row("a range overwrites min and max with 20 and 40",
            u"check AutoSkill; text MaxSkill 9; check UseBotskillRange"_s,
            u"MinBotSkill=20 live:MinBotSkill Botskill=-1 greyed:Botskill MaxSkill=40 live:MaxSkill [x]AutoSkill "
            "[x]UseBotskillRange live:UseBotskillRange"_s,
            true, 3);

        const QString everything = u"text TimeBeforeBotEntry 9; text MinBots 4; text MaxBots; check AutoTeamBalance; "
                                   "check Observer; check BotsDontShoot; check ViewWaypoints; check WaypointsTeam2; "
                                   "check ExtraSkill; "_s;
        row("New for RealBot", everything + u"text Botskill 4; renew"_s, u"Botskill=20"_s, true, 11);
        row("New for another add-on", everything + u"text Botskill 4; renew"_s, {}, true, 11, u"HPBBot"_s);
        row("New clears a skill range", u"check AutoSkill; check UseBotskillRange; renew"_s, u"Botskill=20"_s, true, 3);
        row("clearing auto skill puts the add-on's own default", u"check AutoSkill; uncheck AutoSkill"_s, {}, true, 2,
            u"SwatBot"_s);
        // The AndroidBot format's New leaves the team balance as it is.
        const QString podBot = u"check AutoTeamBalance; uncheck BotChatting; check JasonMode; text MinimumBotSkill 80; "
                               "text TimeBeforeBotEntry 9; "_s;
        row("PodBot's options", podBot,
            u"TimeBeforeBotEntry=9 MinimumBotSkill=80 [x]AutoTeamBalance [ ]BotChatting "
            "[x]JasonMode"_s,
            true, 5, u"PodBot"_s);
        row("New for PodBot", podBot + u"renew"_s, u"[x]AutoTeamBalance"_s, true, 6, u"PodBot"_s);
    }

    void rules()
    {
        QFETCH(QString, addOn);
        QFETCH(QString, steps);
        const RosterAddOn &profile = *RosterAddOn::find(addOn);
        RosterOptions options(profile);
        QSignalSpy changed(&options, &RosterOptions::changed);
        QSignalSpy edited(&options, &RosterOptions::edited);
        apply(options, steps);

        QTEST(describe(options, profile), "state");
        QTEST(!edited.isEmpty(), "edited");
        // Each edit is told once, like the change it belongs to.
        QVERIFY(edited.count() <= changed.count());
        // One signal per step that changed anything, after all the rules it set off: a window refreshing on it never
        // sees a rule half done.
        QTEST(int(changed.count()), "signals");
    }

    void skillInRange_data()
    {
        QTest::addColumn<QString>("botName");
        QTest::addColumn<QString>("skill");
        QTest::addColumn<bool>("taken");
        // A skill the add-on would read as another number, or not at all, never reaches its file.
        const auto rows = [](const char *bot, const QString &taken, const QString &refused) {
            for (const QString &skill : taken.split(u'|'))
                QTest::addRow("%s %s", bot, qPrintable(skill)) << QString::fromLatin1(bot) << skill << true;
            for (const QString &skill : refused.split(u'|'))
                QTest::addRow("%s '%s'", bot, qPrintable(skill)) << QString::fromLatin1(bot) << skill << false;
        };
        rows("RealBot", u"1|3.0|50"_s, u"0|51|50.5| 3|3 "_s);
        rows("RamBot", u"20"_s, u"21|nan|inf|0x3|\u0663"_s); // the last an Arabic-Indic three
        rows("NNBot", u"5"_s, u"6|-1|0.5|abc|3x|3\t|+|1 0|5.01"_s);
    }

    void skillInRange()
    {
        QFETCH(QString, botName);
        QFETCH(QString, skill);
        // As the add dialog checks it, the other fields being fine.
        const RosterEntry bot{u"Alpha"_s, u"Terrorist"_s, skill, u"UK SAS"_s};
        const RosterAddOn &addOn = *RosterAddOn::find(botName);
        QTEST(addOn.format->entryRefusal(addOn, bot, RosterFormat::Entry::Add, true).isEmpty(), "taken");
    }
};

QTEST_GUILESS_MAIN(TestRosterOptions)
#include "tst_rosteroptions.moc"
