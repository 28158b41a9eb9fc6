// The program's entry point on the desktop: Qt shows the window model, and
// the framework runs the application object.

#include <QApplication>

#include "platform/CWinApp.h"
#include "platform/qt/QtHost.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("wloom"));
    platform::QtHost host;
    platform::InstallHost(&host);
    const int status = AfxWinMain(argc, argv);
    platform::InstallHost(nullptr);
    return status;
}
