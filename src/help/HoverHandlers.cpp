// The information label following the mouse, and the right click of the bare window.
#include "help/HelpTexts.h"
#include "window/frmZwervel.h"

#include <QStringList>

namespace zwervel {

QString frmZwervel::Tip(const QWidget& Ctrl) const
{
    return helpText(Ctrl.objectName(), VoorbeeldTekst);
}

void frmZwervel::InfoCaption(const QWidget& Naam)
{
    // Written only on a change, so the label is not redrawn while the mouse stays on a control.
    const QString updated = QStringLiteral(" ") + Tip(Naam);
    if (Info.Caption() != updated)
        Info.setCaption(updated);
}

// ---- General help: the bare window, the route box and the footer strip -------------------

void frmZwervel::Form_MouseMove(int, int, float, float)
{
    Info.setCaption(InfoTekst);
}

void frmZwervel::Route_GotFocus()
{
    Info.setCaption(InfoTekst);
}

void frmZwervel::Route_MouseMove(int, int, float, float)
{
    Info.setCaption(InfoTekst);
}

void frmZwervel::LabelVoettekst_MouseMove(int, int, float, float)
{
    Info.setCaption(InfoTekst);
}

// ---- Right click on the bare window or the footer strip shows the route ------------------

void frmZwervel::Form_MouseUp(int Button, int, float, float)
{
    if (Button == MouseRight)
        knopGoogleMaps_MouseUp(MouseLeft, 0, 0, 0);
}

void frmZwervel::LabelVoettekst_MouseUp(int Button, int, float, float)
{
    if (Button == MouseRight)
        knopGoogleMaps_MouseUp(MouseLeft, 0, 0, 0);
}

// ---- The information label: the route box takes the focus, the label explains itself -----

void frmZwervel::Info_MouseMove(int, int, float, float)
{
    // The focus first: its got-focus handler shows the general help, which the label's own
    // help then replaces.
    Route.SetFocus();
    InfoCaption(Info);
}

// ---- Explain the control under the mouse -------------------------------------------------

void frmZwervel::knopGoogleMapsOpenen_MouseMove(int, int, float, float)
{
    InfoCaption(knopGoogleMapsOpenen);
}

void frmZwervel::knopRouteOpschonen_MouseMove(int, int, float, float)
{
    InfoCaption(knopRouteOpschonen);
}

void frmZwervel::knopPlaatsToevoegen_MouseMove(int, int, float, float)
{
    InfoCaption(knopPlaatsToevoegen);
}

void frmZwervel::tPlaats_MouseMove(int, int, float, float)
{
    InfoCaption(tPlaats);
}

void frmZwervel::tRoutes_MouseMove(int, int, float, float)
{
    InfoCaption(tRoutes);
}

// The button adds the route just as the caption beside it does, and is explained by it.
void frmZwervel::knopRouteToevoegen_MouseMove(int, int, float, float)
{
    InfoCaption(LabelRoute);
}

void frmZwervel::knopGoogleMaps_MouseMove(int, int, float, float)
{
    InfoCaption(knopGoogleMaps);
}

void frmZwervel::knopPlaatsVerwijderen_MouseMove(int, int, float, float)
{
    InfoCaption(knopPlaatsVerwijderen);
}

void frmZwervel::KnopRouteLeegmaken_MouseMove(int, int, float, float)
{
    InfoCaption(KnopRouteLeegmaken);
}

void frmZwervel::knopRouteVerwijderen_MouseMove(int, int, float, float)
{
    InfoCaption(knopRouteVerwijderen);
}

void frmZwervel::LabelPlaatsen_MouseMove(int, int, float, float)
{
    InfoCaption(LabelPlaatsen);
}

void frmZwervel::LabelRoutes_MouseMove(int, int, float, float)
{
    InfoCaption(LabelRoutes);
}

void frmZwervel::knopOngedaan_MouseMove(int, int, float, float)
{
    InfoCaption(knopOngedaan);
}

void frmZwervel::LabelRoute_MouseMove(int, int, float, float)
{
    InfoCaption(LabelRoute);
}

// ---- Assistive technology ----------------------------------------------------------------

void frmZwervel::setAccessibleTexts()
{
    // A screen reader announces what the information label shows to a sighted user moving the
    // mouse: the help text of the control, or the general help where the label shows that.
    const auto describe = [](QWidget& control, const QString& help) {
        const AccessibleText text = accessibleText(help);
        control.setAccessibleName(text.name);
        control.setAccessibleDescription(text.description);
    };
    for (QWidget* control : std::initializer_list<QWidget*>{
             &knopRouteOpschonen, &KnopRouteLeegmaken, &knopGoogleMapsOpenen, &knopPlaatsToevoegen,
             &knopRouteVerwijderen, &knopOngedaan, &knopPlaatsVerwijderen, &LabelRoutes,
             &LabelPlaatsen, &LabelRoute, &tPlaats, &tRoutes, &knopGoogleMaps})
        describe(*control, Tip(*control));
    describe(knopRouteToevoegen, Tip(LabelRoute));
    // The information label keeps its shown caption as its name, so that the help it shows
    // stays readable; its own help (the example, the clicks) is its description.
    Info.setAccessibleDescription(accessibleText(Tip(Info)).description);
    // The footer strip has no text of its own: it describes itself with the general help.
    LabelVoettekst.setAccessibleDescription(accessibleText(InfoTekst).description);
}

} // namespace zwervel
