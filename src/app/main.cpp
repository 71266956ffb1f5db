#include "TForm1.h"
#include "VorkastApp.h"

#include "platform/QtDialogs.h"
#include "platform/UrlOpener.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorkast"));

    vorkast::QtDialogs dialogs;
    vorkast::DesktopUrlOpener opener;
    vorkast::VorkastApp program({QApplication::applicationDirPath(), QDir::currentPath()}, dialogs, opener);
    program.start();
    // Closing the main window ends the program, even with other windows open.
    QObject::connect(program.form1(), &vorkast::TForm1::closing, &app, &QApplication::quit, Qt::QueuedConnection);
    return QApplication::exec();
}
