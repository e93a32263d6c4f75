#include "AboutScreen.h"
#include "MainScreenHarness.h"
#include "MessageAnswerer.h"
#include "Motion.h"
#include "Pictures.h"
#include "TitleEffect.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

// Stands in for the platform shell: records what it is asked to open.
class FakeShell : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

AboutScreen *open(const MainScreenHarness &h)
{
    h.press(u"about"_s);
    return h.window->findChild<AboutScreen *>(u"AboutScreen"_s);
}

QImage shown(const AboutScreen *about)
{
    return about->findChild<QLabel *>(u"Picture1"_s)->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage title()
{
    return Pictures::pixmap(Pictures::aboutTitle).toImage().convertToFormat(QImage::Format_ARGB32);
}

// A title whose every pixel differs from its neighbours, so that a pixel copied from the wrong place shows.
QImage noise(QSize size, int scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator generator(14);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, x < scale || y < scale ? 0u : generator.generate() | 0xff000000u);
    }
    return image;
}

} // namespace

class TestAboutScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { qApp->setProperty(Motion::noAnimationsProperty, QVariant()); }

    void opensOnceAndCloses_data()
    {
        QTest::addColumn<bool>("animations");     // without them, the title is there at once
        QTest::addColumn<QKeyCombination>("key"); // none: EXIT is clicked
        QTest::newRow("EXIT clicked") << true << QKeyCombination();
        QTest::newRow("Alt+X, without animations") << false << QKeyCombination(Qt::AltModifier, Qt::Key_X);
        QTest::newRow("Escape") << true << QKeyCombination(Qt::Key_Escape);
    }

    void opensOnceAndCloses()
    {
        QFETCH(bool, animations);
        QFETCH(QKeyCombination, key);
        if (!animations)
            qApp->setProperty(Motion::noAnimationsProperty, true);
        MainScreenHarness h;
        QPointer<AboutScreen> about = open(h);
        QTRY_VERIFY(about->isActiveWindow());
        QCOMPARE(Widgets::unnamedControls(about), QStringList());
        QCOMPARE(about->effectRunning(), animations);
        if (!animations)
            QCOMPARE(shown(about), title());
        QCOMPARE(open(h), about.data());
        QCOMPARE(h.window->findChildren<AboutScreen *>().size(), qsizetype(1));
        if (key.key() == Qt::Key_unknown)
            QTest::mouseClick(about->findChild<QAbstractButton *>(u"Label7"_s), Qt::LeftButton);
        else
            QTest::keyClick(about.get(), key.key(), key.keyboardModifiers());
        // Closing unloads it: the next opening starts afresh.
        QTRY_VERIFY(!about);
    }

    void staysResponsiveWhileTheTitleIsRevealed()
    {
        MainScreenHarness h;
        QVERIFY(h.startActive({u"RamBot liblist.gam"_s}));
        AboutScreen *about = open(h);
        QSignalSpy started(about, &AboutScreen::effectStarted);
        QSignalSpy finished(about, &AboutScreen::effectFinished);
        // The effect starts as the window shows, whether or not the platform hands it the focus.
        QVERIFY(about->effectRunning());
        // While the effect runs the user chooses an add-on in the main window, then comes back to the about window:
        // the choice is answered at once, the effect going on meanwhile. (How long events wait is the benchmarks'
        // business, not a test's.)
        auto *option = h.find<QAbstractButton>(u"Option2"_s);
        bool answered = false, ranOn = false;
        QTimer::singleShot(0, this, [&] {
            h.window->activateWindow();
            QTest::mouseClick(option, Qt::LeftButton);
            answered = option->isChecked();
            ranOn = about->effectRunning();
        });
        QTimer::singleShot(0, about, [about] { about->activateWindow(); });

        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 5000);
        QVERIFY(answered && ranOn);
        // The return to the window while the effect ran did not start another on top of it.
        QCOMPARE(started.size(), 0);
        QCOMPARE(shown(about), title());

        // A return once it has ended starts a new one on an empty picture.
        h.window->activateWindow();
        QTRY_VERIFY(h.window->isActiveWindow());
        about->activateWindow();
        QTRY_COMPARE(started.size(), 1);
        QVERIFY(about->effectRunning());
        QVERIFY(shown(about) != title());
    }

    void linksAskTheShell_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<bool>("handled");  // a program is set up to open the link
        QTest::addColumn<QString>("shown"); // what the message says instead, with the address to copy
        QTest::newRow("home page") << u"Label1"_s << AboutScreen::homePage() << true << QString();
        QTest::newRow("mail") << u"Label6"_s << AboutScreen::mailLink() << true << QString();
        QTest::newRow("no web browser") << u"Label1"_s << AboutScreen::homePage() << false
                                        << AboutScreen::homePage().toString();
        QTest::newRow("no mail program") << u"Label6"_s << AboutScreen::mailLink() << false
                                         << AboutScreen::mailLink().path();
    }

    void linksAskTheShell()
    {
        QFETCH(QString, link);
        QFETCH(QUrl, url);
        QFETCH(bool, handled);
        QFETCH(QString, shown);
        MainScreenHarness h;
        AboutScreen *about = open(h);
        FakeShell shell;
        if (handled)
            QDesktopServices::setUrlHandler(url.scheme(), &shell, "open");
        MessageAnswerer answerer;
        about->findChild<QAbstractButton *>(link)->click();
        QDesktopServices::unsetUrlHandler(url.scheme());
        QCOMPARE(shell.opened, handled ? QList<QUrl>{url} : QList<QUrl>{});
        QCOMPARE(answerer.answered(), !handled);
        QVERIFY2(answerer.text().contains(shown), qPrintable(answerer.text()));
        QVERIFY(about->isVisible());
    }

    // Each effect, drawn frame by frame on a title whose every pixel differs from its neighbours, ends on the title.
    void revealsTitle_data()
    {
        QTest::addColumn<TitleEffect::Kind>("kind");
        QTest::addColumn<int>("scale");
        for (const int scale : {1, 2}) {
            QTest::addRow("fra_siden x%d", scale) << TitleEffect::Kind::FraSiden << scale;
            QTest::addRow("linjer x%d", scale) << TitleEffect::Kind::Linjer << scale;
            QTest::addRow("storm x%d", scale) << TitleEffect::Kind::Storm << scale;
        }
    }

    void revealsTitle()
    {
        QFETCH(TitleEffect::Kind, kind);
        QFETCH(int, scale);
        RandomSource random;
        const QImage title = noise(TitleEffect::stormArea, scale);
        const TitleEffect effect(kind, random, TitleEffect::stormArea, TitleEffect::stormArea.width());
        QVERIFY(effect.duration() >= 1s && effect.duration() <= 2s);

        QImage canvas(title.size(), title.format());
        canvas.fill(Qt::transparent);
        // Frame by frame as the window draws it: nothing before the start, everything once the time is up.
        QCOMPARE(effect.dueSteps(0ms), qsizetype(0));
        qsizetype done = 0;
        for (auto elapsed = 16ms; done < effect.steps().size(); elapsed += 16ms) {
            QVERIFY(elapsed <= effect.duration() + 16ms);
            const qsizetype due = effect.dueSteps(elapsed);
            QVERIFY(due >= done);
            effect.apply(canvas, title, done, due, scale);
            done = due;
        }
        // The sliding rows come to rest one pixel to the right.
        QImage expected = title;
        if (kind == TitleEffect::Kind::FraSiden) {
            expected.fill(Qt::transparent);
            QPainter(&expected).drawImage(scale, 0, title);
        }
        QCOMPARE(canvas, expected);
    }
};

QTEST_MAIN(TestAboutScreen)
#include "tst_aboutscreen.moc"
