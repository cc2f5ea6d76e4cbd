#include "WindowFrame.h"

#include <QGuiApplication>
#include <QWindow>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <thread>
#include <vector>
#endif

namespace mrv::ui {

#if QT_CONFIG(xcb)
namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

// Takes a reply, or its error: errors are dropped here rather than left to
// reach the toolkit's event queue, which would report them.
template <typename T, typename Cookie>
Reply<T> reply(xcb_connection_t* c, T* (*read)(xcb_connection_t*, Cookie, xcb_generic_error_t**),
               Cookie cookie)
{
    xcb_generic_error_t* error = nullptr;
    Reply<T> answer(read(c, cookie, &error));
    std::free(error);
    return answer;
}

struct Atoms {
    xcb_atom_t supported = XCB_ATOM_NONE;
    xcb_atom_t supportingWmCheck = XCB_ATOM_NONE;
    xcb_atom_t requestFrameExtents = XCB_ATOM_NONE;
    xcb_atom_t frameExtents = XCB_ATOM_NONE;
};

Atoms internAtoms(xcb_connection_t* c)
{
    const char* names[] = {"_NET_SUPPORTED", "_NET_SUPPORTING_WM_CHECK", "_NET_REQUEST_FRAME_EXTENTS",
                           "_NET_FRAME_EXTENTS"};
    xcb_intern_atom_cookie_t cookies[std::size(names)];
    for (std::size_t i = 0; i < std::size(names); ++i)
        cookies[i] = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(names[i])), names[i]);
    xcb_atom_t atoms[std::size(names)];
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const auto answer = reply(c, xcb_intern_atom_reply, cookies[i]);
        atoms[i] = answer ? answer->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return {atoms[0], atoms[1], atoms[2], atoms[3]};
}

// A property made of 32-bit items; empty when the window or the property
// does not exist or has another type.
std::vector<uint32_t> property32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                                 xcb_atom_t type, uint32_t maxItems)
{
    const auto answer =
        reply(c, xcb_get_property_reply, xcb_get_property(c, 0, window, property, type, 0, maxItems));
    if (!answer || answer->type != type || answer->format != 32)
        return {};
    const auto* items = static_cast<const uint32_t*>(xcb_get_property_value(answer.get()));
    return {items, items + xcb_get_property_value_length(answer.get()) / 4};
}

// A running window manager names a check window that names itself; a stale
// property left by one that ended names a window that is gone.
bool windowManagerCanTell(xcb_connection_t* c, xcb_window_t root, const Atoms& atoms)
{
    const auto check = property32(c, root, atoms.supportingWmCheck, XCB_ATOM_WINDOW, 1);
    if (check.empty() || property32(c, check[0], atoms.supportingWmCheck, XCB_ATOM_WINDOW, 1) != check)
        return false;
    const auto supported = property32(c, root, atoms.supported, XCB_ATOM_ATOM, 1024);
    return std::find(supported.begin(), supported.end(), atoms.requestFrameExtents) != supported.end();
}

} // namespace
#endif

QMargins frameFromWindowManager(QWindow* window)
{
#if QT_CONFIG(xcb)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!window || !x11 || !window->handle())
        return {};
    xcb_connection_t* c = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());

    const auto geometry = reply(c, xcb_get_geometry_reply, xcb_get_geometry(c, id));
    if (!geometry)
        return {};
    const xcb_window_t root = geometry->root;
    const Atoms atoms = internAtoms(c);
    if (atoms.frameExtents == XCB_ATOM_NONE || !windowManagerCanTell(c, root, atoms))
        return {};

    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = atoms.requestFrameExtents;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(c);

    // The window manager sets the property when it gets to the request,
    // normally within a millisecond; past the limit the caller falls back.
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(250);
    std::vector<uint32_t> extents; // left, right, top, bottom
    while ((extents = property32(c, id, atoms.frameExtents, XCB_ATOM_CARDINAL, 4)).size() != 4) {
        if (Clock::now() >= deadline)
            return {};
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    // The window manager counts device pixels.
    const qreal ratio = window->devicePixelRatio();
    const auto logical = [ratio](uint32_t v) { return static_cast<int>(std::lround(v / ratio)); };
    return {logical(extents[0]), logical(extents[2]), logical(extents[1]), logical(extents[3])};
#else
    (void)window;
    return {};
#endif
}

} // namespace mrv::ui
