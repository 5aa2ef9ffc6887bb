#pragma once

#include "support/workfolder.h"

#include <functional>

class QWidget;

namespace GuiTest {

// Program-wide values back to the program's start: language, shell values,
// the transformation store, the appended menu pictures and Qt's own texts.
void resetProgramValues();

// A test case's surroundings: a fresh temporary working folder and
// program-wide values at their start. A modal window that no test asked for
// is closed and reported by unexpectedModals().
class Fixture
{
public:
    Fixture();

    QString folder() const { return m_folder.path(); }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }

private:
    WorkFolder m_folder;
};

// Calls `answer` with the next modal window that opens, from a timer, so a
// test can press its buttons while the code under test waits in exec().
void whenModalOpens(std::function<void(QWidget *)> answer);

// Titles of the modal windows that opened with no answer waiting; clears the list.
QStringList unexpectedModals();

} // namespace GuiTest
