// The form description: every control's caption, place, colours, picture and cursor, as the
// window was designed. Positions are in twips.
#include "window/frmZwervel.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPalette>

namespace zwervel {

namespace {

const QColor Background(0xF4, 0xFF, 0xF7); // pale mint
const QColor ListBackground(0xE6, 0xFF, 0xEC);
const QColor Strip(0xC6, 0xD9, 0xF1); // the information label, footer and push button
const QColor InfoTextColour(0x00, 0x80, 0x00);
const QColor Black(0x00, 0x00, 0x00);
const QColor White(0xFF, 0xFF, 0xFF); // the text boxes, as on the desktop the form comes from

// The window's designed client area.
constexpr int DesignWidth = 6195;
constexpr int DesignHeight = 6990;

QFont arial(double points)
{
    // Where Arial is absent its metric twin stands in, so that captions keep their width.
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    return font;
}

void setColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

// A control's text colour is its own, in every role a style may draw text with: a dark desktop
// scheme would otherwise hand light text to the design's pale backgrounds.
void setTextColours(QWidget& widget, const QColor& text)
{
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        setColour(widget, role, text);
}

void setTextBoxColours(QWidget& box)
{
    setColour(box, QPalette::Base, White);
    setTextColours(box, Black);
}

void setListColours(ComboBox& list)
{
    setColour(list, QPalette::Button, ListBackground);
    setColour(list, QPalette::Base, ListBackground);
    setTextColours(list, Black);
    // The open list is a window of its own, which would take the desktop's menu colours.
    QWidget* popup = list.view()->parentWidget();
    for (QWidget* part : {popup, static_cast<QWidget*>(list.view())}) {
        setColour(*part, QPalette::Base, ListBackground);
        setColour(*part, QPalette::Window, ListBackground);
        setTextColours(*part, Black);
    }
}

QIcon picture(const char* name)
{
    const QString svg = QStringLiteral(":/pictures/%1.svg").arg(QLatin1StringView(name));
    if (QFile::exists(svg))
        return QIcon(svg);
    // A build without Qt's SVG module carries the drawing as PNGs, one a size.
    QIcon icon;
    const QString folder = QStringLiteral(":/pictures/%1").arg(QLatin1StringView(name));
    for (const QFileInfo& png : QDir(folder).entryInfoList(QDir::Files))
        icon.addFile(png.filePath());
    return icon;
}

} // namespace

void frmZwervel::buildForm()
{
    setObjectName(QStringLiteral("frmZwervel"));
    setWindowTitle(QStringLiteral("Zwervel"));
    setFont(arial(9.75));
    setWindowIcon(picture("window"));
    setAutoFillBackground(true);
    setColour(*this, QPalette::Window, Background);
    setMouseTracking(true);
    resize(twipsToPixels(DesignWidth), twipsToPixels(DesignHeight));

    const auto name = [](QWidget& w, const char* n) { w.setObjectName(QString::fromLatin1(n)); };

    // The fields show what their list shows and never take typing: no paste, no drop, no menu,
    // and only a click reaches them (which hands the focus on to the list), not Tab.
    for (TextBox* field : {&tRoutes, &tPlaats}) {
        field->setReadOnly(true);
        field->setContextMenuPolicy(Qt::NoContextMenu);
        field->setAcceptDrops(false);
        field->setFocusPolicy(Qt::ClickFocus);
    }

    name(tRoutes, "tRoutes");
    tRoutes.place(2640, 6000, 1815, 380);
    tRoutes.setCursor(Qt::ArrowCursor);
    setTextBoxColours(tRoutes);

    name(tPlaats, "tPlaats");
    tPlaats.place(2640, 5400, 1815, 380);
    tPlaats.setCursor(Qt::ArrowCursor);
    setTextBoxColours(tPlaats);

    name(Routes, "Routes");
    Routes.place(240, 6000, 5775, 360);
    setListColours(Routes);
    Routes.setCursor(Qt::PointingHandCursor);

    name(knopGoogleMaps, "knopGoogleMaps");
    knopGoogleMaps.setText(QStringLiteral("Zwervel tonen"));
    knopGoogleMaps.place(240, 6480, 5775, 375);
    setColour(knopGoogleMaps, QPalette::Button, Strip);
    setTextColours(knopGoogleMaps, Black);
    knopGoogleMaps.setCursor(Qt::PointingHandCursor);

    name(Route, "Route");
    Route.place(240, 1440, 5775, 3615);
    setTextBoxColours(Route);

    name(Plaats, "Plaats");
    Plaats.place(240, 5400, 5775, 360);
    setListColours(Plaats);
    Plaats.setCursor(Qt::PointingHandCursor);

    const auto button = [&](PictureButton& k, const char* n, const char* image, int left, int top) {
        name(k, n);
        k.setPicture(picture(image));
        k.place(left, top, 240, 240);
        k.setCursor(Qt::PointingHandCursor);
    };
    button(knopRouteOpschonen, "knopRouteOpschonen", "cross-grey", 0, 1920);
    button(KnopRouteLeegmaken, "KnopRouteLeegmaken", "cross-red", 0, 2280);
    button(knopGoogleMapsOpenen, "knopGoogleMapsOpenen", "map", 0, 6540);

    name(LabelVoettekst, "LabelVoettekst");
    LabelVoettekst.place(0, 6400, 6255, 615);
    LabelVoettekst.setAutoFillBackground(true);
    setColour(LabelVoettekst, QPalette::Window, Strip);

    button(knopPlaatsToevoegen, "knopPlaatsToevoegen", "plus-outline", 0, 1560);
    button(knopRouteToevoegen, "knopRouteToevoegen", "plus-filled", 0, 1200);
    button(knopRouteVerwijderen, "knopRouteVerwijderen", "cross-red", 0, 6060);

    name(Info, "Info");
    Info.setCaption(QStringLiteral("  Info"));
    Info.place(0, 0, 6255, 1095);
    Info.setAutoFillBackground(true);
    setColour(Info, QPalette::Window, Strip);
    setTextColours(Info, InfoTextColour);
    Info.setFont(arial(8.25));
    Info.setCursor(Qt::PointingHandCursor);

    button(knopOngedaan, "knopOngedaan", "undo", 5760, 1200);
    knopOngedaan.setVisible(false);
    button(knopPlaatsVerwijderen, "knopPlaatsVerwijderen", "cross-red", 0, 5460);

    const auto caption = [&](Label& l, const char* n, const char* text, int top, int width) {
        name(l, n);
        l.setCaption(QString::fromUtf8(text));
        l.place(240, top, width, 255);
        l.setCursor(Qt::PointingHandCursor);
        setTextColours(l, Black);
    };
    caption(LabelRoutes, "LabelRoutes", " Lijst met Routes", 5760, 5775);
    caption(LabelPlaatsen, "LabelPlaatsen", " Lijst met Plaatsen", 5160, 5775);
    caption(LabelRoute, "LabelRoute", " Route aan lijst met Routes toevoegen", 1200, 5415);

    // Earlier in the description lies on top: the fields over their lists, the push button
    // and the map picture over the footer strip.
    const QList<QWidget*> order{&tRoutes,
                                &tPlaats,
                                &Routes,
                                &knopGoogleMaps,
                                &Route,
                                &Plaats,
                                &knopRouteOpschonen,
                                &KnopRouteLeegmaken,
                                &knopGoogleMapsOpenen,
                                &LabelVoettekst,
                                &knopPlaatsToevoegen,
                                &knopRouteToevoegen,
                                &knopRouteVerwijderen,
                                &Info,
                                &knopOngedaan,
                                &knopPlaatsVerwijderen,
                                &LabelRoutes,
                                &LabelPlaatsen,
                                &LabelRoute};
    for (auto it = order.crbegin(); it != order.crend(); ++it)
        (*it)->raise();

    // Tab order: the route box, the push button, the place list, the route list; the fields come
    // last but take no Tab, so that Tab and Shift+Tab go round the other four.
    setTabOrder(&Route, &knopGoogleMaps);
    setTabOrder(&knopGoogleMaps, &Plaats);
    setTabOrder(&Plaats, &Routes);
    setTabOrder(&Routes, &tPlaats);
    setTabOrder(&tPlaats, &tRoutes);
}

} // namespace zwervel
