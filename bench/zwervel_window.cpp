// Zwervel's window, started as the program starts it (the real platform, the same steps as
// the program's main), but with the program's path in a folder the driver chose, so that the
// configuration file beside it is the one under test. Arguments: start|close <program path>.
#include "FirstPaint.h"

#include "platform/QtPlatform.h"
#include "window/frmZwervel.h"

#include <QApplication>

namespace {

class ChosenPathPlatform : public zwervel::QtPlatform {
public:
    explicit ChosenPathPlatform(QString path) : m_path(std::move(path)) {}
    QString executablePath() override { return m_path; }

private:
    QString m_path;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QApplication::setApplicationName(QStringLiteral("Zwervel"));
    ChosenPathPlatform platform(QString::fromLocal8Bit(argv[2]));
    zwervel::frmZwervel window(platform);
    if (window.aborted())
        return 1;
    zwervel::bench::FirstPaint paint(window, argv[1]);
    window.show();
    return app.exec();
}
