#include "BotCatalogue.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestBotCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsOnlyExactNames_data();
    void findsOnlyExactNames();
    void liblistVariantNames();
    void updateNamesArePadded();
};

void TestBotCatalogue::findsOnlyExactNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("RamBot") << u"RamBot"_s << true;
    QTest::newRow("plain game with its blank") << u"Original CS"_s << true;
    QTest::newRow("other letter case") << u"rambot"_s << false;
    QTest::newRow("after launching the plain game") << u"OLD"_s << false;
    QTest::newRow("nothing chosen") << QString() << false;
}

void TestBotCatalogue::findsOnlyExactNames()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    const BotInfo *bot = BotCatalogue::find(name);
    QCOMPARE(bot != nullptr, found);
    if (bot)
        QCOMPARE(bot->botName, name);
}

void TestBotCatalogue::liblistVariantNames()
{
    QCOMPARE(BotCatalogue::liblistVariant(u"RamBot"_s), u"RamBot liblist.gam"_s);
    QCOMPARE(BotCatalogue::liblistVariant(u"Original CS"_s), u"OLD liblist.gam"_s);
    // After the plain game has been launched.
    QCOMPARE(BotCatalogue::liblistVariant(u"OLD"_s), u"OLD liblist.gam"_s);
}

void TestBotCatalogue::updateNamesArePadded()
{
    const BotCatalogue::UpdateNames names = BotCatalogue::updateNames();
    QCOMPARE(names[0], u"Trevlin"_s + QString(16, u' '));
    QCOMPARE(names[2], u"RamBot"_s + QString(17, u' '));
    for (const QString &name : names)
        QCOMPARE(name.size(), 23);
}

QTEST_GUILESS_MAIN(TestBotCatalogue)
#include "tst_botcatalogue.moc"
