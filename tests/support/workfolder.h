#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh temporary folder, current while the object lives, so that
// "Aralda.cfg" and language files never leak between test cases.
class WorkFolder
{
public:
    WorkFolder();
    ~WorkFolder();

    QString path() const { return m_folder.path(); }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
    QString m_previousFolder;
};
