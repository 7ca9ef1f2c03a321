#include "platform/QtPlatform.h"
#include "window/frmZwervel.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zwervel::ApplicationTitle));
    zwervel::QtPlatform platform;
    zwervel::frmZwervel window(platform);
    platform.setWindow(&window);
    if (window.aborted())
        return 1;
    window.show();
    return app.exec();
}
