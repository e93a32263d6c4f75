#include "MultipleBots.h"
#include "NameList.h"
#include "RandomSource.h"

#include <QSet>
#include <QTest>

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray header = "Trevlin bot names\r\n\r\nOne name on each line\r\n----\r\n";

// A name list of count lines, "Bot1" upwards.
NameList names(int count)
{
    QByteArray bytes = header;
    for (int i = 1; i <= count; ++i)
        bytes += "Bot" + QByteArray::number(i) + "\r\n";
    return NameList::parse(bytes);
}

QSet<QString> field(const QList<RosterEntry> &entries, QString RosterEntry::*member)
{
    QSet<QString> values;
    for (const RosterEntry &entry : entries)
        values << entry.*member;
    return values;
}

} // namespace

class TestMultipleBots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesNames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("LF, no final break")
            << QByteArray("1\n2\n3\n4\nAlpha\nBravo") << QStringList{u"Alpha"_s, u"Bravo"_s};
        QTest::newRow("blanks and Latin-1 kept") << header + " Zo\xeb\t\r\n" << QStringList{u" Zo\u00eb\t"_s};
        QTest::newRow("empty line inside") << header + "A\r\n\r\nB\r\n" << QStringList{u"A"_s, QString(), u"B"_s};
        QTest::newRow("final empty line dropped") << header + "A\r\n\r\n" << QStringList{u"A"_s};
        QTest::newRow("only one dropped") << header + "A\n\n\n" << QStringList{u"A"_s, QString()};
        QTest::newRow("only an empty name") << header + "\r\n" << QStringList();
        QTest::newRow("header only") << header << QStringList();
        QTest::newRow("empty file") << QByteArray() << QStringList();
        // An editor's Unicode file is decoded, not read as bytes full of NUL and CR.
        static const char16_t utf16[] = u"\ufeff1\r\n2\r\n3\r\n4\r\nZo\u00eb\r\nAl\r\n";
        QTest::newRow("UTF-16 with mark") << QByteArray(reinterpret_cast<const char *>(utf16), sizeof utf16 - 2)
                                          << QStringList{u"Zo\u00eb"_s, u"Al"_s};
        QTest::newRow("UTF-8 with mark") << QByteArray("\xef\xbb\xbf") + header + "Zo\xc3\xab\n"
                                         << QStringList{u"Zo\u00eb"_s};
        // What no config file can carry empties the list.
        QTest::newRow("beyond 8 bits") << QByteArray("\xef\xbb\xbf") + header + "A\n\xe2\x82\xac\n" << QStringList();
        QTest::newRow("carriage return inside") << header + "A\rB\r\n" << QStringList();
        // A carriage return at the very end ends the last line, as one before a line feed does.
        QTest::newRow("carriage return at the end") << header + "A\r\nB\r" << QStringList{u"A"_s, u"B"_s};
        QTest::newRow("empty last line of a carriage return") << header + "A\n\r" << QStringList{u"A"_s};
    }

    void parsesNames()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        const NameList list = NameList::parse(bytes);
        QCOMPARE(list.names(), names);
        QCOMPARE(list.size(), names.size());
    }

    void countsBots_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count"); // -1: no number
        QTest::newRow("empty") << QString() << -1;
        QTest::newRow("word") << u"ten"_s << -1;
        QTest::newRow("whole part") << u"2.7"_s << 2;
        QTest::newRow("below one") << u"0.9"_s << 0;
        QTest::newRow("negative") << u"-4"_s << 0;
        QTest::newRow("beyond int") << u"1e12"_s << std::numeric_limits<int>::max();
    }

    void countsBots()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        QCOMPARE(MultipleBots::count(text).value_or(-1), count);
    }

    void drawsSkillTeamAndSkin()
    {
        const QStringList skins{u"Seal Team 6 / Phoenix"_s, u"UK SAS / Arctic Avengers"_s, u"Auto Select"_s};
        MultipleBots bots{.skill = u"7"_s,
                          .autoSkill = true,
                          .skillMaximum = 20,
                          .team = u"Auto Select"_s,
                          .skins = skins,
                          .selectedSkin = 0,
                          .autoSelectSkin = true};
        NameList list = names(200), again = list, other = list;
        RandomSource random;
        const QList<RosterEntry> entries = bots.draw(200, list, random);

        QSet<QString> everySkill;
        for (int skill = 1; skill <= 20; ++skill)
            everySkill << QString::number(skill);
        QCOMPARE(field(entries, &RosterEntry::skill), everySkill);
        QCOMPARE(bots.skill, entries.constLast().skill);
        QCOMPARE(field(entries, &RosterEntry::team), (QSet<QString>{u"Terrorist"_s, u"Counter Terrorist"_s}));
        QCOMPARE(field(entries, &RosterEntry::skin), QSet<QString>(skins.cbegin(), skins.cend()));

        // Every fresh start draws the same bots, until the source is reseeded.
        RandomSource fresh, reseeded;
        QCOMPARE(bots.draw(200, again, fresh), entries);
        reseeded.reseedFromClock();
        QVERIFY(bots.draw(200, other, reseeded) != entries);
    }

    // A long list is found name by name in blocks of its text: every line, whatever its block, is drawn once (the
    // name on the last line and on the first twice), and a name that cannot be written is named by its line far into
    // the list.
    void longListDrawsEveryNameOnce()
    {
        QByteArray bytes = header;
        QStringList expected;
        for (int i = 0; i < 5000; ++i) {
            const int n = i % 4999;
            const QByteArray name = QByteArray(n % 37, 'x') + QByteArray::number(n);
            bytes += name + (i % 3 ? "\r\n" : "\n");
            expected << QString::fromLatin1(name);
        }
        NameList list = NameList::parse(bytes);
        QCOMPARE(list.names(), expected);
        RandomSource random;
        QStringList drawn;
        while (const std::optional<QString> name = list.draw(random))
            drawn << *name;
        drawn.sort();
        expected.sort();
        QCOMPARE(drawn, expected);

        QString message;
        QCOMPARE(NameList::parse(bytes + "A\rB\n", &message).size(), 0);
        QVERIFY2(message.contains(u"On Line 5005 "_s), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TestMultipleBots)
#include "tst_multiplebots.moc"
