#include "info/tnote.h"
#include "info/windowparts.h"
#include "lang/infotexts.h"
#include "lang/languagetables.h"
#include "plane/planeharness.h"
#include "shell/helpviewer.h"
#include "shell/imagelist.h"
#include "shell/shellvalues.h"
#include "support/guitest.h"
#include "support/testlanguage.h"

#include <QHelpEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include <cstdlib>
#include <memory>

using namespace WindowParts;

class TestTnote : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<GuiTest::Fixture>(); }

    void cleanup()
    {
        const QStringList unexpected = GuiTest::unexpectedModals();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char(','))));
        delete HelpViewer::current();
        m_fixture.reset();
    }

    void textsOfTheLanguageInForce_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("firstStep");
        QTest::newRow("Italian") << 0 << "Istruzioni" << " 1.   Scelta della simulazione:";
        QTest::newRow("English") << 1 << "Instructions" << " 1.   Choice of the simulation:";
        QTest::newRow("French") << 2 << "Instructions" << " 1.   Choix de la simulation:";
        QTest::newRow("loaded") << 3 << TestLanguage::Instructions << TestLanguage::notesText(1);
    }

    void textsOfTheLanguageInForce()
    {
        QFETCH(int, column);
        QFETCH(QString, heading);
        QFETCH(QString, firstStep);
        QVERIFY(useLanguage(column));
        Tnote note;
        note.show();
        QVERIFY(QTest::qWaitForWindowExposed(&note));
        QCOMPARE(note.windowTitle(), QStringLiteral("Memo"));
        QCOMPARE(part<QLabel>(note, "Panel1")->text(), heading);
        QCOMPARE(part<QPushButton>(note, "BitBtn1")->text(), QStringLiteral("OK"));

        const QStringList lines = memoLines(note);
        QCOMPARE(lines.size(), 47);
        QCOMPARE(lines.at(0), QString());
        QCOMPARE(lines.at(1), firstStep);
        if (column == LoadedLanguage) {
            for (int line = 1; line < 47; ++line)
                QCOMPARE(lines.at(line), TestLanguage::notesText(line));
        } else {
            QCOMPARE(lines, InfoTexts::notesLines(column));
        }
        QVERIFY(linesFit(part<QPlainTextEdit>(note, "Memo1")));
    }

    void windowLooksAsDesigned()
    {
        Tnote note;
        note.show();
        QVERIFY(QTest::qWaitForWindowExposed(&note));
        QCOMPARE(note.size(), QSize(407, 314));
        const Qt::WindowFlags flags = note.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(flags & Qt::WindowTitleHint);
        for (Qt::WindowType icon : {Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint,
                                    Qt::WindowMaximizeButtonHint, Qt::WindowCloseButtonHint,
                                    Qt::WindowContextHelpButtonHint})
            QVERIFY2(!(flags & icon), qPrintable(QString::number(icon, 16)));
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
        QVERIFY(memo->isReadOnly());
        QVERIFY(memo->font().bold());
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(memo->verticalScrollBar()->isVisible());
        QVERIFY(heading->geometry().bottom() < memo->geometry().top());
        QVERIFY(memo->geometry().bottom() < ok->geometry().top());
        QVERIFY(note.rect().contains(ok->geometry()));
        QVERIFY(ok->cursor() == pointingCursor());
    }

    // The window shows its hints whatever the main window's switch says.
    void okHint_data()
    {
        QTest::addColumn<bool>("mainHints");
        QTest::newRow("main window's hints on") << true;
        QTest::newRow("main window's hints off") << false;
    }

    void okHint()
    {
        QFETCH(bool, mainHints);
        Shell.MainShowHints = mainHints;
        Tnote note;
        note.show();
        QVERIFY(QTest::qWaitForWindowExposed(&note));
        auto *ok = part<QPushButton>(note, "BitBtn1");
        QCOMPARE(ok->toolTip(), QStringLiteral("OK"));
        QHelpEvent tip(QEvent::ToolTip, ok->rect().center(), ok->mapToGlobal(ok->rect().center()));
        QCoreApplication::sendEvent(ok, &tip);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("OK"));
        QToolTip::hideText();
    }

    void okCloses()
    {
        Tnote note;
        GuiTest::whenModalOpens([](QWidget *modal) { QTest::mouseClick(part(*modal, "BitBtn1"), Qt::LeftButton); });
        QCOMPARE(note.exec(), int(QDialog::Accepted));
        QVERIFY(!note.isVisible());
    }

    void helpKeyOpensTheNotesTopic_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("page");
        QTest::newRow("Italian") << 0 << "qrc:/help/it/806.html";
        QTest::newRow("English") << 1 << "qrc:/help/en/806.html";
        QTest::newRow("French") << 2 << "qrc:/help/fr/806.html";
    }

    void helpKeyOpensTheNotesTopic()
    {
        QFETCH(int, column);
        QFETCH(QString, page);
        Language.LanguageIndex = quint8(column);
        Tnote note;
        note.show();
        QVERIFY(QTest::qWaitForWindowExposed(&note));
        QTest::keyClick(&note, Qt::Key_F1);
        QVERIFY(HelpViewer::current());
        QCOMPARE(HelpViewer::current()->currentPage().toString(), page);
        QVERIFY(note.isVisible());
    }

    void workspaceNotesButtonOpensTheNotes_data()
    {
        QTest::addColumn<int>("column");
        QTest::newRow("Italian") << 0;
        QTest::newRow("loaded") << 3;
    }

    void workspaceNotesButtonOpensTheNotes()
    {
        QFETCH(int, column);
        QVERIFY(useLanguage(column));
        PlaneHarness plane;
        QToolButton *memo = plane.button("memo");
        QVERIFY(memo->isEnabled());
        QWidget *parent = nullptr;
        QString title;
        QStringList lines;
        GuiTest::whenModalOpens([&](QWidget *modal) {
            parent = modal->parentWidget();
            title = modal->windowTitle();
            if (qobject_cast<Tnote *>(modal))
                lines = memoLines(*modal);
            QTest::mouseClick(part(*modal, "BitBtn1"), Qt::LeftButton);
        });
        memo->click();
        QCOMPARE(title, QStringLiteral("Memo"));
        QCOMPARE(parent, plane.window());
        QCOMPARE(lines, InfoTexts::notesLines(column));
        QCOMPARE(lines.at(1), column == 0 ? QStringLiteral(" 1.   Scelta della simulazione:") : TestLanguage::notesText(1));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(plane.window()->findChildren<Tnote *>().isEmpty());
    }

private:
    std::unique_ptr<GuiTest::Fixture> m_fixture;
};

QTEST_MAIN(TestTnote)
#include "tst_tnote.moc"
