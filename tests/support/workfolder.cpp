#include "support/workfolder.h"

#include <QDir>

WorkFolder::WorkFolder()
    : m_previousFolder(QDir::currentPath())
{
    QDir::setCurrent(m_folder.path());
}

WorkFolder::~WorkFolder()
{
    QDir::setCurrent(m_previousFolder);
}
