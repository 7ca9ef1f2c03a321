// The form description: every control's caption, place, colours, picture and cursor, as the
// window was designed. Positions are in twips.
#include "window/frmZwervel.h"

#include <QAbstractItemView>
#include <QFont>
#include <QPalette>


namespace zwervel {

namespace {

const QColor Achtergrond(0xF4, 0xFF, 0xF7);   // pale mint
const QColor LijstAchtergrond(0xE6, 0xFF, 0xEC);
const QColor Strook(0xC6, 0xD9, 0xF1);         // the information label, footer and push button
const QColor InfoTekstKleur(0x00, 0x80, 0x00);

// The window's designed client area.
constexpr int OntwerpBreedte = 6195;
constexpr int OntwerpHoogte = 6990;

QFont arial(double punten)
{
    // Where Arial is absent its metric twin stands in, so that captions keep their width.
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(punten);
    return font;
}

void kleur(QWidget& widget, QPalette::ColorRole rol, const QColor& kleur)
{
    QPalette palet = widget.palette();
    palet.setColor(rol, kleur);
    widget.setPalette(palet);
}

void lijstKleuren(ComboBox& lijst)
{
    kleur(lijst, QPalette::Button, LijstAchtergrond);
    kleur(lijst, QPalette::Base, LijstAchtergrond);
    // The open list is a window of its own, which would take the desktop's menu colours.
    kleur(*lijst.view(), QPalette::Base, LijstAchtergrond);
    kleur(*lijst.view(), QPalette::Window, LijstAchtergrond);
}

QIcon plaatje(const char* naam)
{
    return QIcon(QStringLiteral(":/pictures/%1.svg").arg(QLatin1StringView(naam)));
}

} // namespace

void frmZwervel::bouwFormulier()
{
    setObjectName(QStringLiteral("frmZwervel"));
    setWindowTitle(QStringLiteral("Zwervel"));
    setFont(arial(9.75));
    setWindowIcon(plaatje("window"));
    setAutoFillBackground(true);
    kleur(*this, QPalette::Window, Achtergrond);
    setMouseTracking(true);
    resize(twipsNaarPixels(OntwerpBreedte), twipsNaarPixels(OntwerpHoogte));

    const auto naam = [](QWidget& w, const char* n) { w.setObjectName(QString::fromLatin1(n)); };

    naam(tRoutes, "tRoutes");
    tRoutes.plaats(2640, 6000, 1815, 380);
    tRoutes.setCursor(Qt::ArrowCursor);

    naam(tPlaats, "tPlaats");
    tPlaats.plaats(2640, 5400, 1815, 380);
    tPlaats.setCursor(Qt::ArrowCursor);

    naam(Routes, "Routes");
    Routes.plaats(240, 6000, 5775, 360);
    lijstKleuren(Routes);
    Routes.setCursor(Qt::PointingHandCursor);

    naam(knopGoogleMaps, "knopGoogleMaps");
    knopGoogleMaps.setText(QStringLiteral("Zwervel tonen"));
    knopGoogleMaps.plaats(240, 6480, 5775, 375);
    kleur(knopGoogleMaps, QPalette::Button, Strook);
    knopGoogleMaps.setCursor(Qt::PointingHandCursor);

    naam(Route, "Route");
    Route.plaats(240, 1440, 5775, 3615);

    naam(Plaats, "Plaats");
    Plaats.plaats(240, 5400, 5775, 360);
    lijstKleuren(Plaats);
    Plaats.setCursor(Qt::PointingHandCursor);

    const auto knop = [&](PictureButton& k, const char* n, const char* beeld, int left, int top) {
        naam(k, n);
        k.setPicture(plaatje(beeld));
        k.plaats(left, top, 240, 240);
        k.setCursor(Qt::PointingHandCursor);
    };
    knop(knopRouteOpschonen, "knopRouteOpschonen", "cross-grey", 0, 1920);
    knop(KnopRouteLeegmaken, "KnopRouteLeegmaken", "cross-red", 0, 2280);
    knop(knopGoogleMapsOpenen, "knopGoogleMapsOpenen", "map", 0, 6540);

    naam(LabelVoettekst, "LabelVoettekst");
    LabelVoettekst.plaats(0, 6400, 6255, 615);
    LabelVoettekst.setAutoFillBackground(true);
    kleur(LabelVoettekst, QPalette::Window, Strook);

    knop(knopPlaatsToevoegen, "knopPlaatsToevoegen", "plus-outline", 0, 1560);
    knop(knopRouteToevoegen, "knopRouteToevoegen", "plus-filled", 0, 1200);
    knop(knopRouteVerwijderen, "knopRouteVerwijderen", "cross-red", 0, 6060);

    naam(Info, "Info");
    Info.setCaption(QStringLiteral("  Info"));
    Info.plaats(0, 0, 6255, 1095);
    Info.setAutoFillBackground(true);
    kleur(Info, QPalette::Window, Strook);
    kleur(Info, QPalette::WindowText, InfoTekstKleur);
    Info.setFont(arial(8.25));
    Info.setCursor(Qt::PointingHandCursor);

    knop(knopOngedaan, "knopOngedaan", "undo", 5760, 1200);
    knopOngedaan.setVisible(false);
    knop(knopPlaatsVerwijderen, "knopPlaatsVerwijderen", "cross-red", 0, 5460);

    const auto opschrift = [&](Label& l, const char* n, const char* tekst, int top, int width) {
        naam(l, n);
        l.setCaption(QString::fromUtf8(tekst));
        l.plaats(240, top, width, 255);
        l.setCursor(Qt::PointingHandCursor);
    };
    opschrift(LabelRoutes, "LabelRoutes", " Lijst met Routes", 5760, 5775);
    opschrift(LabelPlaatsen, "LabelPlaatsen", " Lijst met Plaatsen", 5160, 5775);
    opschrift(LabelRoute, "LabelRoute", " Route aan lijst met Routes toevoegen", 1200, 5415);

    // Earlier in the description lies on top: the fields over their lists, the push button
    // and the map picture over the footer strip.
    const QList<QWidget*> volgorde{
        &tRoutes, &tPlaats, &Routes, &knopGoogleMaps, &Route, &Plaats, &knopRouteOpschonen,
        &KnopRouteLeegmaken, &knopGoogleMapsOpenen, &LabelVoettekst, &knopPlaatsToevoegen,
        &knopRouteToevoegen, &knopRouteVerwijderen, &Info, &knopOngedaan, &knopPlaatsVerwijderen,
        &LabelRoutes, &LabelPlaatsen, &LabelRoute};
    for (auto it = volgorde.crbegin(); it != volgorde.crend(); ++it)
        (*it)->raise();

    // Tab order: the route box, the push button, the place list, the route list, the fields.
    setTabOrder(&Route, &knopGoogleMaps);
    setTabOrder(&knopGoogleMaps, &Plaats);
    setTabOrder(&Plaats, &Routes);
    setTabOrder(&Routes, &tPlaats);
    setTabOrder(&tPlaats, &tRoutes);
}

} // namespace zwervel
