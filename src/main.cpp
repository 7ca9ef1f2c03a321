#include "platform/CommandLine.h"
#include "platform/QtPlatform.h"
#include "platform/SignalWatcher.h"
#include "window/frmZwervel.h"

#include <QApplication>
#include <QSessionManager>

namespace {

// The reverse-DNS name of the desktop entry, the icon and the AppStream metadata; Wayland
// compositors match the window to its entry and icon by it.
constexpr char ApplicationId[] = "nl.zwervel.Zwervel";

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QString::fromLatin1(zwervel::ApplicationTitle));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZWERVEL_VERSION));
    zwervel::CommandLine::answerHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ApplicationId));
    zwervel::CommandLine::refuseUnknownArguments(app);
    zwervel::QtPlatform platform;
    zwervel::frmZwervel window(platform);
    platform.setWindow(&window);
    if (window.aborted())
        return 1;
    // One window per settings file: a second start has brought the first to the front, or
    // said that it does not answer.
    switch (window.settingsClaim()) {
    case zwervel::Platform::SettingsClaim::Taken:
        break;
    case zwervel::Platform::SettingsClaim::ShownElsewhere:
        return 0;
    case zwervel::Platform::SettingsClaim::HeldElsewhere:
        return 1;
    }
    // Ctrl+C, kill or a closed terminal end the program as closing its window does, and a
    // desktop session that ends saves first.
    zwervel::SignalWatcher endRequests;
    QObject::connect(&endRequests, &zwervel::SignalWatcher::endRequested, &window, &QWidget::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.saveForSession(); });
    window.show();
    return app.exec();
}
