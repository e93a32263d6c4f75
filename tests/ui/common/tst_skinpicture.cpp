#include "SkinPicture.h"

#include <QImage>
#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The eleven skins that have a picture, each as the roster writes it.
const QStringList keys = u"Phoenix Connection|L337 Krew|Arctic Avengers|Gorilla Warface|Seal Team 6 (DEVGRU)|"
                         "German GSG-9|UK SAS|French GIGN|Auto Select Terrorist|Auto Select Counter Terrorist|"
                         "Auto Select"_s.split(u'|');

} // namespace

class TestSkinPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picture_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QSize>("size");
        for (const QString &key : keys)
            QTest::newRow(qPrintable(key)) << key << (key == u"Auto Select"_s ? QSize(129, 185) : QSize(128, 256));
    }

    void picture()
    {
        QFETCH(QString, key);
        QFETCH(QSize, size);
        QCOMPARE(SkinPicture::size(key), size);
        QCOMPARE(SkinPicture::pixmap(key).size(), size);
        const QPixmap sharp = SkinPicture::pixmap(key, 2.0);
        QCOMPARE(sharp.size(), size * 2);
        QCOMPARE(sharp.deviceIndependentSize().toSize(), size);
        QCOMPARE(SkinPicture::icon(key).pixmap(size, 2.0).size(), size * 2);

        // A painted picture covers its whole area, corners included, in far more than a handful of colours.
        const QImage image = sharp.toImage().convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> colors;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                colors.insert(image.pixel(x, y));
        }
        for (const QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1)})
            QCOMPARE(qAlpha(image.pixel(corner)), 255);
        QVERIFY2(colors.size() > 200, qPrintable(QString::number(colors.size())));
    }

    void picturesDiffer()
    {
        QList<QImage> images;
        for (const QString &key : keys)
            images.append(SkinPicture::pixmap(key).toImage());
        for (qsizetype i = 0; i < images.size(); ++i) {
            for (qsizetype j = i + 1; j < images.size(); ++j)
                QVERIFY2(images.at(i) != images.at(j), qPrintable(keys.at(i) + u" looks like "_s + keys.at(j)));
        }
    }

    void unknownKeyHasNoPicture()
    {
        for (const QString &key : {u"Seal Team 6 / Phoenix"_s, u"phoenix connection"_s, QString()}) {
            QVERIFY(SkinPicture::size(key).isEmpty());
            QVERIFY(SkinPicture::pixmap(key).isNull());
            QVERIFY(SkinPicture::icon(key).isNull());
        }
    }
};

QTEST_MAIN(TestSkinPicture)
#include "tst_skinpicture.moc"
