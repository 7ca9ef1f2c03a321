#include "platform/QtPlatform.h"
#include "window/frmZwervel.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zwervel::ToepassingsTitel));
    zwervel::QtPlatform platform;
    zwervel::frmZwervel venster(platform);
    platform.setVenster(&venster);
    if (venster.afgebroken())
        return 1;
    venster.show();
    return app.exec();
}
