// The one window of the program: its nineteen controls, its window-level values, and every
// procedure and event handler, each under its own name. The members are defined in the
// folder of their subsystem (window/, route/, lists/, editing/, config/, help/).
#pragma once

#include "config/ConfigFormat.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/PictureButton.h"
#include "platform/Platform.h"
#include "platform/RouteBox.h"
#include "platform/TextBox.h"

#include <QString>
#include <QWidget>

#include <functional>

namespace zwervel {

class frmZwervel : public QWidget {
    Q_OBJECT
public:
    // Builds the window from its form description and runs Form_Load.
    explicit frmZwervel(Platform& platform, QWidget* parent = nullptr);
    ~frmZwervel() override;

    Platform& platform() const { return m_platform; }

    // The window's own size in twips. The height and width are those of the client area: the
    // frame a window manager draws around it is not under the program's control.
    float Width() const;
    float Height() const;
    void setWidth(float twips);
    void setHeight(float twips);
    enum class WindowStatus { Normal, Minimized, Maximized };
    WindowStatus WindowState() const;

    // ---- Controls, in the order of the form description -----------------------------------
    // Declared in that order so that each one exists before the window raises events.
    TextBox tRoutes{this};
    TextBox tPlaats{this};
    ComboBox Routes{this};
    CommandButton knopGoogleMaps{this};
    RouteBox Route{this};
    ComboBox Plaats{this};
    PictureButton knopRouteOpschonen{this};
    PictureButton KnopRouteLeegmaken{this};
    PictureButton knopGoogleMapsOpenen{this};
    Label LabelVoettekst{this};
    PictureButton knopPlaatsToevoegen{this};
    PictureButton knopRouteToevoegen{this};
    PictureButton knopRouteVerwijderen{this};
    Label Info{this};
    PictureButton knopOngedaan{this};
    PictureButton knopPlaatsVerwijderen{this};
    Label LabelRoutes{this};
    Label LabelPlaatsen{this};
    Label LabelRoute{this};

    // ---- Window-level values ------------------------------------------------------------------
    QString CfgBestand;
    Platform* Fso = nullptr;
    QString OngedaanTekst;
    QString InfoTekst;
    QString VoorbeeldTekst;
    // Full-width integers: a caret beyond 32,767 characters must not overflow.
    int RouteSelStart = 0;
    int RouteSelLengte = 0;
    qint32 StartHoogte = 0;
    qint32 MinBreedte = 0;
    qint32 StartBreedte = 0;

    // ---- Main window (window/) -------------------------------------------------------------
    void VakSelecteren(TextField& Vak);
    void Form_Load();
    void Form_Activate();
    void Form_Unload(int& Cancel);
    void Form_Resize();
    void tPlaatstRoutesPositioneren();
    void tPlaats_GotFocus();
    void tRoutes_GotFocus();

    // ---- Route to the map service (route/) -----------------------------------------------------
    QString RouteGestript(bool EenPlaatsDubbel, bool TussenHaakjesWis) const;
    QString TussenHakenVerwijderen(const QString& Invoer) const;
    QString NullIsLeeg(const QString& Invoer) const;
    void knopGoogleMaps_MouseUp(int Button, int Shift, float X, float Y);
    void knopGoogleMapsOpenen_Click();
    void Info_MouseUp(int Button, int Shift, float X, float Y);

    // ---- Place and route lists (lists/)
    // ----------------------------------------------------------
    bool InLijst(ComboBox& Lijst, const QString& Item) const;
    bool UitLijstVerwijderen(ComboBox& Lijst, const QString& Naam);
    void VakLijstLeegmaken(ComboBox& Lijst);
    void PlaatsAanvullen(const QString& PlaatsSel);
    void RoutesAanvullen();
    void knopPlaatsToevoegen_Click();
    void knopRouteToevoegen_Click();
    void LabelRoute_Click();
    void knopPlaatsVerwijderen_MouseUp(int Button, int Shift, float X, float Y);
    void knopRouteVerwijderen_MouseUp(int Button, int Shift, float X, float Y);
    void LabelPlaatsen_Click();
    void LabelRoutes_Click();

    // ---- Route box editing (editing/)
    // --------------------------------------------------------------
    void Plaats_Click();
    void Routes_Click();
    void knopOngedaan_Click();
    void KnopRouteLeegmaken_Click();
    void Route_LostFocus();
    void Route_Change();
    void RouteOpschonen();
    void knopRouteOpschonen_Click();
    void Route_KeyUp(int KeyCode, int Shift);
    void Route_MouseUp(int Button, int Shift, float X, float Y);

    // ---- Configuration file (config/)
    // ----------------------------------------------------------------
    void CfgOpenen();
    void CfgOpslaan();

    // ---- Help texts and hover routing (help/)
    // ------------------------------------------------------
    QString Tip(const QWidget& Ctrl) const;
    void InfoCaption(const QWidget& Naam);
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void Form_MouseUp(int Button, int Shift, float X, float Y);
    void Route_GotFocus();
    void Route_MouseMove(int Button, int Shift, float X, float Y);
    void Info_MouseMove(int Button, int Shift, float X, float Y);
    void LabelVoettekst_MouseMove(int Button, int Shift, float X, float Y);
    void LabelVoettekst_MouseUp(int Button, int Shift, float X, float Y);
    void knopGoogleMapsOpenen_MouseMove(int Button, int Shift, float X, float Y);
    void knopRouteOpschonen_MouseMove(int Button, int Shift, float X, float Y);
    void knopPlaatsToevoegen_MouseMove(int Button, int Shift, float X, float Y);
    void tPlaats_MouseMove(int Button, int Shift, float X, float Y);
    void tRoutes_MouseMove(int Button, int Shift, float X, float Y);
    void knopRouteToevoegen_MouseMove(int Button, int Shift, float X, float Y);
    void knopGoogleMaps_MouseMove(int Button, int Shift, float X, float Y);
    void knopPlaatsVerwijderen_MouseMove(int Button, int Shift, float X, float Y);
    void KnopRouteLeegmaken_MouseMove(int Button, int Shift, float X, float Y);
    void knopRouteVerwijderen_MouseMove(int Button, int Shift, float X, float Y);
    void LabelPlaatsen_MouseMove(int Button, int Shift, float X, float Y);
    void LabelRoutes_MouseMove(int Button, int Shift, float X, float Y);
    void knopOngedaan_MouseMove(int Button, int Shift, float X, float Y);
    void LabelRoute_MouseMove(int Button, int Shift, float X, float Y);

    // Runs one handler as the event dispatch does: a failure it throws is reported once, with
    // its description, and the program ends without the shut-down save.
    void runHandler(const std::function<void()>& handler);
    // True once a failure has ended the program; the shut-down save is then skipped.
    bool aborted() const { return m_aborted; }
    // Whether this window has its settings file, or another window holds it (this start has
    // then handed over to it, or said that it does not answer).
    Platform::SettingsClaim settingsClaim() const { return m_claim; }
    // The shut-down save, when the desktop session asks for it before it ends.
    void saveForSession();

protected:
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The form description: captions, geometry, colours, pictures, cursors, tab order.
    void buildForm();
    // The event dispatch table: the one place that wires (control, event) to a handler.
    void connectEvents();

    Platform& m_platform;
    // The events of the bare window, where no control lies.
    ControlEvents m_bareWindow;
    Qt::MouseButton m_doubleClickButton = Qt::NoButton;
    bool m_aborted = false;
    bool m_unloaded = false;
    // Where the settings are written (CfgBestand) and read from: the file beside the program,
    // or the user's own (see chooseSettingsFile).
    void chooseSettingsFile();
    QString m_settingsSource;
    bool m_ownSettings = false;
    bool claimSettingsFile();
    Platform::SettingsClaim m_claim = Platform::SettingsClaim::Taken;
    // What the configuration file held that the window could not take: written back unchanged.
    ConfigContent m_keptAside;
    // Set when the file held something, but none of the three keys: kept as a copy before the
    // first save replaces it.
    bool m_configUnreadable = false;
    bool m_configNotUnderstood = false;
    // Tells the user, once, what was kept aside, and of a file not understood.
    void tellKeptAside();
    bool m_activated = false;

    // Layout on resize (window/Layout.cpp): the native size limits a window manager respects,
    // and a size correction that lays the window out itself where the platform raises no
    // resize event for the corrected size.
    void setWindowLimits();
    void correctSize(const std::function<void()>& adjustment);
    int m_resizeCount = 0;
    bool m_laidOutItself = false;
    // What the information label shows on hover, for assistive technology (help/).
    void setAccessibleTexts();
};

// A whole number of twips from a toolkit value: a half goes to the even neighbour.
qint32 toWholeTwips(double twips);

} // namespace zwervel
