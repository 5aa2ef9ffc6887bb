#include "app/tnumeria.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numeria"));
    Tnumeria numeria;
    numeria.show();
    return application.exec();
}
