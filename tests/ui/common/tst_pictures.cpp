#include "Pictures.h"
#include "SkinTable.h"

#include <QImage>
#include <QSet>
#include <QTest>

#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Expected
{
    QString key;
    QSize size;
    // How much of its area the picture covers with opaque pixels at least: the skin previews stand on a backdrop,
    // the icons leave their corners clear.
    qreal opaqueShare;
};

QList<Expected> everyPicture()
{
    // Every skin the entry dialogs show a figure for, and the card of an automatic choice.
    QList<Expected> all;
    for (const SkinTable::Skin &skin : SkinTable::skins) {
        if (skin.pictured)
            all.append({skin.name, skin.name == "Auto Select"_L1 ? QSize(129, 185) : QSize(128, 256), 0.99});
    }
    for (const QLatin1StringView key : {Pictures::play, Pictures::exit, Pictures::serverConfig, Pictures::folder,
                                        Pictures::cancel, Pictures::appIcon})
        all.append({key, QSize(64, 64), 0.5});
    all.append({Pictures::directoryBanner, QSize(300, 100), 0.9});
    // The about window's effects work on a title exactly this size, covered but for its blank top row and sides.
    all.append({Pictures::aboutTitle, QSize(222, 19), 0.9});
    all.append({Pictures::aboutEmblem, QSize(96, 96), 0.6});
    return all;
}

QImage argb(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

qsizetype opaque(const QImage &image)
{
    qsizetype count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == 255;
    }
    return count;
}

// The mean difference per channel of two images of the same size, from 0 to 255.
double difference(const QImage &a, const QImage &b)
{
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q))
                + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return double(sum) / (4.0 * a.width() * a.height());
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picture_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("opaqueShare");
        for (const Expected &picture : everyPicture())
            QTest::newRow(qPrintable(picture.key)) << picture.key << picture.size << picture.opaqueShare;
        // Keys that name no picture: a combined skin, and a skin in another letter case.
        QTest::newRow("Seal Team 6 / Phoenix") << u"Seal Team 6 / Phoenix"_s << QSize() << 0.0;
        QTest::newRow("phoenix connection") << u"phoenix connection"_s << QSize() << 0.0;
    }

    void picture()
    {
        QFETCH(QString, key);
        QFETCH(QSize, size);
        QFETCH(qreal, opaqueShare);
        if (size.isEmpty()) {
            QVERIFY(Pictures::pixmap(key, QSize(32, 32), 2.0).isNull());
            QVERIFY(Pictures::icon(key).isNull());
            return;
        }
        const QPixmap plain = Pictures::pixmap(key);
        QCOMPARE(plain.size(), size);
        const QPixmap sharp = Pictures::pixmap(key, 2.0);
        QCOMPARE(sharp.size(), size * 2);
        QCOMPARE(sharp.deviceIndependentSize().toSize(), size);

        const QImage image = argb(sharp);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        }
        QVERIFY2(opaque(image) >= opaqueShare * image.width() * image.height(),
                 qPrintable(QString::number(opaque(image))));
        QVERIFY2(colours.size() > 100, qPrintable(QString::number(colours.size())));

        // Twice the pixels show the same picture, drawn afresh rather than enlarged from the plain one.
        const QImage halved = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(difference(halved, argb(plain)) < 2.0, qPrintable(QString::number(difference(halved, argb(plain)))));
        const QImage enlarged = argb(plain).scaled(size * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(difference(image, enlarged) > 1.0, qPrintable(QString::number(difference(image, enlarged))));

        const QIcon icon = Pictures::icon(key);
        QCOMPARE(argb(icon.pixmap(size, 2.0)), image);
        QVERIFY(argb(icon.pixmap(size, 1.0, QIcon::Disabled)) != argb(plain));

        // Asked to fill a place of another shape, it keeps its own, centred on a clear ground, at its own scale.
        for (const QSize bounds : {QSize(size.width() * 2, size.height()), QSize(size.width(), size.height() * 2)}) {
            const QImage fitted = argb(Pictures::pixmap(key, bounds));
            QCOMPARE(fitted.size(), bounds);
            QCOMPARE(qAlpha(fitted.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(fitted.pixel(bounds.width() - 1, bounds.height() - 1)), 0);
            QVERIFY2(qAbs(opaque(fitted) - opaque(argb(plain))) <= opaque(argb(plain)) / 20 + size.width(),
                     qPrintable(u"%1 of %2"_s.arg(opaque(fitted)).arg(opaque(argb(plain)))));
            QCOMPARE(icon.actualSize(bounds), size);
        }

        // No two keys show the same picture.
        const QImage small = argb(Pictures::pixmap(key, QSize(64, 64)));
        for (const Expected &other : everyPicture()) {
            if (other.key != key)
                QVERIFY2(argb(Pictures::pixmap(other.key, QSize(64, 64))) != small, qPrintable(other.key));
        }
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
