#include "dialogs/taskbar.h"

#include <QGuiApplication>
#include <array>
#include <cstdlib>
#include <memory>
#include <string_view>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace torvane::dialogs {

void keepOutOfTaskbar([[maybe_unused]] WId window) {
#if QT_CONFIG(xcb)
    // The offscreen platform answers for X11 too, with no connection of its own.
    if (qGuiApp == nullptr || QGuiApplication::platformName() != QLatin1String("xcb")) {
        return;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return;
    }
    constexpr std::array<std::string_view, 2> names{"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"};
    std::array<xcb_intern_atom_cookie_t, 2> cookies{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        cookies[i] = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(names[i].size()),
                                     names[i].data());
    }
    std::array<xcb_atom_t, 2> atoms{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(connection, cookies[i], nullptr), &std::free);
        if (reply == nullptr) {
            return;
        }
        atoms[i] = reply->atom;
    }
    // Qt has no flag for this state, but when it maps a window it adds its own states (modal)
    // to the ones the window already carries, so the state set here survives the showing.
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window),
                        atoms[0], XCB_ATOM_ATOM, 32, 1, &atoms[1]);
#endif
}

} // namespace torvane::dialogs
