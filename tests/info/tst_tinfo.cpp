#include "info/tinfo.h"
#include "info/windowparts.h"
#include "lang/infotexts.h"
#include "lang/languagetables.h"
#include "shell/imagelist.h"
#include "support/guitest.h"
#include "support/testlanguage.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace WindowParts;

namespace {

constexpr QRgb Olive = 0x808000;
constexpr QRgb Blue = 0x0000FF;
constexpr QRgb Black = 0x000000;

// A label's place in its panel: as wide as its text and centred, the spare
// width halved and rounded down.
bool centredInPanel(const QWidget &window, const char *name)
{
    const auto *label = part<QLabel>(window, name);
    const int panelWidth = label->parentWidget()->width();
    return label->width() == label->sizeHint().width() && label->x() == (panelWidth - label->width()) / 2;
}

// The mouse moved over `widget` at `at` as the window system moves it, so the
// window finds the widget under the pointer.
void moveOver(const QWidget &window, const QWidget *widget, QPoint at)
{
    QTest::mouseMove(window.windowHandle(), widget->mapTo(&window, at));
}

bool linkUnderlined(const QWidget &window)
{
    const QFont font = part<QLabel>(window, "Label2")->font();
    return font.bold() && font.underline();
}

bool linkPlainBold(const QWidget &window)
{
    const QFont font = part<QLabel>(window, "Label2")->font();
    return font.bold() && !font.underline();
}

} // namespace

class TestTinfo : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<GuiTest::Fixture>(); }

    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        const QStringList unexpected = GuiTest::unexpectedModals();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char(','))));
        m_fixture.reset();
        m_opened.clear();
    }

    void textsOfTheLanguageInForce_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("productName");
        QTest::addColumn<QString>("credit");
        QTest::addColumn<QString>("visit");
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("subtitle");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("Italian") << 0 << "A R A L D A" << "" << "Visitate il sito:" << "Aralda in rete"
                                 << "geometria per la scuola secondaria"
                                 << "Aralda: le trasformazioni geometriche viste in movimento";
        QTest::newRow("English") << 1 << "A R A L D A" << "English version by the Aralda team" << "Visit the site:"
                                 << "Aralda on the web" << "geometry for secondary schools"
                                 << "Aralda: geometric transformations seen in motion";
        QTest::newRow("French") << 2 << "A R A L D A" << QStringLiteral(u"Version française: l'équipe Aralda")
                                << "Visitez le site:" << "Aralda sur la toile"
                                << QStringLiteral(u"géométrie pour l'école secondaire")
                                << QStringLiteral(u"Aralda: les transformations géométriques en mouvement");
        QTest::newRow("loaded") << 3 << TestLanguage::ProductName << TestLanguage::Credit << TestLanguage::VisitSite
                                << TestLanguage::SiteName << TestLanguage::SiteSubtitle
                                << TestLanguage::informationText(0);
    }

    void textsOfTheLanguageInForce()
    {
        QFETCH(int, column);
        QFETCH(QString, productName);
        QFETCH(QString, credit);
        QFETCH(QString, visit);
        QFETCH(QString, site);
        QFETCH(QString, subtitle);
        QFETCH(QString, firstLine);
        QVERIFY(useLanguage(column));
        Tinfo info;
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QCOMPARE(part<QLabel>(info, "ProductName")->text(), productName);
        QCOMPARE(part<QLabel>(info, "Version")->text(), QStringLiteral("Gruppo di lavoro Aralda"));
        QCOMPARE(part<QLabel>(info, "Label3")->text(), credit);
        QCOMPARE(part<QLabel>(info, "Label1")->text(), visit);
        QCOMPARE(part<QLabel>(info, "Label2")->text(), site);
        QCOMPARE(part<QLabel>(info, "Label4")->text(), subtitle);
        QCOMPARE(part<QPushButton>(info, "BitBtn1")->text(), QStringLiteral("OK"));

        const QStringList lines = memoLines(info);
        QCOMPARE(lines.size(), 82);
        QCOMPARE(lines.constFirst(), firstLine);
        if (column == LoadedLanguage) {
            for (int line = 0; line < 82; ++line)
                QCOMPARE(lines.at(line), TestLanguage::informationText(line));
        } else {
            QCOMPARE(lines, InfoTexts::informationLines(column));
        }
        QVERIFY(linesFit(part<QPlainTextEdit>(info, "Memo1")));

        for (const char *name : {"Version", "Label3"}) {
            QCOMPARE(part(info, name)->parentWidget(), part(info, "Panel1"));
            QVERIFY2(centredInPanel(info, name), name);
        }
        for (const char *name : {"Label2", "Label4"}) {
            QCOMPARE(part(info, name)->parentWidget(), part(info, "Panel2"));
            QVERIFY2(centredInPanel(info, name), name);
        }
        QCOMPARE(part(info, "Label1")->parentWidget(), part(info, "Panel2"));
    }

    void windowLooksAsDesigned()
    {
        Tinfo info;
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QCOMPARE(info.size(), QSize(413, 331));
        QVERIFY(info.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(info.frameGeometry(), info.geometry());
        QCOMPARE(info.geometry().center(), info.screen()->geometry().center());

        const QImage shot = info.grab().toImage();
        auto *panel1 = part<QFrame>(info, "Panel1");
        auto *panel2 = part<QFrame>(info, "Panel2");
        auto *memo = part<QPlainTextEdit>(info, "Memo1");
        QCOMPARE(shot.pixel(2, 2) & 0xFFFFFF, Olive);
        QCOMPARE(shot.pixel(info.width() - 3, info.height() - 3) & 0xFFFFFF, Olive);
        QCOMPARE(pixelOf(shot, info, panel1, QPoint(3, 50)), Silver);
        QCOMPARE(pixelOf(shot, info, panel1, QPoint(panel1->width() - 4, panel1->height() - 4)), Silver);
        QCOMPARE(pixelOf(shot, info, memo->viewport(), QPoint(memo->viewport()->width() - 2, 2)), Silver);
        QCOMPARE(panel1->frameShadow(), QFrame::Raised);
        QCOMPARE(panel2->frameShadow(), QFrame::Sunken);
        QVERIFY(panel1->geometry().bottom() < memo->geometry().top());
        QVERIFY(memo->geometry().bottom() < panel2->geometry().top());
        QVERIFY(panel2->geometry().bottom() < part(info, "BitBtn1")->geometry().top());
        QVERIFY(info.rect().contains(part(info, "BitBtn1")->geometry()));

        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(memo->verticalScrollBar()->isVisible());

        auto *icon = part<QLabel>(info, "ProgramIcon");
        QCOMPARE(icon->parentWidget(), panel1);
        QCOMPARE(icon->size(), QSize(32, 32));
        QCOMPARE(icon->pixmap().size(), QSize(32, 32));
        QCOMPARE(icon->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 QPixmap(QStringLiteral(":/pictures/aralda.png"))
                     .scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                     .toImage()
                     .convertToFormat(QImage::Format_ARGB32));

        auto *title = part<QLabel>(info, "ProductName");
        QCOMPARE(title->parentWidget(), panel1);
        QCOMPARE(title->font().pixelSize(), 16);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor::fromRgb(Black));
        QVERIFY(showsColour(title, Black));

        auto *link = part<QLabel>(info, "Label2");
        QVERIFY(linkPlainBold(info));
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor::fromRgb(Blue));
        QVERIFY(showsColour(link, Blue));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!showsColour(part<QWidget>(info, "Label4"), Blue));
    }

    // The main window opens the window with cursor 5 on the button and on
    // the line before the link.
    void pointingCursorOnTheButtonAndTheFirstLine()
    {
        Tinfo info;
        QVERIFY(part(info, "BitBtn1")->cursor() == pointingCursor());
        QVERIFY(part(info, "Label1")->cursor() == pointingCursor());
    }

    void linkHover_data()
    {
        QTest::addColumn<QString>("leftFor");
        QTest::newRow("window") << "info";
        QTest::newRow("Panel1") << "Panel1";
        QTest::newRow("Panel2") << "Panel2";
        QTest::newRow("Memo1") << "qt_scrollarea_viewport";
        QTest::newRow("BitBtn1") << "BitBtn1";
    }

    void linkHover()
    {
        QFETCH(QString, leftFor);
        Tinfo info;
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QWidget *target = leftFor == info.objectName() ? &info : part(info, qPrintable(leftFor));
        auto *link = part(info, "Label2");
        moveOver(info, &info, QPoint(1, 1));
        QVERIFY(linkPlainBold(info));
        moveOver(info, link, link->rect().center());
        QVERIFY(linkUnderlined(info));
        moveOver(info, target, QPoint(3, 3));
        QVERIFY(linkPlainBold(info));
        moveOver(info, link, QPoint(2, 2));
        QVERIFY(linkUnderlined(info));
    }

    void linkClosesOpensTheSiteAndMinimisesTheMainWindow()
    {
        QWidget mainWindow;
        mainWindow.show();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        Tinfo info(&mainWindow);
        GuiTest::whenModalOpens([](QWidget *modal) {
            QTest::mouseClick(part(*modal, "Label2"), Qt::LeftButton);
        });
        QCOMPARE(info.exec(), int(QDialog::Accepted));
        QCOMPARE(m_opened, QUrl(QStringLiteral("https://aralda.example.org/")));
        QVERIFY(mainWindow.isMinimized());
        QVERIFY(!info.isVisible());
    }

    void okClosesAndGoesNowhere()
    {
        QWidget mainWindow;
        mainWindow.show();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        Tinfo info(&mainWindow);
        GuiTest::whenModalOpens([](QWidget *modal) { QTest::mouseClick(part(*modal, "BitBtn1"), Qt::LeftButton); });
        QCOMPARE(info.exec(), int(QDialog::Accepted));
        QVERIFY(m_opened.isEmpty());
        QVERIFY(!mainWindow.isMinimized());
    }

    // Without a mouse: Tab reaches the link, which then shows underlined, and
    // Enter or Space follows it as a click does.
    void linkFollowedFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void linkFollowedFromTheKeyboard()
    {
        QFETCH(int, key);
        QWidget mainWindow;
        mainWindow.show();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        Tinfo info(&mainWindow);
        GuiTest::whenModalOpens([key](QWidget *modal) {
            auto *link = part<QLabel>(*modal, "Label2");
            // The window may show before it is active and has a focus to Tab from.
            QVERIFY(QTest::qWaitForWindowActive(modal));
            QWidget *focus = QApplication::focusWidget();
            for (int press = 0; focus && focus != link && press < 10; ++press) {
                QTest::keyClick(focus, Qt::Key_Tab);
                focus = QApplication::focusWidget();
            }
            QCOMPARE(focus, link);
            QVERIFY(link->font().underline());
            QTest::keyClick(link, Qt::Key(key));
        });
        QCOMPARE(info.exec(), int(QDialog::Accepted));
        QCOMPARE(m_opened, QUrl(QStringLiteral("https://aralda.example.org/")));
        QVERIFY(mainWindow.isMinimized());
    }

    // Other keys on the focused link do nothing to it.
    void linkIgnoresOtherKeys()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        Tinfo info;
        info.show();
        info.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&info));
        auto *link = part<QLabel>(info, "Label2");
        link->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), link);
        QTest::keyClick(link, Qt::Key_A);
        QVERIFY(info.isVisible());
        QVERIFY(m_opened.isEmpty());
        // Focus leaving takes the underline away.
        QTest::keyClick(link, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != link);
        QVERIFY(!link->font().underline());
    }

    // A press that leaves the link before the button comes up is no click.
    void linkPressReleasedElsewhere()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        Tinfo info;
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        auto *link = part(info, "Label2");
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 20, 2));
        QVERIFY(info.isVisible());
        QVERIFY(m_opened.isEmpty());
    }

    void mousePressBeeps_data()
    {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("beeps");
        QTest::newRow("window") << "info" << 1;
        QTest::newRow("Panel1") << "Panel1" << 1;
        QTest::newRow("a label on Panel1") << "Version" << 1;
        QTest::newRow("Panel2") << "Panel2" << 1;
        QTest::newRow("Memo1") << "qt_scrollarea_viewport" << 1;
        QTest::newRow("BitBtn1") << "BitBtn1" << 0;
        QTest::newRow("the link") << "Label2" << 0;
    }

    void mousePressBeeps()
    {
        QFETCH(QString, pressed);
        QFETCH(int, beeps);
        Tinfo info;
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QSignalSpy beeped(&info, &Tinfo::beeped);
        QWidget *target = pressed == info.objectName() ? &info : part(info, qPrintable(pressed));
        QTest::mousePress(target, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(beeped.count(), beeps);
        QVERIFY(info.isVisible());
        QCOMPARE(info.result(), 0);
    }

public slots:
    void openUrl(const QUrl &url) { m_opened = url; }

private:
    std::unique_ptr<GuiTest::Fixture> m_fixture;
    QUrl m_opened;
};

QTEST_MAIN(TestTinfo)
#include "tst_tinfo.moc"
