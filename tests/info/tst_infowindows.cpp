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
Control *part(QWidget &window, const QString &name)
{
    auto *control = name == window.objectName() ? qobject_cast<Control *>(&window) : window.findChild<Control *>(name);
    if (!control)
        qFatal("no %s", qPrintable(name));
    return control;
}

// The memo's lines, and whether each fits its width in the font it chose,
// so that none is wrapped or cut.
QStringList memoLines(QWidget &window, bool *fit = nullptr)
{
    const auto *memo = part<QPlainTextEdit>(window, "Memo1");
    const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
    const int space = memo->viewport()->width() - 2 * int(memo->document()->documentMargin());
    for (const QString &line : lines)
        if (fit && QFontMetrics(memo->font()).horizontalAdvance(line) > space)
            *fit = false;
    return lines;
}

QRgb pixelOf(const QImage &shot, QWidget &window, const QWidget *widget, QPoint at)
{
    return shot.pixel(widget->mapTo(&window, at)) & 0xFFFFFF;
}

const QUrl Site(QStringLiteral("https://aralda.example.org/"));

bool linkUnderlined(QWidget &window)
{
    const QFont font = part<QLabel>(window, "Label2")->font();
    if (!font.bold())
        qFatal("the link is no longer bold");
    return font.underline();
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
    void windowsAsDesigned_data()
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
    // and rounded down. The main window opens it with cursor 5 on the button
    // and on the line before the link; the notes are a plain dialog.
    void windowsAsDesigned()
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
        auto *ok = part<QPushButton>(*window, "BitBtn1");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->cursor() == pointingCursor());

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
        const QImage shot = window->grab().toImage();
        auto *memo = part<QPlainTextEdit>(*window, "Memo1");
        QCOMPARE(pixelOf(shot, *window, memo->viewport(), QPoint(memo->viewport()->width() - 2, 2)), Silver);
        QVERIFY(memo->isReadOnly());
        QVERIFY(memo->verticalScrollBar()->isVisible());
        QVERIFY(memo->geometry().bottom() < ok->geometry().top());
        QVERIFY(window->rect().contains(ok->geometry()));
        if (notes) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Memo"));
            QCOMPARE(window->size(), QSize(407, 314));
            const Qt::WindowFlags flags = window->windowFlags();
            QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
            QVERIFY(flags & Qt::WindowTitleHint);
            QCOMPARE(flags & (Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint
                              | Qt::WindowContextHelpButtonHint), Qt::WindowFlags());
            // Centred on the screen, up to the frame the platform adds around the window.
            const QPoint offCentre = window->geometry().center() - window->screen()->geometry().center();
            QVERIFY(std::abs(offCentre.x()) <= window->frameGeometry().width() - window->width());
            QVERIFY(std::abs(offCentre.y()) <= window->frameGeometry().height() - window->height());
            auto *heading = part<QLabel>(*window, "Panel1");
            QCOMPARE(heading->font().pixelSize(), 19);
            QVERIFY(window->font().bold() && heading->font().bold() && memo->font().bold());
            QCOMPARE(heading->alignment(), Qt::AlignCenter);
            QCOMPARE(pixelOf(shot, *window, heading, QPoint(heading->width() - 5, heading->height() - 5)), Silver);
            QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
            QVERIFY(heading->geometry().bottom() < memo->geometry().top());
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
        QCOMPARE(window->size(), QSize(413, 331));
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window->geometry().center(), window->screen()->geometry().center());
        auto *panel1 = part<QFrame>(*window, "Panel1");
        auto *panel2 = part<QFrame>(*window, "Panel2");
        QCOMPARE(shot.pixel(window->width() - 3, window->height() - 3) & 0xFFFFFF, 0x808000u);
        QCOMPARE(pixelOf(shot, *window, panel1, QPoint(panel1->width() - 4, panel1->height() - 4)), Silver);
        QCOMPARE(panel1->frameShadow(), QFrame::Raised);
        QCOMPARE(panel2->frameShadow(), QFrame::Sunken);
        QVERIFY(panel1->geometry().bottom() < memo->geometry().top());
        QVERIFY(memo->geometry().bottom() < panel2->geometry().top());
        QVERIFY(panel2->geometry().bottom() < ok->geometry().top());
        auto *icon = part<QLabel>(*window, "ProgramIcon");
        QCOMPARE(icon->parentWidget(), panel1);
        QCOMPARE(icon->size(), QSize(32, 32));
        const QPixmap logo =
            QPixmap(u":/pictures/aralda.png"_qs).scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(icon->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 logo.toImage().convertToFormat(QImage::Format_ARGB32));
        auto *title = part<QLabel>(*window, "ProductName");
        QCOMPARE(title->font().pixelSize(), 16);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(Qt::black));
        auto *link = part<QLabel>(*window, "Label2");
        QVERIFY(!linkUnderlined(*window));
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(part(*window, "Label1")->cursor() == pointingCursor());
    }

    // Pressed, the window, its panels, their labels and the memo beep; the
    // controls do not. The mouse moved over the window, a panel, the memo or
    // OK takes the link's underline away, over the link brings it back.
    void mouseOverAndPressed_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<int>("underlined"); // -1: not checked
        QTest::newRow("window") << "info" << 1 << 0;
        QTest::newRow("Panel1") << "Panel1" << 1 << 0;
        QTest::newRow("a label on Panel1") << "Version" << 1 << -1;
        QTest::newRow("Panel2") << "Panel2" << 1 << 0;
        QTest::newRow("Memo1") << "qt_scrollarea_viewport" << 1 << 0;
        QTest::newRow("BitBtn1") << "BitBtn1" << 0 << 0;
        QTest::newRow("the link") << "Label2" << 0 << 1;
    }

    void mouseOverAndPressed()
    {
        QFETCH(QString, place);
        QFETCH(int, beeps);
        QFETCH(int, underlined);
        Tinfo info;
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        // Moved as the window system moves it, so the window finds the widget under the pointer.
        const auto moveOver = [&info](const QString &name, QPoint at) {
            QTest::mouseMove(info.windowHandle(), part(info, name)->mapTo(&info, at));
        };
        moveOver(u"info"_qs, QPoint(1, 1));
        QVERIFY(!linkUnderlined(info));
        moveOver(u"Label2"_qs, QPoint(2, 2));
        QVERIFY(linkUnderlined(info));
        moveOver(place, QPoint(3, 3));
        if (underlined >= 0)
            QCOMPARE(linkUnderlined(info), bool(underlined));
        QSignalSpy beeped(&info, &Tinfo::beeped);
        QTest::mousePress(part(info, place), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(beeped.count(), beeps);
        QVERIFY(info.isVisible());
        QCOMPARE(info.result(), 0);
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

    // The notes show their hints whatever the main window's switch says, and
    // F1 opens their help topic in the language in force.
    void notesHintAndHelp()
    {
        Shell.MainShowHints = false;
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
