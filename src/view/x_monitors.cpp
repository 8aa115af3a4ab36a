#include "view/x_monitors.h"

#include <QByteArray>
#include <QList>
#include <QtGui/qtguiglobal.h>
#include <cstdlib>
#include <memory>

#if QT_CONFIG(xcb)
#include <xcb/randr.h>
#include <xcb/xcb.h>
#endif

namespace torvane::view {

#if QT_CONFIG(xcb)

namespace {

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPointer<Reply> owned(Reply* reply) {
    return ReplyPointer<Reply>(reply, &std::free);
}

ReplyPointer<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t root,
                                                xcb_atom_t name, xcb_atom_t type) {
    return owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, name, type, 0, 1 << 16), nullptr));
}

// The Xft.dpi line of the resources the desktop keeps on the root window.
int xftDpi(xcb_connection_t* connection, xcb_window_t root) {
    const auto resources = property(connection, root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING);
    if (resources == nullptr) {
        return 0;
    }
    const QByteArray text(static_cast<const char*>(xcb_get_property_value(resources.get())),
                          xcb_get_property_value_length(resources.get()));
    for (const QByteArray& line : text.split('\n')) {
        if (line.startsWith("Xft.dpi:")) {
            bool ok = false;
            const double dpi = line.mid(8).trimmed().toDouble(&ok);
            return ok && dpi > 0 && dpi < 10000 ? static_cast<int>(dpi) : 0;
        }
    }
    return 0;
}

// The work area of the first desktop, the screen less its panels; empty when the window manager
// says nothing of it.
QRect workArea(xcb_connection_t* connection, xcb_window_t root) {
    constexpr char name[] = "_NET_WORKAREA";
    const auto atom = owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr));
    if (atom == nullptr || atom->atom == XCB_ATOM_NONE) {
        return {};
    }
    const auto area = property(connection, root, atom->atom, XCB_ATOM_CARDINAL);
    if (area == nullptr || area->format != 32 || xcb_get_property_value_length(area.get()) < 16) {
        return {};
    }
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(area.get()));
    return QRect(static_cast<int>(values[0]), static_cast<int>(values[1]),
                 static_cast<int>(values[2]), static_cast<int>(values[3]));
}

} // namespace

std::optional<XMonitors> readXMonitors() {
    int screenNumber = 0;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, &screenNumber), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()) != 0) {
        return std::nullopt;
    }
    xcb_connection_t* x = connection.get();
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    if (screens.rem == 0) {
        return std::nullopt;
    }
    const xcb_window_t root = screens.data->root;
    const auto version =
        owned(xcb_randr_query_version_reply(x, xcb_randr_query_version(x, 1, 5), nullptr));
    if (version == nullptr || version->major_version < 1 ||
        (version->major_version == 1 && version->minor_version < 5)) {
        return std::nullopt;
    }
    const auto reply =
        owned(xcb_randr_get_monitors_reply(x, xcb_randr_get_monitors(x, root, 1), nullptr));
    if (reply == nullptr) {
        return std::nullopt;
    }
    XMonitors result;
    result.dpi = xftDpi(x, root);
    const QRect work = workArea(x, root);
    for (auto it = xcb_randr_get_monitors_monitors_iterator(reply.get()); it.rem > 0;
         xcb_randr_monitor_info_next(&it)) {
        const auto name =
            owned(xcb_get_atom_name_reply(x, xcb_get_atom_name(x, it.data->name), nullptr));
        if (name == nullptr) {
            continue;
        }
        const QRect monitor(it.data->x, it.data->y, it.data->width, it.data->height);
        const QRect available = work.isEmpty() ? monitor : monitor & work;
        result.monitors.push_back({QString::fromUtf8(xcb_get_atom_name_name(name.get()),
                                                     xcb_get_atom_name_name_length(name.get())),
                                   available.isEmpty() ? monitor : available});
    }
    return result;
}

#else

std::optional<XMonitors> readXMonitors() {
    return std::nullopt;
}

#endif

} // namespace torvane::view
