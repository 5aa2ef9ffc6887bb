#include <QImage>
#include <QTest>

// The theme's large icons are drawn from the scalable picture, not enlarged
// from a small bitmap: across the middle row the icon's dark frame, its blue
// face and the silver y axis meet with no blended pixel between them.
class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    void largeIconsAreSharp()
    {
        for (const int size : {128, 256}) {
            const QString path = QStringLiteral(ARALDA_ICON_FOLDER "/%1x%1/" ARALDA_APP_ID ".png").arg(size);
            const QImage icon(path);
            QVERIFY2(icon.size() == QSize(size, size), qPrintable(path));
            // In the picture's own 64 units: the frame from 0 to 3, the face
            // to 20, the axis from 20 to 21.
            const int unit = size / 64;
            const struct {
                int from, to;
                const char *colour;
            } bands[] = {{0, 3, "#ff000060"}, {3, 20, "#ff0000c0"}, {20, 21, "#ffc0c0c0"}};
            for (const auto &band : bands)
                for (int x = band.from * unit; x < band.to * unit; ++x)
                    QCOMPARE(QColor::fromRgba(icon.pixel(x, size / 2)).name(QColor::HexArgb), QString::fromLatin1(band.colour));
        }
    }
};

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
