// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// A clipboard manager as a desktop has one, for the end-to-end test that a copied picture
// outlives the program: it owns CLIPBOARD_MANAGER and answers SAVE_TARGETS (the freedesktop
// clipboard manager protocol) by fetching TARGETS and image/png from the CLIPBOARD owner; once
// that owner is gone it owns CLIPBOARD itself and serves what it kept. Prints "ready" once it
// owns CLIPBOARD_MANAGER, and runs until it is killed.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

Display* display;
Window own;
Atom clipboard, manager, saveTargets, targets, png, incr, transfer, nullAtom;

// Waits, bounded, for an event of this type on our window; other events wait their turn.
bool waitFor(int type, XEvent& event, std::chrono::milliseconds bound = std::chrono::milliseconds(2000))
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!XCheckTypedWindowEvent(display, own, type, &event)) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, int(left.count()));
    }
    return true;
}

// Takes the property off our window, whole.
bool takeProperty(Atom& type, std::string& data)
{
    Atom actualType = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* value = nullptr;
    if (XGetWindowProperty(display, own, transfer, 0, 0x7fffffff, True, AnyPropertyType, &actualType, &format, &items,
                           &after, &value)
        != Success)
        return false;
    type = actualType;
    const std::size_t unit = format == 32 ? sizeof(long) : std::size_t(format / 8);
    data.assign(reinterpret_cast<char*>(value), items * unit);
    XFree(value);
    return true;
}

// One target of the CLIPBOARD owner's content, by INCR too when the owner sends it in parts.
bool fetch(Atom target, std::string& data)
{
    XConvertSelection(display, clipboard, target, transfer, own, CurrentTime);
    XEvent event;
    if (!waitFor(SelectionNotify, event) || event.xselection.property == None)
        return false;
    Atom type = None;
    if (!takeProperty(type, data))
        return false;
    if (type != incr)
        return true;
    data.clear();
    // The deletion asked for the first part; each part comes as a new value, an empty one ends it.
    for (;;) {
        if (!waitFor(PropertyNotify, event))
            return false;
        if (event.xproperty.atom != transfer || event.xproperty.state != PropertyNewValue)
            continue;
        std::string part;
        if (!takeProperty(type, part))
            return false;
        if (part.empty())
            return true;
        data += part;
    }
}

std::vector<Atom> namedTargets(Window requestor, Atom property)
{
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* value = nullptr;
    if (property == None
        || XGetWindowProperty(display, requestor, property, 0, 1024, False, XA_ATOM, &type, &format, &items, &after,
                              &value)
            != Success)
        return {};
    std::vector<Atom> named;
    if (type == XA_ATOM && format == 32)
        named.assign(reinterpret_cast<const Atom*>(value), reinterpret_cast<const Atom*>(value) + items);
    XFree(value);
    return named;
}

// Every target of the owner's, less those that describe the selection rather than hold it.
std::vector<Atom> offeredTargets()
{
    std::string offered;
    if (!fetch(targets, offered))
        return {};
    std::vector<Atom> content;
    const auto* atoms = reinterpret_cast<const Atom*>(offered.data());
    for (const Atom target : std::vector<Atom>(atoms, atoms + offered.size() / sizeof(Atom))) {
        if (target != targets && target != saveTargets && target != XInternAtom(display, "MULTIPLE", False)
            && target != XInternAtom(display, "TIMESTAMP", False))
            content.push_back(target);
    }
    return content;
}

void notify(const XSelectionRequestEvent& request, Atom property)
{
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.requestor = request.requestor;
    reply.xselection.selection = request.selection;
    reply.xselection.target = request.target;
    reply.xselection.property = property;
    reply.xselection.time = request.time;
    XSendEvent(display, request.requestor, False, NoEventMask, &reply);
}

} // namespace

int main()
{
    display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "clipboard_manager: no display\n");
        return 1;
    }
    own = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(display, own, PropertyChangeMask);
    clipboard = XInternAtom(display, "CLIPBOARD", False);
    manager = XInternAtom(display, "CLIPBOARD_MANAGER", False);
    saveTargets = XInternAtom(display, "SAVE_TARGETS", False);
    targets = XInternAtom(display, "TARGETS", False);
    png = XInternAtom(display, "image/png", False);
    incr = XInternAtom(display, "INCR", False);
    transfer = XInternAtom(display, "CLIPBOARD_MANAGER_TRANSFER", False);
    nullAtom = XInternAtom(display, "NULL", False);
    XSetSelectionOwner(display, manager, own, CurrentTime);
    if (XGetSelectionOwner(display, manager) != own) {
        std::fprintf(stderr, "clipboard_manager: another clipboard manager runs\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    std::string kept; // the picture, empty while nothing is kept
    bool owning = false;
    for (;;) {
        // The saved content is served once its owner has gone, as the protocol has it.
        if (!kept.empty() && !owning && XGetSelectionOwner(display, clipboard) == None) {
            XSetSelectionOwner(display, clipboard, own, CurrentTime);
            owning = XGetSelectionOwner(display, clipboard) == own;
        }
        if (!XPending(display)) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 10);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == SelectionClear && event.xselectionclear.selection == clipboard) {
            // Someone copied anew: what was kept is no longer the clipboard's.
            owning = false;
            kept.clear();
            continue;
        }
        if (event.type != SelectionRequest)
            continue;
        const XSelectionRequestEvent request = event.xselectionrequest;
        const Atom property = request.property == None ? request.target : request.property;
        if (request.selection == manager && request.target == saveTargets) {
            // As the protocol has it: the targets named in the requestor's property, or every
            // target the owner offers where none are named.
            std::vector<Atom> wanted = namedTargets(request.requestor, request.property);
            if (wanted.empty())
                wanted = offeredTargets();
            std::string picture;
            bool saved = false;
            for (const Atom target : wanted) {
                std::string data;
                if (fetch(target, data) && target == png && !data.empty()) {
                    picture = data;
                    saved = true;
                }
            }
            if (saved) {
                kept = picture;
                owning = false;
                XChangeProperty(display, request.requestor, property, nullAtom, 32, PropModeReplace, nullptr, 0);
            }
            notify(request, saved ? property : None);
        } else if (request.selection == clipboard && owning && request.target == targets) {
            const Atom offered[] = {targets, png};
            XChangeProperty(display, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(offered), 2);
            notify(request, property);
        } else if (request.selection == clipboard && owning && request.target == png) {
            // A window's picture fits in one request; no INCR needed to serve it.
            XChangeProperty(display, request.requestor, property, png, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(kept.data()), int(kept.size()));
            notify(request, property);
        } else {
            notify(request, None);
        }
        XFlush(display);
    }
}
