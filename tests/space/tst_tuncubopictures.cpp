#include "spacewindow.h"

#include "lang/languagetables.h"
#include "shell/shellvalues.h"
#include "support/guitest.h"
#include "support/picturedialogs.h"

#include <QAction>
#include <QSet>
#include <QTest>

namespace {

// The space window with more than background in its picture.
struct PictureWindow : SpaceWindow {
    PictureWindow()
    {
        // The start cube drawn into every third, and a few frames of the
        // first step.
        window->FormActivate();
        for (int tick = 0; tick < 5; ++tick) {
            window->cadenzaxTimer();
            window->cadenzayTimer();
            window->cadenzazTimer();
        }
    }

    // Ctrl+key with the focus in the window: the shortcuts answer only in
    // the active window.
    bool press(Qt::Key key)
    {
        area.activateWindow();
        if (!QTest::qWaitForWindowActive(&area))
            return false;
        window->widget()->setFocus();
        QTest::keyClick(window->widget(), key, Qt::ControlModifier);
        return true;
    }

    QImage expected() const { return window->canvas().convertToFormat(QImage::Format_RGB32); }
};

int colourCount(const QImage &picture)
{
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3)
            colours.insert(picture.pixel(x, y));
    return int(colours.size());
}

} // namespace

class TestTuncuboPictures : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.emplace(); }
    void cleanup()
    {
        m_fixture.reset();
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
    }

    void copyCubePicture()
    {
        PictureWindow space;
        const QImage expected = space.expected();
        QVERIFY(colourCount(expected) >= 4); // silver, black and the faces
        GuiTest::clearClipboard();
        QVERIFY(space.press(Qt::Key_C));
        const QImage copied = GuiTest::clipboardPicture();
        QCOMPARE(copied.size(), expected.size());
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), expected);
    }

    void saveCubePicture()
    {
        PictureWindow space;
        const QImage expected = space.expected();
        GuiTest::SaveAnswer seen;
        GuiTest::answerSaveDialog(m_fixture->filePath(u"cubo"_qs), seen);
        QVERIFY(space.press(Qt::Key_S));
        QVERIFY(seen.saveDialog);
        QCOMPARE(seen.failureMessage, QString());
        const QImage saved(m_fixture->filePath(u"cubo.png"_qs), "PNG");
        QCOMPARE(saved.size(), expected.size());
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), expected);
    }

    void failedSaveIsTold()
    {
        PictureWindow space;
        GuiTest::SaveAnswer seen;
        GuiTest::answerSaveDialog(u"/proc/cubo.png"_qs, seen);
        QVERIFY(space.press(Qt::Key_S));
        QVERIFY2(seen.failureMessage.startsWith(u"The picture cannot be saved:\n/proc/cubo.png"_qs),
                 qPrintable(seen.failureMessage));
    }

    // The items stand in the pop-up the client area opens.
    void popupItems_data() { GuiTest::pictureItemRows(); }

    void popupItems()
    {
        QFETCH(int, language);
        QFETCH(QString, copy);
        QFETCH(QString, save);
        Language.LanguageIndex = quint8(language);
        PictureWindow space;
        QWidget *client = space.window->widget();
        QCOMPARE(client->contextMenuPolicy(), Qt::ActionsContextMenu);
        QStringList items;
        for (const QAction *action : client->actions()) {
            if (!action->isSeparator() && !action->text().isEmpty())
                items.append(action->text());
        }
        QVERIFY2(items.contains(copy) && items.contains(save), qPrintable(items.join(u" | "_qs)));
    }

private:
    std::optional<GuiTest::Fixture> m_fixture;
};

QTEST_MAIN(TestTuncuboPictures)
#include "tst_tuncubopictures.moc"
