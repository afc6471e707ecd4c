// The editor's executable: the application object and the event loop.
#include "COrbekApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    COrbekApp orbek;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!orbek.InitInstance(arguments))
        return 1;
    const int result = QApplication::exec();
    orbek.ExitInstance();
    return result;
}
