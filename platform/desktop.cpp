// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "desktop.h"

#include <QGuiApplication>
#include <QScreen>

#include <xcb/xcb.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>
#include <vector>

namespace platform {
namespace {

// A window manager that answers at all answers within a few milliseconds; one that does not is
// waited for only this long, once per program.
constexpr std::chrono::milliseconds answerBound{300};

std::optional<QMargins>& knownMargins()
{
    static std::optional<QMargins> margins;
    return margins;
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

// Asks the window manager which frame it will put round a new window, before any window of ours
// is shown: a window sized from the screen then gets its size with the frame from the start, and
// its picture never has to follow a second size. A connection of its own keeps the answer out of
// the program's event queue.
QMargins askWindowManager()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    QMargins margins;
    if (!xcb_connection_has_error(connection)) {
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
            xcb_screen_next(&screens);
        const xcb_window_t root = screens.data->root;
        const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
        const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
        const std::vector<uint32_t> supported =
            cardinals(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
        if (std::find(supported.begin(), supported.end(), request) != supported.end()) {
            const xcb_window_t probe = xcb_generate_id(connection);
            const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
            xcb_create_window(connection, XCB_COPY_FROM_PARENT, probe, root, 0, 0, 1, 1, 0,
                              XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
            xcb_client_message_event_t message{};
            message.response_type = XCB_CLIENT_MESSAGE;
            message.format = 32;
            message.window = probe;
            message.type = request;
            xcb_send_event(connection, 0, root,
                           XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
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
            // The property holds left, right, top, bottom.
            if (answer.size() >= 4)
                margins = QMargins(int(answer[0]), int(answer[2]), int(answer[1]), int(answer[3]));
            xcb_destroy_window(connection, probe);
        }
    }
    xcb_disconnect(connection);
    return margins;
}

} // namespace

QMargins frameMargins()
{
    if (!knownMargins())
        knownMargins() = askWindowManager();
    return *knownMargins();
}

void rememberFrameMargins(const QMargins& margins)
{
    knownMargins() = margins;
}

QRect workArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
}

QRect placedInside(QRect outer, const QRect& area, bool mayShrink)
{
    if (mayShrink)
        outer.setSize(outer.size().boundedTo(area.size()));
    outer.moveLeft(std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width())));
    outer.moveTop(std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height())));
    return outer;
}

} // namespace platform
