// The scalable program icon is the same picture as the 48-pixel one, as librsvg
// draws it, the renderer the desktops draw icon themes with: at 48 and 96 pixels
// every pixel equals the PNG's (at 96, in blocks of two by two).

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class IconTest : public QObject {
    Q_OBJECT
private slots:
    void svgDrawsThePngPicture_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("48 pixels") << 48;
        QTest::newRow("96 pixels") << 96;
    }

    void svgDrawsThePngPicture()
    {
        QFETCH(int, size);
        const QString images = QStringLiteral(QUARNIX_IMAGES);
        QTemporaryDir scratch;
        const QString rendered = scratch.filePath("icon.png");
        QProcess rsvg;
        rsvg.start("rsvg-convert",
            {"--width", QString::number(size), "--height", QString::number(size), "--output", rendered,
                images + "/quarnix.svg"});
        QVERIFY2(rsvg.waitForFinished() && rsvg.exitCode() == 0, "rsvg-convert (librsvg2-bin) did not draw the icon");
        const QImage drawn = QImage(rendered).convertToFormat(QImage::Format_RGBA8888);
        const QImage icon = QImage(images + "/quarnix-48.png")
                                .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                .convertToFormat(QImage::Format_RGBA8888);
        QCOMPARE(drawn.size(), QSize(size, size));
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x)
                QVERIFY2(
                    drawn.pixel(x, y) == icon.pixel(x, y), qPrintable(QStringLiteral("at (%1, %2)").arg(x).arg(y)));
        }
    }
};

QTEST_GUILESS_MAIN(IconTest)
#include "tst_icon.moc"
