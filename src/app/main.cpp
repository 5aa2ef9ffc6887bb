#include "app/tnumeria.h"
#include "calc/evalcommand.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    if (EvalCommand::requested(argc, argv)) {
        QCoreApplication application(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return EvalCommand::run(QCoreApplication::arguments(), out, err);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numeria"));
    Tnumeria numeria;
    numeria.show();
    return application.exec();
}
