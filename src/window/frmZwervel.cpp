#include "window/frmZwervel.h"

#include <QCloseEvent>
#include <QResizeEvent>

#include <cmath>
#include <exception>

namespace zwervel {

qint32 toWholeTwips(double twips)
{
    // nearbyint rounds in the current mode, which is to nearest with ties to even.
    return static_cast<qint32>(std::nearbyint(twips));
}

frmZwervel::frmZwervel(Platform& platform, QWidget* parent) : QWidget(parent), m_platform(platform)
{
    buildForm();
    connectEvents();
    runHandler([this] { Form_Load(); });
}

frmZwervel::~frmZwervel() = default;

float frmZwervel::Width() const
{
    return float(width() * TwipsPerPixel);
}
float frmZwervel::Height() const
{
    return float(height() * TwipsPerPixel);
}
void frmZwervel::setWidth(float twips)
{
    resize(twipsToPixels(twips), height());
}
void frmZwervel::setHeight(float twips)
{
    resize(width(), twipsToPixels(twips));
}

frmZwervel::WindowStatus frmZwervel::WindowState() const
{
    if (isMinimized())
        return WindowStatus::Minimized;
    if (isMaximized())
        return WindowStatus::Maximized;
    return WindowStatus::Normal;
}

void frmZwervel::runHandler(const std::function<void()>& handler)
{
    if (m_aborted)
        return;
    QString description;
    try {
        handler();
        return;
    } catch (const std::exception& error) {
        description = QString::fromUtf8(error.what());
    } catch (...) {
        description = QStringLiteral("onbekende fout");
    }
    // Nothing may cross Qt's event loop: report once and end without saving, so that a half
    // finished change never reaches the configuration file.
    m_aborted = true;
    Question message;
    message.text = QStringLiteral("Er is een onverwachte fout opgetreden:\r\n") + description +
                   QStringLiteral("\r\n\r\nZwervel wordt afgesloten.");
    message.icon = Question::Icon::Error;
    m_platform.beep();
    m_platform.ask(message);
    m_platform.terminate(1);
}

bool frmZwervel::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        // Only the first activation counts: switching back to the program raises nothing.
        m_activated = true;
        const bool result = QWidget::event(event);
        runHandler([this] { Form_Activate(); });
        return result;
    }
    if (event->type() == QEvent::WindowStateChange) {
        const bool result = QWidget::event(event);
        runHandler([this] { Form_Resize(); });
        return result;
    }
    return QWidget::event(event);
}

void frmZwervel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    runHandler([this] { Form_Resize(); });
}

void frmZwervel::closeEvent(QCloseEvent* event)
{
    // Once: a request to end from outside may come while the window is closing already.
    if (!m_aborted && !m_unloaded) {
        m_unloaded = true;
        int Cancel = 0;
        runHandler([this, &Cancel] { Form_Unload(Cancel); });
    }
    event->accept();
}

void frmZwervel::saveForSession()
{
    // The desktop session may end without closing the window: the shut-down save, ahead of it.
    if (!m_aborted && !m_unloaded)
        runHandler([this] { CfgOpslaan(); });
}

} // namespace zwervel
