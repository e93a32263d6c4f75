#include "EntryProfile.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestEntryProfile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void skillInRange_data();
    void skillInRange();
};

void TestEntryProfile::skillInRange_data()
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

void TestEntryProfile::skillInRange()
{
    QFETCH(QString, botName);
    QFETCH(QString, skill);
    QTEST(EntryProfile::find(botName)->validateSkill(skill).isEmpty(), "taken");
}

QTEST_GUILESS_MAIN(TestEntryProfile)
#include "tst_entryprofile.moc"
