#include "window/frmZwervel.h"

#include <QCloseEvent>
#include <QResizeEvent>

#include <cmath>
#include <exception>

namespace zwervel {

qint32 naarHeleTwips(double twips)
{
    // nearbyint rounds in the current mode, which is to nearest with ties to even.
    return static_cast<qint32>(std::nearbyint(twips));
}

frmZwervel::frmZwervel(Platform& platform, QWidget* parent)
    : QWidget(parent), m_platform(platform)
{
    bouwFormulier();
    koppelGebeurtenissen();
    voerUit([this] { Form_Load(); });
}

frmZwervel::~frmZwervel() = default;

float frmZwervel::Width() const { return float(width() * TwipsPerPixel); }
float frmZwervel::Height() const { return float(height() * TwipsPerPixel); }
void frmZwervel::setWidth(float twips) { resize(twipsNaarPixels(twips), height()); }
void frmZwervel::setHeight(float twips) { resize(width(), twipsNaarPixels(twips)); }

frmZwervel::VensterStatus frmZwervel::WindowState() const
{
    if (isMinimized())
        return VensterStatus::Geminimaliseerd;
    if (isMaximized())
        return VensterStatus::Gemaximaliseerd;
    return VensterStatus::Normaal;
}

void frmZwervel::voerUit(const std::function<void()>& handler)
{
    if (m_afgebroken)
        return;
    QString beschrijving;
    try {
        handler();
        return;
    } catch (const std::exception& fout) {
        beschrijving = QString::fromUtf8(fout.what());
    } catch (...) {
        beschrijving = QStringLiteral("onbekende fout");
    }
    // Nothing may cross Qt's event loop: report once and end without saving, so that a half
    // finished change never reaches the configuration file.
    m_afgebroken = true;
    Vraag melding;
    melding.tekst = QStringLiteral("Er is een onverwachte fout opgetreden:\r\n") + beschrijving
                    + QStringLiteral("\r\n\r\nZwervel wordt afgesloten.");
    melding.icoon = Vraag::Icoon::Fout;
    m_platform.beep();
    m_platform.toon(melding);
    m_platform.beeindig(1);
}

bool frmZwervel::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !m_geactiveerd) {
        // Only the first activation counts: switching back to the program raises nothing.
        m_geactiveerd = true;
        const bool resultaat = QWidget::event(event);
        voerUit([this] { Form_Activate(); });
        return resultaat;
    }
    if (event->type() == QEvent::WindowStateChange) {
        const bool resultaat = QWidget::event(event);
        voerUit([this] { Form_Resize(); });
        return resultaat;
    }
    return QWidget::event(event);
}

void frmZwervel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    voerUit([this] { Form_Resize(); });
}

void frmZwervel::closeEvent(QCloseEvent* event)
{
    if (!m_afgebroken) {
        int Cancel = 0;
        voerUit([this, &Cancel] { Form_Unload(Cancel); });
    }
    event->accept();
}

} // namespace zwervel
