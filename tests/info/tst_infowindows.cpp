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
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>

#include <memory>

namespace {

constexpr QRgb Silver = 0xC0C0C0;

template<typename Control = QWidget>
Control *part(QWidget &window, const QString &name)
{
    auto *control = name == window.objectName() ? qobject_cast<Control *>(&window) : window.findChild<Control *>(name);
    if (!control)
        qFatal("no %s", qPrintable(name));
    return control;
}

// The memo's lines, and whether each fits its width in the font it chose, so none is wrapped or cut.
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

QRgb pixelOf(QWidget &window, const QWidget *widget, QPoint at)
{
    return window.grab().toImage().pixel(widget->mapTo(&window, at)) & 0xFFFFFF;
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
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
        delete HelpViewer::current();
        m_fixture.reset();
    }

    // Borderless and of fixed size, the information window keeps the form's places: Label1 at its
    // left, the others centred (rounded down) as wide as their text. The notes keep line 0 empty.
    void windowsAsDesigned()
    {
        // the labels ProductName, Label3, Label1, Label2, Label4, or the notes' Panel1
        for (const auto &[notes, column, labels] :
             {std::tuple{false, 0, QStringList{"A R A L D A", "", "Visitate il sito:", "Aralda in rete",
                                               "geometria per la scuola secondaria"}},
              {false, 3, QStringList{TestLanguage::ProductName, TestLanguage::Credit, TestLanguage::VisitSite,
                                     TestLanguage::SiteName, TestLanguage::SiteSubtitle}},
              {true, 0, QStringList{"Istruzioni"}}, {true, 3, QStringList{TestLanguage::Instructions}}}) {
            Language.LanguageIndex = quint8(column);
            if (column == LoadedLanguage) { // read by the start-up rule, as a settings file naming it would ask
                QVERIFY(TestLanguage::write(QStringLiteral("es.lng")));
                Language.LanguageFilePath = QStringLiteral("es.lng");
                LanguageFile::loadAtStartUp();
                QVERIFY(Language.LanguageIndex == LoadedLanguage);
            }
            const std::unique_ptr<QDialog> window(notes ? static_cast<QDialog *>(new Tnote) : new Tinfo);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QStringList shown;
            for (const char *name : notes ? QList<const char *>{"Panel1"}
                                          : QList<const char *>{"ProductName", "Label3", "Label1", "Label2", "Label4"})
                shown << part<QLabel>(*window, name)->text();
            QCOMPARE(shown, labels);
            auto *ok = part<QPushButton>(*window, "BitBtn1");
            QVERIFY(ok->text() == u"OK"_qs && ok->cursor() == pointingCursor());

            const int lineCount = notes ? 47 : 82;
            QStringList expected = notes ? InfoTexts::notesLines(column) : InfoTexts::informationLines(column);
            if (column == LoadedLanguage) {
                expected = notes ? QStringList{QString()} : QStringList();
                for (int line = notes ? 1 : 0; line < lineCount; ++line)
                    expected << (notes ? TestLanguage::notesText(line) : TestLanguage::informationText(line));
            }
            bool fit = true;
            QCOMPARE(memoLines(*window, &fit), expected);
            QVERIFY(expected.size() == lineCount && fit);
            auto *memo = part<QPlainTextEdit>(*window, "Memo1");
            QCOMPARE(pixelOf(*window, memo->viewport(), QPoint(memo->viewport()->width() - 2, 2)), Silver);
            QVERIFY(memo->isReadOnly());
            if (notes) {
                QCOMPARE(window->windowTitle() + u' ' + QString::number(window->width()) + u'x'
                             + QString::number(window->height()), u"Memo 407x314"_qs);
                QCOMPARE(window->windowFlags() & (Qt::WindowType_Mask | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint),
                         Qt::Dialog | Qt::WindowTitleHint);
                const QFont heading = part<QLabel>(*window, "Panel1")->font();
                QVERIFY(heading.pixelSize() == 19 && heading.bold() && memo->font().bold());
                QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
                continue;
            }
            QCOMPARE(part<QLabel>(*window, "Version")->text(), QStringLiteral("Gruppo di lavoro Aralda"));
            for (const auto &[name, panel, left, top] :
                 {std::tuple{"ProductName", "Panel1", -1, 6}, {"Version", "Panel1", -1, 32}, {"Label3", "Panel1", -1, 54},
                  {"Label1", "Panel2", 6, 3}, {"Label2", "Panel2", -1, 20}, {"Label4", "Panel2", -1, 37}}) {
                const auto *label = part<QLabel>(*window, name);
                QCOMPARE(label->parentWidget(), part(*window, panel));
                const int centred = (label->parentWidget()->width() - label->width()) / 2;
                QCOMPARE(label->pos(), QPoint(left < 0 ? centred : left, top));
                QVERIFY(left >= 0 || label->width() == label->sizeHint().width());
            }
            QVERIFY(window->size() == QSize(413, 331) && window->windowFlags() & Qt::FramelessWindowHint);
            QCOMPARE(window->geometry().center(), window->screen()->geometry().center());
            auto *panel1 = part<QFrame>(*window, "Panel1");
            QCOMPARE(pixelOf(*window, window.get(), QPoint(window->width() - 3, window->height() - 3)), 0x808000u);
            QCOMPARE(pixelOf(*window, panel1, QPoint(panel1->width() - 4, panel1->height() - 4)), Silver);
            QVERIFY(panel1->frameShadow() == QFrame::Raised
                    && part<QFrame>(*window, "Panel2")->frameShadow() == QFrame::Sunken);
            QCOMPARE(part<QLabel>(*window, "ProductName")->font().pixelSize(), 16);
            auto *link = part<QLabel>(*window, "Label2");
            QVERIFY(link->font().bold() && !link->font().underline() && link->cursor().shape() == Qt::PointingHandCursor);
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        }
    }

    // Pressed, all but the controls beep. The mouse over anything but the
    // link takes its underline away, over the link brings it back.
    void mouseOverAndPressed()
    {
        Tinfo info;
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QSignalSpy beeped(&info, &Tinfo::beeped);
        // Moved as the window system moves it, so the window finds the widget under the pointer.
        const auto moveOver = [&info](const QString &name) {
            QTest::mouseMove(info.windowHandle(), part(info, name)->mapTo(&info, QPoint(3, 3)));
        };
        for (const auto &[place, beeps] : {std::pair{"info", 1}, {"Panel1", 1}, {"Panel2", 1}, {"Version", 1},
                                           {"qt_scrollarea_viewport", 1}, {"BitBtn1", 0}}) {
            moveOver(u"Label2"_qs);
            QVERIFY(part<QLabel>(info, "Label2")->font().underline());
            moveOver(QString::fromLatin1(place));
            QVERIFY2(!part<QLabel>(info, "Label2")->font().underline() || place == u"Version"_qs, place);
            beeped.clear();
            QTest::mousePress(part(info, place), Qt::LeftButton, {}, QPoint(3, 3));
            QTest::mouseRelease(part(info, place), Qt::LeftButton, {}, QPoint(-2, -2)); // off OK: no click
            QVERIFY2(beeped.count() == beeps && info.isVisible(), place);
        }
        QCOMPARE(info.result(), 0);
    }

    // Tab reaches the link, underlined while focused; Enter or Space follow it
    // as a click does: the site opens and the main window minimises. Another
    // key or a press that leaves the link does nothing; OK only closes.
    void linkFollowed()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        // key 0 a click, -1 a press released off the link, -2 OK
        for (const auto &[key, followed] : {std::pair{0, true}, {int(Qt::Key_Return), true}, {int(Qt::Key_Enter), true},
                                            {int(Qt::Key_Space), true}, {int(Qt::Key_A), false}, {-1, false}, {-2, false}}) {
            m_opened.clear();
            QWidget mainWindow;
            mainWindow.show();
            Tinfo info(&mainWindow);
            GuiTest::whenModalOpens([key = key](QWidget *modal) {
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
            QCOMPARE(m_opened, followed ? QUrl(u"https://aralda.example.org/"_qs) : QUrl());
            QVERIFY2(mainWindow.isMinimized() == followed, qPrintable(QString::number(key)));
        }
    }

    // The memo's font shrinks by half points until the widest line fits, and no further than 7 points.
    void memoFontShrinksToAFloor()
    {
        // The line's width in memo widths at 9 points; 0: between 9 and 10 points
        for (const auto &[widthAtNine, size] : {std::pair{0.2, 10.0}, {0.9, 0.0}, {3.0, 7.0}}) {
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
            QVERIFY2(size > 0 ? shown == size : shown >= 9 && shown < 10, qPrintable(QString::number(shown)));
        }
    }

    // The notes show their hints whatever the main window's switch says, F1 opens their topic in the
    // language in force; the workspace's notes button opens them on it, and they are gone once closed.
    void notesHintHelpAndButton()
    {
        Shell.MainShowHints = false;
        Language.LanguageIndex = 2;
        {
            Tnote note;
            note.show();
            QVERIFY(QTest::qWaitForWindowExposed(&note));
            auto *ok = part<QPushButton>(note, "BitBtn1");
            QHelpEvent tip(QEvent::ToolTip, ok->rect().center(), ok->mapToGlobal(ok->rect().center()));
            QCoreApplication::sendEvent(ok, &tip);
            QTRY_COMPARE(QToolTip::text(), QStringLiteral("OK"));
            QToolTip::hideText();
            QTest::keyClick(&note, Qt::Key_F1);
            QCOMPARE(HelpViewer::current()->currentPage().toString(), QStringLiteral("qrc:/help/fr/806.html"));
            QVERIFY(note.isVisible());
        }
        delete HelpViewer::current();
        m_fixture.reset();
        init();
        PlaneHarness plane;
        QWidget *parent = nullptr;
        QStringList lines;
        GuiTest::whenModalOpens([&](QWidget *modal) {
            parent = modal->parentWidget();
            if (qobject_cast<Tnote *>(modal))
                lines = memoLines(*modal);
            QTest::mouseClick(part(*modal, "BitBtn1"), Qt::LeftButton);
        });
        plane.button("memo")->click();
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
