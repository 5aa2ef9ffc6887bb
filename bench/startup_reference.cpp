// The yardstick of start-up: a bare Qt main window with an empty
// multiple-document area, built with the program's flags. bench_startup runs
// it with the same driver plugin as the program, which ends both at their
// first frame, so that the two pay the same for being measured.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    window.show();
    return application.exec();
}
