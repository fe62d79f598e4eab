// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "windowsystem.h"

#include <QAbstractNativeEventFilter>
#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace platform::windowsystem {
namespace {

// A window manager that answers at all answers within a few milliseconds; one that does not is
// waited for only this long, once per program.
constexpr std::chrono::milliseconds answerBound{300};
// A clipboard manager copies a window's picture in a few milliseconds; a stuck one must not keep
// the program from ending.
constexpr std::chrono::milliseconds handOverBound{500};

QByteArray& displayName()
{
    static QByteArray name;
    return name;
}

bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return result;
}

std::vector<uint32_t> cardinals(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr);
    std::vector<uint32_t> values;
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
    return values;
}

xcb_window_t rootWindow(xcb_connection_t* connection, int screenNumber)
{
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    return screens.data->root;
}

// Sends the request for the frame extents from a probe window and waits, bounded, for the answer.
QMargins askForFrameExtents(xcb_connection_t* connection, xcb_window_t root, const QScreen* screen)
{
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    const std::vector<uint32_t> supported =
        cardinals(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (std::find(supported.begin(), supported.end(), request) == supported.end())
        return {};
    const xcb_window_t probe = xcb_generate_id(connection);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, probe, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = probe;
    message.type = request;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    const auto deadline = std::chrono::steady_clock::now() + answerBound;
    std::vector<uint32_t> answer = cardinals(connection, probe, extents, XCB_ATOM_CARDINAL);
    while (answer.size() < 4 && std::chrono::steady_clock::now() < deadline) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(std::max<long>(1, left.count())));
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection))
            free(event);
        answer = cardinals(connection, probe, extents, XCB_ATOM_CARDINAL);
    }
    xcb_destroy_window(connection, probe);
    if (answer.size() < 4)
        return {};
    // The property holds left, right, top, bottom in the screen's device pixels. Each pair is
    // rounded up as a whole, so that a fitted window never reaches past the work area and loses
    // at most one logical pixel to the rounding.
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    const auto logical = [ratio](uint32_t first, uint32_t second) {
        const int before = int(std::floor(first / ratio));
        return std::pair{before, int(std::ceil((first + second) / ratio)) - before};
    };
    const auto [left, right] = logical(answer[0], answer[1]);
    const auto [top, bottom] = logical(answer[2], answer[3]);
    return QMargins(left, top, right, bottom);
}

// Sees the clipboard manager's notice that it has taken the clipboard's content.
class SaveNotice : public QAbstractNativeEventFilter {
public:
    SaveNotice(xcb_window_t requestor, QEventLoop* wait) : m_requestor(requestor), m_wait(wait) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_SELECTION_NOTIFY)
            return false;
        if (reinterpret_cast<const xcb_selection_notify_event_t*>(event)->requestor != m_requestor)
            return false;
        m_wait->quit();
        return true;
    }

private:
    xcb_window_t m_requestor;
    QEventLoop* m_wait;
};

// What a copy holds, each in one format: a window's picture as PNG, a selected text as UTF-8.
std::vector<xcb_atom_t> targetsToSave(xcb_connection_t* connection)
{
    std::vector<xcb_atom_t> targets;
    const QMimeData* content = QGuiApplication::clipboard()->mimeData();
    if (content && content->hasImage())
        targets.push_back(atom(connection, "image/png"));
    if (content && content->hasText()) {
        targets.push_back(atom(connection, "UTF8_STRING"));
        targets.push_back(atom(connection, "text/plain;charset=utf-8"));
    }
    return targets;
}

bool usesX11(const DisplayRequest& request)
{
    return request.platform.isEmpty() || request.platform.startsWith("xcb");
}

bool usesWayland(const DisplayRequest& request)
{
    return request.platform.startsWith("wayland");
}

DisplayFailure x11Failure(const QByteArray& display)
{
    if (display.isEmpty())
        return {"DISPLAY ist nicht gesetzt.", "DISPLAY is not set."};
    const std::string shown = display.toStdString();
    return {"die Anzeige " + shown + " lässt sich nicht öffnen.", "the display " + shown + " cannot be opened."};
}

} // namespace

// Where a desktop offers both, X11 (through XWayland) is taken: the windows' placement and the
// window manager's frame are asked for over X11. Native Wayland serves where it alone is there
// or is asked for. X11 without a display is known before Qt tries, unless Qt, left to choose,
// may take Wayland.
std::optional<DisplayFailure> chooseDisplay(DisplayRequest& request)
{
    displayName() = request.display;
    const bool waylandOffered = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (usesX11(request) && request.display.isEmpty() && !(request.platform.isEmpty() && waylandOffered))
        return x11Failure(request.display);
    if (request.platform.isEmpty() && !request.display.isEmpty() && waylandOffered) {
        request.platform = "xcb;wayland";
        qputenv("QT_QPA_PLATFORM", request.platform);
    }
    return std::nullopt;
}

std::optional<DisplayFailure> unreachableDisplay(const DisplayRequest& request, const std::vector<QString>& messages)
{
    const auto said = [&messages](const char* words) {
        return std::any_of(messages.begin(), messages.end(),
                           [words](const QString& message) { return message.contains(QLatin1String(words)); });
    };
    if (usesX11(request) && said("could not connect to display"))
        return x11Failure(request.display);
    if (usesWayland(request) && said("wl_display")) {
        const std::string socket = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
            ? std::string("wayland-0")
            : qgetenv("WAYLAND_DISPLAY").toStdString();
        return DisplayFailure{"die Wayland-Anzeige " + socket + " lässt sich nicht öffnen.",
                              "the Wayland display " + socket + " cannot be opened."};
    }
    return std::nullopt;
}

// Asks the window manager which frame it will put round a new window, before any window of ours
// is shown: a window sized from the screen then gets its size with the frame from the start, and
// its picture never has to follow a second size. A connection of its own keeps the answer out of
// the program's event queue.
QMargins announcedFrameMargins(const QScreen* screen)
{
    if (!onX11())
        return {};
    int screenNumber = 0;
    xcb_connection_t* connection =
        xcb_connect(displayName().isEmpty() ? nullptr : displayName().constData(), &screenNumber);
    QMargins margins;
    if (!xcb_connection_has_error(connection))
        margins = askForFrameExtents(connection, rootWindow(connection, screenNumber), screen);
    xcb_disconnect(connection);
    return margins;
}

// A terminal's output is the program's own here.
void useStartingConsole() {}

// Debian's Liberation fonts (fonts-liberation2) are installed with the programs.
void loadBundledFonts() {}

bool bundledFontsLoaded()
{
    return false;
}

// The desktop's own (fontconfig's slight hinting on Debian).
QFont::HintingPreference layoutHinting()
{
    return QFont::PreferDefaultHinting;
}

// The freedesktop hand-over: the clipboard manager is asked to save the clipboard's content
// (SAVE_TARGETS); it fetches the content from Qt's owner window, which Qt's own event handling
// answers, and tells the requestor when it is done.
void keepClipboardAfterExit()
{
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !onX11() || !QGuiApplication::clipboard()->ownsClipboard())
        return;
    xcb_connection_t* connection = x11->connection();
    const xcb_atom_t manager = atom(connection, "CLIPBOARD_MANAGER");
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, manager), nullptr);
    const bool managed = owner && owner->owner != XCB_NONE;
    free(owner);
    if (!managed)
        return;
    const xcb_window_t requestor = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, requestor, rootWindow(connection, 0), 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    QEventLoop wait;
    SaveNotice notice(requestor, &wait);
    qApp->installNativeEventFilter(&notice);
    // The property names the targets to save; a manager left to choose saves every one Qt offers,
    // a dozen image formats converted one by one, far past the bound.
    const xcb_atom_t saved = atom(connection, "_WELLENLEHRE_SAVED");
    const std::vector<xcb_atom_t> targets = targetsToSave(connection);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, saved, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(targets.size()), targets.data());
    xcb_convert_selection(connection, requestor, manager, atom(connection, "SAVE_TARGETS"), saved, XCB_CURRENT_TIME);
    xcb_flush(connection);
    QTimer::singleShot(handOverBound, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    qApp->removeNativeEventFilter(&notice);
    xcb_destroy_window(connection, requestor);
    xcb_flush(connection);
}

// On Wayland Qt draws the title bar itself, and only with the window's next picture.
void showNewTitle(QWidget* window)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        window->update();
}

Qt::WindowType formWindowType()
{
    return Qt::Window;
}

// The program writes the file to the folder chosen in its own dialog.
bool savesAsDownload()
{
    return false;
}

void download(const QByteArray&, const QString&) {}

} // namespace platform::windowsystem
