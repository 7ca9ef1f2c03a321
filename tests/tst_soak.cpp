// Seeded random sequences of what a user can do, sent through Qt's own input events to the real
// window, with every rule that keeps the user's work whole checked after each step. The suite
// runs a few fixed seeds; tools/soak.sh runs a long one through ZWERVEL_SOAK_SEED and
// ZWERVEL_SOAK_ACTIONS. A failure names its seed and its step: the same seed replays it.
#include "config/ConfigFormat.h"
#include "lists/ListOrder.h"
#include "route/RouteRules.h"
#include "support/ScriptedPlatform.h"
#include "support/TestHelpers.h"
#include "text/TextRules.h"
#include "window/frmZwervel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QMap>
#include <QMenu>
#include <QScopeGuard>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>
#include <random>
#include <vector>

using namespace zwervel;

namespace {

// Warnings Qt prints while the soak runs: each one is a misuse of a control, and fails the step.
// The offscreen platform cannot grab or raise for a popup list; that alone is no fault.
QStringList* warnings = nullptr;
QtMessageHandler previousHandler = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool offscreenLimit = message.startsWith(QStringLiteral("This plugin does not support"));
    if (warnings && type != QtDebugMsg && type != QtInfoMsg && !offscreenLimit)
        warnings->append(message);
    if (!offscreenLimit)
        previousHandler(type, context, message);
}

const char32_t Letters[] = {
    U'a', U'b', U'e', U'h', U'n', U'r', U't', U'u', U'z', U'A', U'E', U'U', U'Z', U'0', U'7', U' ',
    U' ', U' ', U'/', U'/', U'(', U')', U',', U'.', U'-', U'\u00e9', U'\u00eb', U'\u00dc',
    U'\u00df', U'\u0130', U'\u0131', U'\u00c5', U'\u03a9', U'\u03c9', U'\u1e9e', U'\u00a0',
    // Beyond U+FFFF, two code units each; the Deseret letters are a case pair.
    U'\U0001d11e', U'\U0001f600', U'\U00010400', U'\U00010428'};

// Line breaks and characters with a meaning of their own, as text pasted from elsewhere brings.
const char16_t* const Foreign[] = {u"\t",     u"\r\n",   u"\r",   u"\n",
                                   u"\u2028", u"\u2029", u"\x0f", u"\r\n\r\n"};

// Places and routes no two of which are the same entry, though some come close.
const std::initializer_list<const char*> StartPlaces = {
    "Zeist (kasteel)", "Utrecht",      "\u00cele-de-France", "\u0130stanbul",
    "istanbul",        "Ede\tCentrum", "\U00010400rde",      "Den Haag, Centraal"};
const std::initializer_list<const char*> StartRoutes = {
    "Utrecht/Zeist", "Nieuwegein/48.860997, 2.352563 (Parijs)/Rome, Colosseum (reis)",
    "\U0001d11e/\u03a9", "Ede"};

enum class Shown { Hidden, Visible };

// One soak: a folder with the program's path, the window on it, and the dice.
class Soak : public QObject {
public:
    explicit Soak(quint64 seed) : m_seed(seed), m_dice(seed)
    {
        m_platform.path = m_dir.filePath(QStringLiteral("zwervel"));
        // Most runs start from a file with lists to pick from, written in another order.
        if (seed % 4 != 0) {
            const QString file =
                configText(QStringLiteral("Utrecht/Zeist"), list(StartPlaces), list(StartRoutes));
            writeFile(m_platform.path + QStringLiteral(".cfg"), encodeConfig(file));
        }
        m_platform.answerWhenOut = [this](const Question&) {
            const bool yes = roll(2) == 0;
            m_step += yes ? QStringLiteral(" [Ja]") : QStringLiteral(" [Nee]");
            return yes ? Question::Answer::Yes : Question::Answer::No;
        };
    }

    // Runs `actions` steps; false, with the reason in `failure`, at the first broken rule.
    bool run(qint64 actions);
    QString failure;
    qint64 done = 0;
    // How often the handlers that change the route box or the lists ran: a soak that never
    // reaches them proves nothing.
    QMap<QString, int> reached;
    int starts = 0;

private:
    // ---- the dice ----
    int roll(int sides) { return int(m_dice() % quint64(sides)); }
    bool chance(int percent) { return roll(100) < percent; }
    template <class T, size_t N> const T& any(const T (&items)[N]) { return items[roll(int(N))]; }
    Qt::KeyboardModifiers anyModifiers();
    Qt::MouseButton anyButton();
    QString anyText(int longest, bool foreign);
    QPoint anyPoint(const QWidget& widget);
    QWidget* anyControl();

    // ---- the window ----
    frmZwervel& f() { return *m_window; }
    bool start();
    bool closeAndRestart();
    void watch();
    QWidget* keyTarget();
    QAbstractItemView* openList();

    // ---- input ----
    void mouse(QTest::MouseAction action, QWidget* target, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers, QPoint at);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {});
    void type(const QString& text);
    void commit(const QString& text);

    // ---- the actions ----
    void act();
    void typeText();
    void typeKey();
    void moveCaret();
    void mouseOnRoute();
    void mouseOnControl();
    void clickButton();
    void inOpenList(QAbstractItemView* view);
    void onClosedList();
    void shortcut();
    void pasteFromElsewhere();
    void hover();
    void turnWheel();
    void resizeWindow();

    // ---- the rules ----
    // The route box's text as each input event starts, so that the text a handler finds is
    // known: the undo slot must take it.
    bool eventFilter(QObject* watched, QEvent* event) override;
    QString broken();
    QString brokenRoute();
    QString brokenList(const ComboBox& list, const char* name);

    quint64 m_seed;
    std::mt19937_64 m_dice;
    QTemporaryDir m_dir;
    ScriptedPlatform m_platform;
    std::unique_ptr<frmZwervel> m_window;
    QStringList m_warnings;
    // What the undo button should show by the rules: hidden by every change of the route box's
    // text, shown after the four changes that offer an undo.
    Shown m_undo = Shown::Hidden;
    bool m_doubleClicked = false;
    // The text before the input event being handled: the undo slot takes it when the event
    // makes a change that offers an undo, and the undo brings it back.
    QString m_textBefore;
    // What a step started from: an entry leaves a list only by a removal.
    QStringList m_placesBefore;
    QStringList m_routesBefore;
    int m_removals = 0;
    bool m_started = false;
    QString m_undoText;
    QString m_undoRestored;
    QString m_step;
    QStringList m_steps;
};

Qt::KeyboardModifiers Soak::anyModifiers()
{
    Qt::KeyboardModifiers modifiers;
    if (chance(15))
        modifiers |= Qt::ShiftModifier;
    if (chance(10))
        modifiers |= Qt::ControlModifier;
    if (chance(8))
        modifiers |= Qt::AltModifier;
    return modifiers;
}

Qt::MouseButton Soak::anyButton()
{
    static const Qt::MouseButton buttons[] = {Qt::LeftButton,   Qt::LeftButton,   Qt::LeftButton,
                                              Qt::RightButton,  Qt::MiddleButton, Qt::BackButton,
                                              Qt::ForwardButton};
    return any(buttons);
}

QString Soak::anyText(int longest, bool foreign)
{
    QString text;
    const int length = 1 + roll(longest);
    for (int i = 0; i < length; ++i) {
        if (foreign && chance(15)) {
            text += QString::fromUtf16(any(Foreign));
        } else if (foreign && chance(1)) {
            // Half of a character beyond U+FFFF, as a broken source may paste it.
            text += QChar(chance(50) ? 0xd83d : 0xde00);
        } else {
            const char32_t c = any(Letters);
            text += QString::fromUcs4(&c, 1);
        }
    }
    return text;
}

QPoint Soak::anyPoint(const QWidget& widget)
{
    return QPoint(roll(qMax(1, widget.width())), roll(qMax(1, widget.height())));
}

QWidget* Soak::anyControl()
{
    QWidget* controls[] = {&f().tRoutes,
                           &f().tPlaats,
                           &f().Routes,
                           &f().knopGoogleMaps,
                           f().Route.viewport(),
                           &f().Plaats,
                           &f().knopRouteOpschonen,
                           &f().KnopRouteLeegmaken,
                           &f().knopGoogleMapsOpenen,
                           &f().LabelVoettekst,
                           &f().knopPlaatsToevoegen,
                           &f().knopRouteToevoegen,
                           &f().knopRouteVerwijderen,
                           &f().Info,
                           &f().knopOngedaan,
                           &f().knopPlaatsVerwijderen,
                           &f().LabelRoutes,
                           &f().LabelPlaatsen,
                           &f().LabelRoute,
                           &f()};
    return any(controls);
}

bool Soak::start()
{
    ++starts;
    m_undo = Shown::Hidden;
    m_undoText.clear();
    m_started = true;
    m_window = std::make_unique<frmZwervel>(m_platform);
    watch();
    f().show();
    f().activateWindow();
    return QTest::qWaitForWindowActive(m_window.get());
}

// What the rules say of the undo button, followed from the outside, and how often each handler
// ran: connected after the window's own handlers, these run once a handler has finished.
void Soak::watch()
{
    frmZwervel* w = m_window.get();
    QObject::connect(&w->Route, &QPlainTextEdit::textChanged, w,
                     [this] { m_undo = Shown::Hidden; });
    const std::pair<ControlEvents*, const char*> handlers[] = {
        {&w->Plaats.events, "place picked"},
        {&w->Routes.events, "route picked"},
        {&w->knopOngedaan.events, "undo"},
        {&w->KnopRouteLeegmaken.events, "emptied"},
        {&w->knopPlaatsToevoegen.events, "add place"},
        {&w->knopRouteToevoegen.events, "add route"},
        {&w->LabelRoute.events, "add route"},
        {&w->knopRouteOpschonen.events, "clean-up"}};
    for (const auto& [events, name] : handlers) {
        QObject::connect(events, &ControlEvents::Click, w,
                         [this, name] { ++reached[QLatin1String(name)]; });
    }
    QObject::connect(&w->knopPlaatsVerwijderen.events, &ControlEvents::MouseUp, w, [this] {
        ++reached[QStringLiteral("remove place")];
        ++m_removals;
    });
    QObject::connect(&w->knopRouteVerwijderen.events, &ControlEvents::MouseUp, w, [this] {
        ++reached[QStringLiteral("remove route")];
        ++m_removals;
    });
    QObject::connect(&w->Info.events, &ControlEvents::MouseUp, w,
                     [this] { ++reached[QStringLiteral("information label")]; });
    QObject::connect(&w->Plaats.events, &ControlEvents::Click, w, [this] {
        if (!f().Plaats.Text().isEmpty() && (m_platform.modifiers & 7) == 0) {
            m_undo = Shown::Visible;
            m_undoText = m_textBefore;
        }
    });
    QObject::connect(&w->Routes.events, &ControlEvents::Click, w, [this] {
        // The slot is written even when no route turns out to be chosen.
        m_undoText = m_textBefore;
        if (!f().Routes.Text().isEmpty())
            m_undo = Shown::Visible;
    });
    QObject::connect(&w->KnopRouteLeegmaken.events, &ControlEvents::Click, w, [this] {
        m_undo = Shown::Visible;
        m_undoText = m_textBefore;
    });
    QObject::connect(&w->Info.events, &ControlEvents::MouseUp, w, [this](int button) {
        if (button != MouseRight) {
            m_undo = Shown::Visible;
            m_undoText = m_textBefore;
        }
    });
    QObject::connect(&w->knopOngedaan.events, &ControlEvents::Click, w,
                     [this] { m_undoRestored = f().Route.Text(); });
}

// Closes the window as the user does, checks the file it wrote against what it held, and
// starts a new window on that file, which must show the same.
bool Soak::closeAndRestart()
{
    const QString route = routeNormalForm(f().Route.Text(), false, false);
    const QStringList places = f().Plaats.Items();
    // An empty route is a route the user may add; the file's reader skips empty entries.
    QStringList routes = f().Routes.Items();
    routes.removeAll(QString());
    f().close();
    if (!m_platform.terminated.isEmpty() || f().aborted()) {
        failure = QStringLiteral("the shut-down save failed");
        return false;
    }
    const ConfigContent saved =
        parseConfig(decodeConfig(readFile(m_dir.filePath(QStringLiteral("zwervel.cfg")))));
    if (saved.routeValues != QStringList{route})
        failure =
            QStringLiteral("saved route %1, held %2").arg(saved.routeValues.join(u'|'), route);
    else if (saved.places != places)
        failure = QStringLiteral("saved places differ from the list: %1 / %2")
                      .arg(saved.places.join(u'|'), places.join(u'|'));
    else if (saved.routes != routes)
        failure = QStringLiteral("saved routes differ from the list: %1 / %2")
                      .arg(saved.routes.join(u'|'), routes.join(u'|'));
    if (!failure.isEmpty())
        return false;
    m_window.reset();
    m_steps.clear();
    if (!start()) {
        failure = QStringLiteral("the new window did not become active");
        return false;
    }
    QStringList shownRoutes = f().Routes.Items();
    shownRoutes.removeAll(QString());
    if (routeNormalForm(f().Route.Text(), false, false) != route || f().Plaats.Items() != places ||
        shownRoutes != routes)
        failure = QStringLiteral("the new start does not show what was saved");
    return failure.isEmpty();
}

QWidget* Soak::keyTarget()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : m_window.get();
}

QAbstractItemView* Soak::openList()
{
    QWidget* popup = QApplication::activePopupWidget();
    for (ComboBox* list : {&f().Plaats, &f().Routes}) {
        if (popup && list->view()->window() == popup)
            return list->view();
    }
    return nullptr;
}

// A mouse event through the window system, as the platform delivers it: to the window under the
// control, which finds the widget, closes an open list on a click outside it, and makes two
// quick presses a double click.
void Soak::mouse(QTest::MouseAction action, QWidget* target, Qt::MouseButton button,
                 Qt::KeyboardModifiers modifiers, QPoint at)
{
    QWidget* top = target->window();
    QWindow* handle = top->windowHandle();
    if (!handle || !top->isVisible())
        return;
    QPoint inWindow = target->mapTo(top, at);
    inWindow.setX(qBound(1, inWindow.x(), top->width() - 1));
    inWindow.setY(qBound(1, inWindow.y(), top->height() - 1));
    m_platform.modifiers = modifierState(modifiers);
    QTest::mouseEvent(action, handle, button, modifiers, inWindow);
}

void Soak::key(Qt::Key code, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QString sent = text;
    // With Ctrl held a letter brings a control character, as a keyboard sends it.
    if (sent.isEmpty() && code >= Qt::Key_A && code <= Qt::Key_Z)
        sent = modifiers.testFlag(Qt::ControlModifier) ? QString(QChar(code - Qt::Key_A + 1))
                                                       : QString(QChar(code)).toLower();
    m_platform.modifiers = modifierState(modifiers);
    QTest::sendKeyEvent(QTest::Click, keyTarget(), code, sent, modifiers);
}

// Characters beyond Latin-1 come from an input method, as committed text.
void Soak::commit(const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(keyTarget(), &event);
}

void Soak::type(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            commit(text.mid(i++, 2));
        } else if (c.unicode() >= 'a' && c.unicode() <= 'z') {
            key(Qt::Key(Qt::Key_A + (c.unicode() - 'a')), {}, c);
        } else if (c.unicode() >= 'A' && c.unicode() <= 'Z') {
            key(Qt::Key(c.unicode()), Qt::ShiftModifier, c);
        } else if (c.unicode() < 0x80) {
            key(Qt::Key(c.unicode()), {}, c);
        } else {
            commit(c);
        }
    }
}

// ---- the actions ----------------------------------------------------------------------------

void Soak::act()
{
    m_platform.modifiers = 0;
    if (QAbstractItemView* view = openList(); view && chance(70)) {
        inOpenList(view);
        return;
    }
    const int dice = roll(1000);
    if (dice < 140)
        typeText();
    else if (dice < 220)
        typeKey();
    else if (dice < 300)
        moveCaret();
    else if (dice < 380)
        mouseOnRoute();
    else if (dice < 500)
        mouseOnControl();
    else if (dice < 640)
        clickButton();
    else if (dice < 700)
        onClosedList();
    else if (dice < 800)
        shortcut();
    else if (dice < 830)
        pasteFromElsewhere();
    else if (dice < 920)
        hover();
    else if (dice < 940)
        turnWheel();
    else if (dice < 960)
        resizeWindow();
    else if (dice < 975) {
        m_step = QStringLiteral("minimise and restore");
        f().showMinimized();
        QCoreApplication::processEvents();
        f().showNormal();
        f().activateWindow();
    } else if (dice < 997) {
        // Opening a list: by its caption, by its arrow, or by the keyboard.
        ComboBox& list = chance(50) ? f().Plaats : f().Routes;
        const char* name = &list == &f().Plaats ? "Plaats" : "Routes";
        switch (roll(3)) {
        case 0:
            m_step = QStringLiteral("click the caption over %1").arg(QLatin1String(name));
            mouse(QTest::MouseClick, &list == &f().Plaats ? &f().LabelPlaatsen : &f().LabelRoutes,
                  Qt::LeftButton, {}, QPoint(5, 5));
            break;
        case 1:
            m_step = QStringLiteral("click the arrow of %1").arg(QLatin1String(name));
            mouse(QTest::MouseClick, &list, Qt::LeftButton, {},
                  QPoint(list.width() - 5, list.height() / 2));
            break;
        default:
            m_step = QStringLiteral("focus %1, Alt+Down").arg(QLatin1String(name));
            mouse(QTest::MouseClick, &list == &f().Plaats ? &f().tPlaats : &f().tRoutes,
                  Qt::LeftButton, {}, QPoint(5, 5));
            key(Qt::Key_Down, Qt::AltModifier);
            break;
        }
    } else {
        m_step = QStringLiteral("close and start again");
        closeAndRestart();
    }
}

void Soak::typeText()
{
    const QString text = anyText(8, false);
    m_step = QStringLiteral("type \"%1\"").arg(text);
    type(text);
}

void Soak::typeKey()
{
    static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Return,  Qt::Key_Enter,
                                   Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Backspace,
                                   Qt::Key_Delete, Qt::Key_Space,   Qt::Key_Escape};
    const Qt::Key code = any(keys);
    const Qt::KeyboardModifiers modifiers = chance(30) ? Qt::ShiftModifier : anyModifiers();
    const QString text = code == Qt::Key_Return || code == Qt::Key_Enter ? QStringLiteral("\r")
                         : code == Qt::Key_Tab                           ? QStringLiteral("\t")
                         : code == Qt::Key_Space                         ? QStringLiteral(" ")
                                                                         : QString();
    m_step = QStringLiteral("key %1 mod %2").arg(int(code), 0, 16).arg(int(modifiers), 0, 16);
    key(code, modifiers, text);
}

void Soak::moveCaret()
{
    static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                                   Qt::Key_Home, Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown};
    const int times = 1 + roll(4);
    const Qt::Key code = any(keys);
    Qt::KeyboardModifiers modifiers;
    if (chance(50))
        modifiers |= Qt::ShiftModifier;
    if (chance(25))
        modifiers |= Qt::ControlModifier;
    m_step = QStringLiteral("%1 x key %2 mod %3")
                 .arg(times)
                 .arg(int(code), 0, 16)
                 .arg(int(modifiers), 0, 16);
    for (int i = 0; i < times; ++i)
        key(code, modifiers);
}

void Soak::mouseOnRoute()
{
    QWidget* viewport = f().Route.viewport();
    const QPoint at = anyPoint(*viewport);
    const Qt::MouseButton button = chance(75) ? Qt::LeftButton : anyButton();
    const Qt::KeyboardModifiers modifiers = chance(70) ? Qt::KeyboardModifiers() : anyModifiers();
    const int kind = roll(6);
    m_step = QStringLiteral("route box: mouse %1 button %2 mod %3 at %4,%5")
                 .arg(kind)
                 .arg(int(button))
                 .arg(int(modifiers))
                 .arg(at.x())
                 .arg(at.y());
    switch (kind) {
    case 0:
    case 1:
        mouse(QTest::MouseClick, viewport, button, modifiers, at);
        break;
    case 2:
        m_doubleClicked = true;
        mouse(QTest::MouseDClick, viewport, button, modifiers, at);
        break;
    case 3: // a drag that selects
        mouse(QTest::MousePress, viewport, button, modifiers, at);
        mouse(QTest::MouseMove, viewport, button, modifiers, anyPoint(*viewport));
        mouse(QTest::MouseRelease, viewport, button, modifiers, anyPoint(*viewport));
        break;
    case 4: // three quick presses select a line
        m_doubleClicked = true;
        mouse(QTest::MouseDClick, viewport, button, modifiers, at);
        mouse(QTest::MouseClick, viewport, button, modifiers, at);
        break;
    default:
        mouse(chance(50) ? QTest::MousePress : QTest::MouseRelease, viewport, button, modifiers,
              at);
        break;
    }
}

void Soak::mouseOnControl()
{
    QWidget* target = anyControl();
    const QPoint at = anyPoint(*target);
    const Qt::MouseButton button = anyButton();
    const Qt::KeyboardModifiers modifiers = chance(70) ? Qt::KeyboardModifiers() : anyModifiers();
    static const QTest::MouseAction actions[] = {QTest::MouseClick, QTest::MouseClick,
                                                 QTest::MouseDClick, QTest::MousePress,
                                                 QTest::MouseRelease};
    const QTest::MouseAction action = any(actions);
    m_doubleClicked =
        m_doubleClicked ||
        (action == QTest::MouseDClick &&
         (target == f().Route.viewport() || target == &f().tPlaats || target == &f().tRoutes));
    m_step =
        QStringLiteral("%1: mouse %2 button %3 mod %4 at %5,%6")
            .arg(target->objectName().isEmpty() ? QStringLiteral("window") : target->objectName())
            .arg(int(action))
            .arg(int(button))
            .arg(int(modifiers))
            .arg(at.x())
            .arg(at.y());
    mouse(action, target, button, modifiers, at);
}

void Soak::clickButton()
{
    PictureButton* buttons[] = {&f().knopPlaatsToevoegen,  &f().knopPlaatsToevoegen,
                                &f().knopRouteToevoegen,   &f().knopPlaatsVerwijderen,
                                &f().knopRouteVerwijderen, &f().knopOngedaan,
                                &f().knopOngedaan,         &f().KnopRouteLeegmaken,
                                &f().knopRouteOpschonen,   &f().knopGoogleMapsOpenen};
    const int which = roll(13);
    QWidget* target = which < 10    ? static_cast<QWidget*>(buttons[which])
                      : which == 10 ? static_cast<QWidget*>(&f().LabelRoute)
                      : which == 11 ? static_cast<QWidget*>(&f().Info)
                                    : static_cast<QWidget*>(&f().knopGoogleMaps);
    const bool remove = target == &f().knopPlaatsVerwijderen || target == &f().knopRouteVerwijderen;
    const Qt::MouseButton button = remove || target == &f().Info
                                       ? (chance(60) ? Qt::LeftButton : anyButton())
                                       : Qt::LeftButton;
    m_step = QStringLiteral("click %1 button %2").arg(target->objectName()).arg(int(button));
    mouse(QTest::MouseClick, target, button, {}, anyPoint(*target));
}

void Soak::inOpenList(QAbstractItemView* view)
{
    const int count = view->model()->rowCount();
    const Qt::KeyboardModifiers modifiers = chance(60) ? Qt::KeyboardModifiers() : anyModifiers();
    const int dice = roll(10);
    if (dice < 4) {
        static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up,
                                       Qt::Key_Home, Qt::Key_End,  Qt::Key_PageDown};
        const Qt::Key code = any(keys);
        m_step = QStringLiteral("open list: key %1").arg(int(code), 0, 16);
        key(code);
    } else if (dice < 6) {
        const Qt::Key code = chance(70) ? Qt::Key_Return : Qt::Key_Escape;
        m_step =
            QStringLiteral("open list: key %1 mod %2").arg(int(code), 0, 16).arg(int(modifiers));
        key(code, modifiers, code == Qt::Key_Return ? QStringLiteral("\r") : QString());
    } else if (dice < 9 && count > 0) {
        const int row = roll(count);
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        m_step = QStringLiteral("open list: click row %1 of %2 mod %3")
                     .arg(row)
                     .arg(count)
                     .arg(int(modifiers));
        QWidget* viewport = view->viewport();
        mouse(QTest::MouseMove, viewport, Qt::NoButton, {}, rect.center());
        mouse(QTest::MouseClick, viewport, Qt::LeftButton, modifiers, rect.center());
    } else {
        m_step = QStringLiteral("open list: click outside it");
        mouse(QTest::MouseClick, f().Route.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    }
}

void Soak::onClosedList()
{
    ComboBox& list = chance(50) ? f().Plaats : f().Routes;
    TextBox& field = &list == &f().Plaats ? f().tPlaats : f().tRoutes;
    static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Return, Qt::Key_Down, Qt::Key_Up,
                                   Qt::Key_Home,   Qt::Key_End,    Qt::Key_E,    Qt::Key_Z,
                                   Qt::Key_Escape, Qt::Key_F4};
    const Qt::Key code = any(keys);
    const Qt::KeyboardModifiers modifiers = chance(60) ? Qt::KeyboardModifiers() : anyModifiers();
    m_step = QStringLiteral("closed list %1: key %2 mod %3")
                 .arg(list.objectName())
                 .arg(int(code), 0, 16)
                 .arg(int(modifiers));
    // The field over the list hands the focus to it.
    mouse(QTest::MouseClick, &field, Qt::LeftButton, {}, QPoint(5, 5));
    if (QApplication::activePopupWidget())
        return;
    key(code, modifiers, code == Qt::Key_Return ? QStringLiteral("\r") : QString());
}

void Soak::shortcut()
{
    struct Shortcut {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    static const Shortcut shortcuts[] = {
        {Qt::Key_F2, {}},
        {Qt::Key_F2, Qt::ShiftModifier},
        {Qt::Key_A, Qt::ControlModifier},
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_A, Qt::ControlModifier | Qt::AltModifier},
        {Qt::Key_Z, Qt::ControlModifier},
        {Qt::Key_Z, Qt::ControlModifier},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_Y, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},
        {Qt::Key_C, Qt::ControlModifier},
        {Qt::Key_V, Qt::ControlModifier},
        {Qt::Key_V, Qt::ControlModifier},
        {Qt::Key_Insert, Qt::ShiftModifier},
        {Qt::Key_Insert, Qt::ControlModifier},
        {Qt::Key_Delete, Qt::ShiftModifier},
    };
    const Shortcut& s = any(shortcuts);
    m_step =
        QStringLiteral("shortcut %1 mod %2").arg(int(s.key), 0, 16).arg(int(s.modifiers), 0, 16);
    key(s.key, s.modifiers);
}

void Soak::pasteFromElsewhere()
{
    const QString text = anyText(12, true);
    QString shown = text;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.isSurrogate() || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            shown.replace(c, QStringLiteral("\\x%1").arg(int(c.unicode()), 0, 16));
    }
    m_step = QStringLiteral("paste \"%1\" from elsewhere").arg(shown);
    QGuiApplication::clipboard()->setText(text);
    key(Qt::Key_V, Qt::ControlModifier);
}

void Soak::hover()
{
    const int moves = 1 + roll(5);
    m_step = QStringLiteral("hover %1 times").arg(moves);
    for (int i = 0; i < moves; ++i) {
        QWidget* target = anyControl();
        mouse(QTest::MouseMove, target, Qt::NoButton, {}, anyPoint(*target));
    }
}

void Soak::turnWheel()
{
    QWidget* targets[] = {&f().Plaats, &f().Routes, f().Route.viewport()};
    QWidget* target = any(targets);
    const int steps = roll(5) - 2;
    m_step = QStringLiteral("wheel %1 on %2").arg(steps).arg(target->objectName());
    const QPointF middle = QRectF(target->rect()).center();
    QWheelEvent wheel(middle, target->mapToGlobal(middle), QPoint(), QPoint(0, 120 * steps),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

void Soak::resizeWindow()
{
    const QSize size(f().minimumWidth() - 40 + roll(500), f().height() - 20 + roll(40));
    m_step = QStringLiteral("resize to %1 x %2").arg(size.width()).arg(size.height());
    f().resize(size);
}

// ---- the rules --------------------------------------------------------------------------------

bool Soak::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (m_window)
            m_textBefore = f().Route.Text();
        break;
    case QEvent::Show:
        // A right click on a scroll bar opens Qt's own menu, which waits for an answer: the
        // user dismisses it, from inside its wait.
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            m_step += QStringLiteral(" [menu dismissed]");
            QTimer::singleShot(0, menu, [menu] { menu->close(); });
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

QString Soak::brokenRoute()
{
    const RouteBox& route = f().Route;
    const QString text = route.Text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && (i + 1 == text.size() || !text.at(i + 1).isLowSurrogate()))
            return QStringLiteral("lone high surrogate at %1").arg(i);
        if (c.isLowSurrogate() && (i == 0 || !text.at(i - 1).isHighSurrogate()))
            return QStringLiteral("lone low surrogate at %1").arg(i);
        if (c == u'\r' && (i + 1 == text.size() || text.at(i + 1) != u'\n'))
            return QStringLiteral("lone CR at %1").arg(i);
        if (c == u'\n' && (i == 0 || text.at(i - 1) != u'\r'))
            return QStringLiteral("lone LF at %1").arg(i);
    }
    if (route.TextLength() != text.size())
        return QStringLiteral("TextLength %1, text %2").arg(route.TextLength()).arg(text.size());
    const qsizetype start = route.SelStart(), length = route.SelLength();
    if (start < 0 || length < 0 || start + length > text.size())
        return QStringLiteral("selection %1+%2 outside %3").arg(start).arg(length).arg(text.size());
    for (const qsizetype at : {start, start + length}) {
        if (at == 0 || at == text.size())
            continue;
        const QChar before = text.at(at - 1), after = text.at(at);
        if ((before == u'\r' && after == u'\n') ||
            (before.isHighSurrogate() && after.isLowSurrogate()))
            return QStringLiteral("selection %1+%2 splits a character or line break")
                .arg(start)
                .arg(length);
    }
    return {};
}

QString Soak::brokenList(const ComboBox& list, const char* name)
{
    const QStringList entries = list.Items();
    if (entries.size() != list.ListCount())
        return QStringLiteral("%1: count %2, entries %3")
            .arg(QLatin1String(name))
            .arg(list.ListCount())
            .arg(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i).contains(EntrySeparator))
            return QStringLiteral("%1: entry %2 holds the entry separator")
                .arg(QLatin1String(name))
                .arg(i);
        if (i > 0 && compareEntries(entries.at(i - 1), entries.at(i)) >= 0)
            return QStringLiteral("%1: entries %2 and %3 out of order: \"%4\", \"%5\"")
                .arg(QLatin1String(name))
                .arg(i - 1)
                .arg(i)
                .arg(entries.at(i - 1), entries.at(i));
        for (qsizetype j = 0; j < i; ++j) {
            if (sameEntry(entries.at(i), entries.at(j)))
                return QStringLiteral("%1: \"%2\" and \"%3\" are the same entry")
                    .arg(QLatin1String(name), entries.at(j), entries.at(i));
        }
    }
    return {};
}

QString Soak::broken()
{
    if (!m_platform.terminated.isEmpty() || f().aborted())
        return QStringLiteral("a failure ended the program");
    for (const Question& question : std::as_const(m_platform.questions)) {
        if (question.icon == Question::Icon::Error)
            return QStringLiteral("failure report: ") + question.text;
    }
    m_platform.questions.clear();
    m_platform.addresses.clear();
    if (QTest::currentTestFailed())
        return QStringLiteral("a check of the test failed");
    if (!m_warnings.isEmpty())
        return QStringLiteral("Qt warned: ") + m_warnings.join(QStringLiteral(" | "));
    if (const QString route = brokenRoute(); !route.isEmpty())
        return QStringLiteral("route box: ") + route;
    if (const QString places = brokenList(f().Plaats, "Plaats"); !places.isEmpty())
        return places;
    if (const QString routes = brokenList(f().Routes, "Routes"); !routes.isEmpty())
        return routes;
    const bool visible = !f().knopOngedaan.isHidden();
    if (visible != (m_undo == Shown::Visible))
        return QStringLiteral("undo button %1, rules say %2")
            .arg(visible ? QStringLiteral("shown") : QStringLiteral("hidden"),
                 m_undo == Shown::Visible ? QStringLiteral("shown") : QStringLiteral("hidden"));
    if (f().OngedaanTekst != m_undoText)
        return QStringLiteral("undo slot holds \"%1\", rules say \"%2\"")
            .arg(f().OngedaanTekst, m_undoText);
    if (!m_undoRestored.isNull() && m_undoRestored != m_undoText)
        return QStringLiteral("undo brought back \"%1\", not \"%2\"")
            .arg(m_undoRestored, m_undoText);
    if (!m_started && m_removals == 0) {
        for (const auto& [before, list] :
             {std::pair{&m_placesBefore, &f().Plaats}, std::pair{&m_routesBefore, &f().Routes}}) {
            const QStringList now = list->Items();
            for (const QString& entry : *before) {
                if (!now.contains(entry))
                    return QStringLiteral("\"%1\" left %2 without a removal")
                        .arg(entry, list->objectName());
            }
        }
    }
    QWidget* focus = QApplication::focusWidget();
    if (focus == &f().tPlaats || focus == &f().tRoutes)
        return QStringLiteral("a field over a list kept the focus");
    return {};
}

bool Soak::run(qint64 actions)
{
    warnings = &m_warnings;
    // The clipboard outlives a window: each run starts without what another one left there.
    QGuiApplication::clipboard()->clear();
    qApp->installEventFilter(this);
    const auto stop = qScopeGuard([this] {
        warnings = nullptr;
        qApp->removeEventFilter(this);
    });
    if (!start()) {
        failure = QStringLiteral("the window did not become active");
        return false;
    }
    for (done = 0; done < actions; ++done) {
        m_step.clear();
        m_doubleClicked = false;
        m_started = false;
        m_removals = 0;
        m_undoRestored = QString();
        m_placesBefore = f().Plaats.Items();
        m_routesBefore = f().Routes.Items();
        act();
        QCoreApplication::processEvents();
        // A double click in a text opens a short time in which a third press selects a line: let
        // it pass, so that the next step does not depend on the machine's speed.
        if (m_doubleClicked)
            QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 2);
        m_steps << QStringLiteral("%1: %2").arg(done).arg(m_step);
        if (m_steps.size() > 400)
            m_steps.removeFirst();
        if (failure.isEmpty())
            failure = broken();
        if (!failure.isEmpty()) {
            qInfo().noquote() << "soak seed" << m_seed << "failed at step" << done << ":"
                              << failure;
            qInfo().noquote() << "steps since the last start (at most 400):";
            for (const QString& step : std::as_const(m_steps))
                qInfo().noquote() << "  " << step;
            return false;
        }
    }
    if (m_window)
        return closeAndRestart();
    return true;
}

qint64 environmentNumber(const char* name, qint64 fallback)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void shortRun_data();
    void shortRun();
    void longRun();
};

void TestSoak::initTestCase()
{
    previousHandler = qInstallMessageHandler(collectWarnings);
    // Short, so that letting it pass after a double click costs little.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(10);
}

void TestSoak::shortRun_data()
{
    QTest::addColumn<quint64>("seed");
    for (const quint64 seed : {1u, 2u, 3u, 4u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TestSoak::shortRun()
{
    QFETCH(quint64, seed);
    Soak soak(seed);
    QVERIFY2(soak.run(1000), qPrintable(soak.failure));
}

void TestSoak::longRun()
{
    const qint64 actions = environmentNumber("ZWERVEL_SOAK_ACTIONS", 0);
    if (actions <= 0)
        QSKIP("set ZWERVEL_SOAK_ACTIONS (and ZWERVEL_SOAK_SEED) for a long run");
    const quint64 seed = quint64(environmentNumber("ZWERVEL_SOAK_SEED", 1));
    QElapsedTimer timer;
    timer.start();
    Soak soak(seed);
    const bool passed = soak.run(actions);
    const double seconds = double(timer.elapsed()) / 1000.0;
    QStringList reached;
    for (auto it = soak.reached.cbegin(); it != soak.reached.cend(); ++it)
        reached << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    qInfo("soak seed %llu reached: %s", seed, qPrintable(reached.join(QStringLiteral(", "))));
    qInfo("soak seed %llu: %lld actions, %d starts, %.1f s, %.0f actions/s", seed, soak.done,
          soak.starts, seconds, double(soak.done) / qMax(seconds, 0.001));
    QVERIFY2(passed, qPrintable(soak.failure));
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
