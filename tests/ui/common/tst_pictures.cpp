#include "Pictures.h"
#include "SkinTable.h"

#include <QImage>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The pixels alone, whatever pixel ratio they were drawn for.
QImage argb(const QPixmap &pixmap)
{
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(1.0);
    return image;
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
        // Every skin the entry dialogs show a figure for, and the card of an automatic choice.
        for (const SkinTable::Skin &skin : SkinTable::skins) {
            if (skin.pictured)
                QTest::newRow(qPrintable(QString(skin.name)))
                    << QString(skin.name) << (skin.name == "Auto Select"_L1 ? QSize(129, 185) : QSize(128, 256));
        }
        for (const QLatin1StringView key : {Pictures::play, Pictures::exit, Pictures::serverConfig, Pictures::folder,
                                            Pictures::cancel, Pictures::appIcon})
            QTest::newRow(qPrintable(QString(key))) << QString(key) << QSize(64, 64);
        QTest::newRow("dirselect") << QString(Pictures::directoryBanner) << QSize(300, 100);
        // The about window's effects work on a title exactly this size.
        QTest::newRow("about-title") << QString(Pictures::aboutTitle) << QSize(222, 19);
        QTest::newRow("about-emblem") << QString(Pictures::aboutEmblem) << QSize(96, 96);
    }

    void picture()
    {
        QFETCH(QString, key);
        QFETCH(QSize, size);
        const QPixmap plain = Pictures::pixmap(key);
        QCOMPARE(plain.size(), size);
        const QPixmap sharp = Pictures::pixmap(key, 2.0);
        QCOMPARE(sharp.size(), size * 2);
        QCOMPARE(sharp.deviceIndependentSize().toSize(), size);
        const QImage image = argb(sharp);
        // Drawn, not left clear: even the icons with their clear corners cover more than half their area.
        qsizetype opaque = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) == 255;
        }
        QVERIFY2(opaque >= image.width() * image.height() / 2, qPrintable(QString::number(opaque)));

        // Twice the pixels are drawn afresh, as a picture of twice the size is, not enlarged from the plain one.
        QCOMPARE(image, argb(Pictures::pixmap(key, size * 2)));

        // The icon draws the same, and looks otherwise on a disabled control.
        const QIcon icon = Pictures::icon(key);
        QCOMPARE(argb(icon.pixmap(size, 2.0)), image);
        QVERIFY(argb(icon.pixmap(size, 1.0, QIcon::Disabled)) != argb(plain));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
