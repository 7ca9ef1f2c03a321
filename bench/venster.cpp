// Zwervel's window, started as the program starts it (the real platform, the same steps as
// main.cpp), but with the program's path in a folder the driver chose, so that the
// configuration file beside it is the one under test. Arguments: start|sluit <program path>.
#include "EersteVerf.h"

#include "platform/QtPlatform.h"
#include "window/frmZwervel.h"

#include <QApplication>

#include <cstring>

namespace {

class BenchPlatform : public zwervel::QtPlatform {
public:
    explicit BenchPlatform(QString pad) : m_pad(std::move(pad)) {}
    QString programmaPad() override { return m_pad; }

private:
    QString m_pad;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QApplication::setApplicationName(QString::fromLatin1(zwervel::ToepassingsTitel));
    BenchPlatform platform(QString::fromLocal8Bit(argv[2]));
    zwervel::frmZwervel venster(platform);
    platform.setVenster(&venster);
    if (venster.afgebroken())
        return 1;
    zwervel::bench::EersteVerf verf(venster, std::strcmp(argv[1], "sluit") == 0);
    venster.show();
    return app.exec();
}
