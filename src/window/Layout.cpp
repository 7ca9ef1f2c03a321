// The layout when the window is resized: the height stays, the width never drops below the
// start-up width, and the controls along the width follow every change of it.
#include "window/frmZwervel.h"

namespace zwervel {

void frmZwervel::Form_Resize()
{
    ++m_resizeCount;
    const WindowStatus status = WindowState();
    if (status == WindowStatus::Minimized)
        return;
    if (status == WindowStatus::Maximized) {
        // The window offers no maximise command; where the platform maximises it anyway, it
        // returns to its normal state, whose size is then laid out like any other.
        correctSize([this] { setWindowState(windowState() & ~Qt::WindowMaximized); });
        return;
    }
    if (Height() != float(StartHoogte)) {
        correctSize([this] { setHeight(float(StartHoogte)); });
        return;
    }
    if (Width() < float(MinBreedte)) {
        correctSize([this] { setWidth(float(MinBreedte)); });
        return;
    }

    const qint32 delta = toWholeTwips(double(Width() - float(StartBreedte)));
    const float d = float(delta);
    Info.setWidth(Info.Width() + d);
    LabelRoute.setWidth(LabelRoute.Width() + d);
    knopOngedaan.setLeft(knopOngedaan.Left() + d);
    Route.setWidth(Route.Width() + d);
    LabelPlaatsen.setWidth(LabelPlaatsen.Width() + d);
    Plaats.setWidth(Plaats.Width() + d);
    tPlaats.setWidth(tPlaats.Width() + d);
    LabelRoutes.setWidth(LabelRoutes.Width() + d);
    Routes.setWidth(Routes.Width() + d);
    tRoutes.setWidth(tRoutes.Width() + d);
    knopGoogleMaps.setWidth(knopGoogleMaps.Width() + d);
    LabelVoettekst.setWidth(LabelVoettekst.Width() + d);
    StartBreedte = toWholeTwips(Width());
}

void frmZwervel::correctSize(const std::function<void()>& adjustment)
{
    // Setting the size normally raises a nested resize event, whose run lays the window out.
    // A hidden window, or a platform that answers later or not at all, raises none: then the
    // layout for the corrected size runs here, once. A resize event that still arrives for
    // that size finds a delta of zero.
    const int countBefore = m_resizeCount;
    adjustment();
    if (m_resizeCount != countBefore || m_laidOutItself)
        return;
    m_laidOutItself = true;
    Form_Resize();
    m_laidOutItself = false;
}

void frmZwervel::setWindowLimits()
{
    // The same rules as Form_Resize, told to the window manager, so that a drag stops at the
    // fixed height and the smallest width instead of snapping back afterwards. A window of
    // fixed height has no use for maximising: the command is not offered.
    setFixedHeight(twipsToPixels(StartHoogte));
    setMinimumWidth(twipsToPixels(MinBreedte));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setWindowFlag(Qt::WindowFullscreenButtonHint, false);
}

} // namespace zwervel
