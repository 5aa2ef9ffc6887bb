#pragma once

#include "support/guitest.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace GuiTest {

// What the answer to a save dialog saw: whether it was Qt's own save dialog,
// its default suffix, and the message shown when the write failed.
struct SaveAnswer {
    bool saveDialog = false;
    QString defaultSuffix;
    QString failureMessage;
};

// Answers the question whether to replace a file with Yes; the message
// window that follows is recorded and closed.
inline void answerAfterSaveDialog(SaveAnswer &seen)
{
    whenModalOpens([&seen](QWidget *next) {
        auto *box = qobject_cast<QMessageBox *>(next);
        if (box && box->button(QMessageBox::Yes)) {
            answerAfterSaveDialog(seen);
            return box->button(QMessageBox::Yes)->click();
        }
        if (box)
            seen.failureMessage = box->text();
        next->close();
    });
}

// Answers the next modal window, a save dialog, by typing `name` in its file
// name field and pressing Enter; see answerAfterSaveDialog for what follows.
inline void answerSaveDialog(const QString &name, SaveAnswer &seen)
{
    whenModalOpens([name, &seen](QWidget *window) {
        auto *dialog = qobject_cast<QFileDialog *>(window);
        if (!dialog)
            return void(window->close());
        seen.saveDialog = dialog->acceptMode() == QFileDialog::AcceptSave
            && dialog->testOption(QFileDialog::DontUseNativeDialog);
        seen.defaultSuffix = dialog->defaultSuffix();
        answerAfterSaveDialog(seen);
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        field->setText(name);
        // Pressed after this answer returns, so that the watch can answer a
        // question the dialog asks then.
        QTimer::singleShot(0, field, [field] { QTest::keyClick(field, Qt::Key_Return); });
    });
}

// Emptied first, so that an old picture never passes for a new one.
inline void clearClipboard() { QGuiApplication::clipboard()->clear(); }
inline QImage clipboardPicture() { return QGuiApplication::clipboard()->image(); }

// The pop-up items' texts in the three languages and a loaded one, which reads English.
inline void pictureItemRows()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("copy");
    QTest::addColumn<QString>("save");
    QTest::newRow("Italian") << 0 << QStringLiteral("&Copia immagine") << QStringLiteral("&Salva immagine...");
    QTest::newRow("English") << 1 << QStringLiteral("&Copy picture") << QStringLiteral("&Save picture...");
    QTest::newRow("French") << 2 << QStringLiteral("&Copier l'image") << QStringLiteral("&Enregistrer l'image...");
    QTest::newRow("loaded") << 3 << QStringLiteral("&Copy picture") << QStringLiteral("&Save picture...");
}

} // namespace GuiTest
