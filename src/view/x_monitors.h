#pragma once

#include <QRect>
#include <QString>
#include <optional>
#include <vector>

namespace torvane::view {

struct XMonitor {
    QString name;
    QRect available; // in the X screen's pixels, less the desktop's panels where it says so
};

struct XMonitors {
    int dpi = 0; // the desktop's Xft.dpi, 0 when it sets none
    std::vector<XMonitor> monitors;
};

// The X display's RandR monitors and its Xft.dpi, read on a connection of our own before the
// toolkit has one; nothing without an X display or without RandR 1.5.
std::optional<XMonitors> readXMonitors();

} // namespace torvane::view
