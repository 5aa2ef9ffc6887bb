#pragma once

#include "app/shellvalues.h"
#include "lang/languagetables.h"
#include "space/tuncubo.h"
#include "support/guitest.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

// A space window in a frame of its own, shown and so activated once.
struct SpaceWindow {
    SpaceWindow()
    {
        Shell.ChildAreaWidth = 1000;
        Shell.ChildAreaHeight = 700;
        area.resize(1004, 704);
        window = new Tuncubo;
        area.addSubWindow(window);
        area.show();
        window->show();
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }

    QPushButton *step(int k) const { return find<QPushButton>(QStringLiteral("BitBtn%1").arg(k)); }
    bool arrowShown(int image) const { return find(QStringLiteral("Image%1").arg(image))->isVisible(); }

    // Ticks the timer of an axis through its handler until the timer stops.
    int run(CubeAxis axis) const
    {
        const QTimer *timer = find<QTimer>(QStringLiteral("cadenza") + QLatin1Char("xyz"[axis]));
        int ticks = 0;
        for (; timer->isActive() && ticks < 1000; ++ticks) {
            switch (axis) {
            case AxisX: window->cadenzaxTimer(); break;
            case AxisY: window->cadenzayTimer(); break;
            case AxisZ: window->cadenzazTimer(); break;
            }
        }
        return ticks;
    }

    // The picture shown in a third of the window.
    QImage third(int panel) const
    {
        const QImage &canvas = window->canvas();
        return canvas.copy(QRect(QPoint(canvas.width() * panel / 3, canvas.height() / 4),
                                 window->dimensions().bitmapSize));
    }

    QImage frame(CubeAxis axis, int phase, const CubeRings &rings) const
    {
        QImage bitmap = newCubeBitmap(window->dimensions());
        drawCubeFrame(bitmap, axis, phase, rings, window->dimensions());
        return bitmap;
    }

    QMdiArea area;
    Tuncubo *window;
};

// Answers the schedule dialog with the given schedule and OK.
inline std::function<void(QWidget *)> confirmSchedule(const CubeSchedule &schedule)
{
    return [schedule](QWidget *dialog) {
        const char *rows[] = {"prima", "seconda", "terza"};
        for (int k = 0; k < StepCount; ++k) {
            const QString row = QString::fromLatin1(rows[k]);
            dialog->findChild<QGroupBox *>(row)->findChildren<QRadioButton *>()[schedule.StepAxis[k]]->click();
            dialog->findChild<QSpinBox *>(QLatin1Char('p') + row)->setValue(schedule.StepTurns[k]);
            const QString direction = QStringLiteral("rota%1%2").arg(k + 1).arg(schedule.StepClockwise[k] ? 'd' : 's');
            dialog->findChild<QToolButton *>(direction)->setChecked(true);
        }
        dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    };
}

// A help set of the loaded language in the test's folder, whose pages tell
// the context they were opened at.
inline void useTestHelpSet(const GuiTest::Fixture &fixture)
{
    LongTexts.setCell(58, LoadedLanguage, QStringLiteral("Prova"));
    Language.LanguageFilePath = fixture.filePath(QStringLiteral("prova.lng"));
    Language.LanguageIndex = LoadedLanguage;
    QDir(fixture.folder()).mkdir(QStringLiteral("Prova.hlp"));
    for (const char *page : {"index", "202", "809"}) {
        QFile file(fixture.filePath(QStringLiteral("Prova.hlp/%1.html").arg(QLatin1String(page))));
        if (file.open(QIODevice::WriteOnly))
            file.write(page);
    }
}
