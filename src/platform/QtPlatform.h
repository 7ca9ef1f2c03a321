// The platform seam as the real program uses it: Qt's beep, message boxes and browser.
#pragma once

#include "platform/Platform.h"
#include "platform/SingleInstance.h"

#include <QHash>
#include <QIcon>
#include <QStyle>

#include <memory>

class QWidget;

namespace zwervel {

class QtPlatform : public Platform {
public:
    // Boxes are shown modal to this window (it may be set later, once the window exists).
    void setWindow(QWidget* window);

    void beep() override;
    Question::Answer ask(const Question& question) override;
    void openAddress(const QString& address) override;
    int modifiersHeld() override;
    bool fileExists(const QString& path) override;
    bool canWrite(const QString& path) override;
    QString executablePath() override;
    bool isInstalledCopy() override;
    SettingsClaim claimSettingsFile(const QString& path) override;
    QString userSettingsFolder() override;
    void terminate(int code) override;

private:
    void returnToWindow();
    QIcon boxIcon(QStyle::StandardPixmap which);

    QWidget* m_window = nullptr;
    std::unique_ptr<SingleInstance> m_instance;
    QHash<QStyle::StandardPixmap, QIcon> m_boxIcons;
};

// The application's short name, which every message box shows as its title.
inline constexpr char ApplicationTitle[] = "Zwervel";

} // namespace zwervel
