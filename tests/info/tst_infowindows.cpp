#include "info/memotext.h"
#include "info/tinfo.h"
#include "info/tnote.h"
#include "lang/infotexts.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "plane/planeharness.h"
#include "shell/helpviewer.h"
#include "shell/imagelist.h"
#include "shell/shellvalues.h"
#include "support/guitest.h"
#include "support/testlanguage.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>

#include <cstdlib>
#include <memory>

// The information and notes windows: the language in force, the windows'
// parts by name, and what a memo and a pixel show.
namespace {

constexpr QRgb Silver = 0xC0C0C0;

// LanguageIndex set to `column`; the loaded language read from a language
// file by the start-up rule, as a settings file naming it would ask.
bool useLanguage(int column)
{
    if (column != LoadedLanguage) {
        Language.LanguageIndex = quint8(column);
        return true;
    }
    if (!TestLanguage::write(QStringLiteral("es.lng")))
        return false;
    Language.LanguageIndex = LoadedLanguage;
    Language.LanguageFilePath = QStringLiteral("es.lng");
    LanguageFile::loadAtStartUp();
    return Language.LanguageIndex == LoadedLanguage;
}

template<typename Control = QWidget>
Control *part(const QWidget &window, const char *name)
{
    auto *control = window.findChild<Control *>(QString::fromLatin1(name));
    if (!control)
        qFatal("no %s", name);
    return control;
}

// The memo's lines, and whether each fits its width in the font it chose,
// so that none is wrapped or cut.
QStringList memoLines(const QWidget &window, bool *fit = nullptr)
{
    const auto *memo = part<QPlainTextEdit>(window, "Memo1");
    const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
    const int space = memo->viewport()->width() - 2 * int(memo->document()->documentMargin());
    for (const QString &line : lines)
        if (fit && QFontMetrics(memo->font()).horizontalAdvance(line) > space)
            *fit = false;
    return lines;
}

QRgb pixelOf(const QImage &shot, const QWidget &window, const QWidget *widget, QPoint at)
{
    return shot.pixel(widget->mapTo(&window, at)) & 0xFFFFFF;
}

const QUrl Site(QStringLiteral("https://aralda.example.org/"));

// The mouse moved over `widget` at `at` as the window system moves it, so the
// window finds the widget under the pointer.
void moveOver(const QWidget &window, const QWidget *widget, QPoint at)
{
    QTest::mouseMove(window.windowHandle(), widget->mapTo(&window, at));
}

bool linkUnderlined(const QWidget &window)
{
    const QFont font = part<QLabel>(window, "Label2")->font();
    if (!font.bold())
        qFatal("the link is no longer bold");
    return font.underline();
}

QWidget *partOrWindow(QWidget &window, const QString &name)
{
    return name == window.objectName() ? &window : part(window, qPrintable(name));
}

} // namespace

class TestInfoWindows : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<GuiTest::Fixture>(); }

    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        const QStringList unexpected = GuiTest::unexpectedModals();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char(','))));
        delete HelpViewer::current();
        m_fixture.reset();
        m_opened.clear();
    }

    // The loaded language's texts come from the language file, so its rows
    // also check that each part reads its own row of the tables. The notes
    // keep line 0 empty.
    void textsOfTheLanguageInForce_data()
    {
        QTest::addColumn<bool>("notes");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("labels"); // ProductName, Label3, Label1, Label2, Label4; the notes' Panel1
        QTest::newRow("information, Italian") << false << 0
                                              << QStringList{"A R A L D A", "", "Visitate il sito:", "Aralda in rete",
                                                             "geometria per la scuola secondaria"};
        QTest::newRow("information, loaded") << false << 3
                                             << QStringList{TestLanguage::ProductName, TestLanguage::Credit,
                                                            TestLanguage::VisitSite, TestLanguage::SiteName,
                                                            TestLanguage::SiteSubtitle};
        QTest::newRow("notes, Italian") << true << 0 << QStringList{"Istruzioni"};
        QTest::newRow("notes, loaded") << true << 3 << QStringList{TestLanguage::Instructions};
    }

    // The information window is borderless and of fixed size, so its lines
    // keep the places of the form: each label at its top, all but Label1
    // centred in their panel as wide as their text, the spare width halved
    // and rounded down.
    void textsOfTheLanguageInForce()
    {
        QFETCH(bool, notes);
        QFETCH(int, column);
        QFETCH(QStringList, labels);
        QVERIFY(useLanguage(column));
        const std::unique_ptr<QDialog> window(notes ? static_cast<QDialog *>(new Tnote) : new Tinfo);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QStringList shown;
        for (const char *name : notes ? QList<const char *>{"Panel1"}
                                      : QList<const char *>{"ProductName", "Label3", "Label1", "Label2", "Label4"})
            shown << part<QLabel>(*window, name)->text();
        QCOMPARE(shown, labels);
        QCOMPARE(part<QPushButton>(*window, "BitBtn1")->text(), QStringLiteral("OK"));

        const int lineCount = notes ? 47 : 82;
        QStringList expected = notes ? InfoTexts::notesLines(column) : InfoTexts::informationLines(column);
        if (column == LoadedLanguage) {
            expected = notes ? QStringList{QString()} : QStringList();
            for (int line = notes ? 1 : 0; line < lineCount; ++line)
                expected << (notes ? TestLanguage::notesText(line) : TestLanguage::informationText(line));
        }
        bool fit = true;
        QCOMPARE(memoLines(*window, &fit), expected);
        QCOMPARE(expected.size(), lineCount);
        QVERIFY(fit);
        if (notes) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Memo"));
            QCOMPARE(expected.at(0), QString());
            return;
        }
        QCOMPARE(part<QLabel>(*window, "Version")->text(), QStringLiteral("Gruppo di lavoro Aralda"));
        for (const auto &[name, panel, left, top] :
             {std::tuple{"ProductName", "Panel1", -1, 6}, {"Version", "Panel1", -1, 32}, {"Label3", "Panel1", -1, 54},
              {"Label1", "Panel2", 6, 3}, {"Label2", "Panel2", -1, 20}, {"Label4", "Panel2", -1, 37}}) {
            const auto *label = part<QLabel>(*window, name);
            QCOMPARE(label->parentWidget(), part(*window, panel));
            const int centred = (label->parentWidget()->width() - label->width()) / 2;
            QCOMPARE(label->pos(), QPoint(left < 0 ? centred : left, top));
            if (left < 0)
                QCOMPARE(label->width(), label->sizeHint().width());
        }
    }

    // The main window opens the window with cursor 5 on the button and on
    // the line before the link.
    void informationWindowLooksAsDesigned()
    {
        Tinfo info;
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QCOMPARE(info.size(), QSize(413, 331));
        QVERIFY(info.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(info.geometry().center(), info.screen()->geometry().center());

        const QImage shot = info.grab().toImage();
        auto *panel1 = part<QFrame>(info, "Panel1");
        auto *panel2 = part<QFrame>(info, "Panel2");
        auto *memo = part<QPlainTextEdit>(info, "Memo1");
        QCOMPARE(shot.pixel(2, 2) & 0xFFFFFF, 0x808000u);
        QCOMPARE(shot.pixel(info.width() - 3, info.height() - 3) & 0xFFFFFF, 0x808000u);
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
        QVERIFY(memo->verticalScrollBar()->isVisible());

        auto *icon = part<QLabel>(info, "ProgramIcon");
        QCOMPARE(icon->parentWidget(), panel1);
        QCOMPARE(icon->size(), QSize(32, 32));
        const QPixmap logo =
            QPixmap(u":/pictures/aralda.png"_qs).scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(icon->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 logo.toImage().convertToFormat(QImage::Format_ARGB32));
        auto *title = part<QLabel>(info, "ProductName");
        QCOMPARE(title->font().pixelSize(), 16);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(Qt::black));
        auto *link = part<QLabel>(info, "Label2");
        QVERIFY(!linkUnderlined(info));
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
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
        auto *link = part(info, "Label2");
        moveOver(info, &info, QPoint(1, 1));
        QVERIFY(!linkUnderlined(info));
        moveOver(info, link, link->rect().center());
        QVERIFY(linkUnderlined(info));
        moveOver(info, partOrWindow(info, leftFor), QPoint(3, 3));
        QVERIFY(!linkUnderlined(info));
        moveOver(info, link, QPoint(2, 2));
        QVERIFY(linkUnderlined(info));
    }

    // Without a mouse, Tab reaches the link, which then shows underlined,
    // and Enter or Space follows it as a click does. Following it closes the
    // window, opens the site and minimises the main window. OK only closes;
    // another key, or a press that leaves the link before the button comes
    // up, does nothing, and focus leaving takes the underline away.
    void linkFollowed_data()
    {
        QTest::addColumn<int>("key"); // 0 a click, -1 a press released off the link, -2 OK
        QTest::addColumn<bool>("followed");
        QTest::newRow("click") << 0 << true;
        QTest::newRow("Return") << int(Qt::Key_Return) << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << true;
        QTest::newRow("another key") << int(Qt::Key_A) << false;
        QTest::newRow("released off the link") << -1 << false;
        QTest::newRow("OK") << -2 << false;
    }

    void linkFollowed()
    {
        QFETCH(int, key);
        QFETCH(bool, followed);
        QWidget mainWindow;
        mainWindow.show();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        Tinfo info(&mainWindow);
        GuiTest::whenModalOpens([key](QWidget *modal) {
            auto *link = part<QLabel>(*modal, "Label2");
            if (key == -1) {
                QTest::mousePress(link, Qt::LeftButton, {}, QPoint(2, 2));
                QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 20, 2));
            } else if (key == 0) {
                QTest::mouseClick(link, Qt::LeftButton);
            } else if (key > 0) {
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
            }
            if (key > 0 && modal->isVisible()) {
                QTest::keyClick(link, Qt::Key_Tab);
                QVERIFY(!link->font().underline());
            }
            if (modal->isVisible())
                QTest::mouseClick(part(*modal, "BitBtn1"), Qt::LeftButton);
        });
        QCOMPARE(info.exec(), int(QDialog::Accepted));
        QCOMPARE(m_opened, followed ? Site : QUrl());
        QCOMPARE(mainWindow.isMinimized(), followed);
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
        QTest::mousePress(partOrWindow(info, pressed), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(beeped.count(), beeps);
        QVERIFY(info.isVisible());
        QCOMPARE(info.result(), 0);
    }

    // The memo's font shrinks by half points until the widest line fits,
    // and no further than 7 points; a text that fits keeps its size.
    void memoFontShrinksToAFloor_data()
    {
        QTest::addColumn<double>("widthAtNine"); // of the line, in memo widths, in 9 points
        QTest::addColumn<double>("size"); // 0: between 9 and 10 points
        QTest::newRow("fits as it is") << 0.2 << 10.0;
        QTest::newRow("fits when smaller") << 0.9 << 0.0;
        QTest::newRow("never fits: the floor") << 3.0 << 7.0;
    }

    void memoFontShrinksToAFloor()
    {
        QFETCH(double, widthAtNine);
        QFETCH(double, size);
        QPlainTextEdit memo;
        memo.resize(397, 140);
        QFont font = memo.font();
        font.setPointSizeF(9);
        QString line;
        while (QFontMetrics(font).horizontalAdvance(line) < widthAtNine * memo.width())
            line += u'n';
        font.setPointSizeF(10);
        memo.setFont(font);
        showLines(&memo, {QStringLiteral("x"), line});
        QCOMPARE(memo.toPlainText(), QStringLiteral("x\n") + line);
        const qreal shown = memo.font().pointSizeF();
        if (size > 0)
            QCOMPARE(shown, size);
        else
            QVERIFY2(shown >= 9 && shown < 10, qPrintable(QString::number(shown)));
    }

    void notesWindowLooksAsDesigned()
    {
        Tnote note;
        note.show();
        QVERIFY(QTest::qWaitForWindowExposed(&note));
        QCOMPARE(note.size(), QSize(407, 314));
        const Qt::WindowFlags flags = note.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(flags & Qt::WindowTitleHint);
        QCOMPARE(flags & (Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint
                          | Qt::WindowContextHelpButtonHint), Qt::WindowFlags());
        // Centred on the screen, up to the width of the frame the platform
        // adds around the window.
        const QPoint offCentre = note.geometry().center() - note.screen()->geometry().center();
        QVERIFY(std::abs(offCentre.x()) <= note.frameGeometry().width() - note.width());
        QVERIFY(std::abs(offCentre.y()) <= note.frameGeometry().height() - note.height());
        QVERIFY(note.font().bold());

        const QImage shot = note.grab().toImage();
        auto *heading = part<QLabel>(note, "Panel1");
        auto *memo = part<QPlainTextEdit>(note, "Memo1");
        auto *ok = part<QPushButton>(note, "BitBtn1");
        QCOMPARE(heading->font().pixelSize(), 19);
        QVERIFY(heading->font().bold());
        QCOMPARE(heading->alignment(), Qt::AlignCenter);
        QCOMPARE(pixelOf(shot, note, heading, QPoint(4, 4)), Silver);
        QCOMPARE(pixelOf(shot, note, heading, QPoint(heading->width() - 5, heading->height() - 5)), Silver);
        QCOMPARE(pixelOf(shot, note, memo->viewport(), QPoint(memo->viewport()->width() - 2, 2)), Silver);
        QVERIFY(memo->isReadOnly() && memo->font().bold());
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(memo->verticalScrollBar()->isVisible());
        QVERIFY(heading->geometry().bottom() < memo->geometry().top());
        QVERIFY(memo->geometry().bottom() < ok->geometry().top());
        QVERIFY(note.rect().contains(ok->geometry()));
        QVERIFY(ok->cursor() == pointingCursor());
    }

    // The notes show their hints whatever the main window's switch says, and
    // F1 opens their help topic in the language in force.
    void notesHintAndHelp_data()
    {
        QTest::addColumn<bool>("mainHints");
        QTest::newRow("main window's hints on") << true;
        QTest::newRow("main window's hints off") << false;
    }

    void notesHintAndHelp()
    {
        QFETCH(bool, mainHints);
        Shell.MainShowHints = mainHints;
        Language.LanguageIndex = 2;
        Tnote note;
        note.show();
        QVERIFY(QTest::qWaitForWindowExposed(&note));
        auto *ok = part<QPushButton>(note, "BitBtn1");
        QHelpEvent tip(QEvent::ToolTip, ok->rect().center(), ok->mapToGlobal(ok->rect().center()));
        QCoreApplication::sendEvent(ok, &tip);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("OK"));
        QToolTip::hideText();
        QTest::keyClick(&note, Qt::Key_F1);
        QVERIFY(HelpViewer::current());
        QCOMPARE(HelpViewer::current()->currentPage().toString(), QStringLiteral("qrc:/help/fr/806.html"));
        QVERIFY(note.isVisible());
    }

    // The workspace's notes button opens the notes on the workspace, OK
    // closes them, and the window is gone once closed.
    void workspaceNotesButtonOpensTheNotes()
    {
        PlaneHarness plane;
        QToolButton *memo = plane.button("memo");
        QVERIFY(memo->isEnabled());
        QWidget *parent = nullptr;
        QStringList lines;
        GuiTest::whenModalOpens([&](QWidget *modal) {
            parent = modal->parentWidget();
            if (qobject_cast<Tnote *>(modal))
                lines = memoLines(*modal);
            QTest::mouseClick(part(*modal, "BitBtn1"), Qt::LeftButton);
        });
        memo->click();
        QCOMPARE(parent, plane.window());
        QCOMPARE(lines.value(1), QStringLiteral(" 1.   Choice of the simulation:"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(plane.window()->findChildren<Tnote *>().isEmpty());
    }

public slots:
    void openUrl(const QUrl &url) { m_opened = url; }

private:
    std::unique_ptr<GuiTest::Fixture> m_fixture;
    QUrl m_opened;
};

QTEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
