#include "lang/symbolfont.h"

#include <QTest>

class TestSymbolFont : public QObject
{
    Q_OBJECT

private slots:
    // Latin letters become the Greek letters Symbol puts in their place, not
    // their Latin look-alikes in order (c is chi, q theta, j the open phi).
    void characters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("alpha label") << "a = 70" << QStringLiteral("\u03B1 = 70");
        QTest::newRow("beta label") << "b = 0.5" << QStringLiteral("\u03B2 = 0.5");
        QTest::newRow("minus sign") << "a = -45" << QStringLiteral("\u03B1 = \u221245");
        QTest::newRow("digits and signs kept") << "0123456789 .,+=()/<>" << "0123456789 .,+=()/<>";
        QTest::newRow("lower case out of order") << "cjpqvw" << QStringLiteral("\u03C7\u03D5\u03C0\u03B8\u03D6\u03C9");
        QTest::newRow("upper case") << "ABCDFGJQSVWZ"
                                    << QStringLiteral("\u0391\u0392\u03A7\u0394\u03A6\u0393\u03D1\u0398\u03A3\u03C2"
                                                      "\u03A9\u0396");
        QTest::newRow("ends of the range") << " ~" << QStringLiteral(" \u223C");
        QTest::newRow("mathematical signs") << "\"$'*@\\^" << QStringLiteral("\u2200\u2203\u220B\u2217\u2245\u2234\u22A5");
        QTest::newRow("beyond ASCII kept") << QStringLiteral("\u00B0\u00E0\u03B1") << QStringLiteral("\u00B0\u00E0\u03B1");
        QTest::newRow("empty") << "" << "";
    }

    void characters()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(symbolFontText(text), shown);
    }
};

QTEST_GUILESS_MAIN(TestSymbolFont)
#include "tst_symbolfont.moc"
