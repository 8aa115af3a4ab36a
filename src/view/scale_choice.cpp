#include "view/scale_choice.h"

#include "view/field_view.h"
#include "view/hex_layout.h"
#include "view/main_window.h"
#include "view/x_monitors.h"

#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace torvane::view {

namespace {

constexpr double standardDpi = 96;
// The field and its margins are known; the menu bar's height follows its font, and the window
// manager's frame (here at 100%) grows with the desktop's scale: allowances for both.
constexpr int menuBarHeight = 32;
constexpr QSize frameAtSingleScale(16, 48);

QSize biggestWindow() {
    const QSize field = fieldPixelSize(30, 30).grownBy(
        QMargins(FieldView::border, FieldView::border, FieldView::border, FieldView::border));
    return {MainWindow::marginLeft + field.width() + MainWindow::marginRight,
            menuBarHeight + MainWindow::marginTop + field.height() + MainWindow::marginBottom};
}

// Whether the toolkit will draw through X11: chosen so, or left to choose outside a Wayland
// session (where the factors read from the X server would apply to the wrong screens).
bool willUseX11() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty()) {
        return platform.startsWith("xcb");
    }
    return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           qgetenv("XDG_SESSION_TYPE") != QByteArrayLiteral("wayland");
}

} // namespace

namespace {

double desktopScaleOf(double logicalDpi) {
    return logicalDpi > 0 ? logicalDpi / standardDpi : 1.0;
}

} // namespace

QSize framedBiggestWindow(int factor, double logicalDpi) {
    return biggestWindow() * factor + frameAtSingleScale * desktopScaleOf(logicalDpi);
}

int wholeScaleFactor(QSize available, double logicalDpi) {
    const double desktopScale = desktopScaleOf(logicalDpi);
    const double whole = std::floor(desktopScale);
    int factor = std::max(1, static_cast<int>(desktopScale - whole > 0.5 ? whole + 1 : whole));
    while (factor > 1) {
        const QSize window = framedBiggestWindow(factor, logicalDpi);
        if (window.width() <= available.width() && window.height() <= available.height()) {
            break;
        }
        --factor;
    }
    return factor;
}

int toolkitScaleFactor(double logicalDpi) {
    const double desktopScale = desktopScaleOf(logicalDpi);
    const double whole = std::floor(desktopScale);
    return std::max(1, static_cast<int>(desktopScale - whole >= 0.75 ? whole + 1 : whole));
}

void chooseWholeScaleFactors() {
    // For any screen left to the toolkit, such as one plugged in later: 1.5 gives 1 there too.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
    for (const char* own : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                            "QT_ENABLE_HIGHDPI_SCALING", "QT_USE_PHYSICAL_DPI"}) {
        if (qEnvironmentVariableIsSet(own)) {
            return;
        }
    }
    if (!willUseX11()) {
        return;
    }
    const std::optional<XMonitors> x = readXMonitors();
    if (!x || x->monitors.empty()) {
        return;
    }
    const double dpi = x->dpi > 0 ? x->dpi : standardDpi;
    QStringList factors;
    bool allSingle = true;
    for (const XMonitor& monitor : x->monitors) {
        const int factor = wholeScaleFactor(monitor.available.size(), dpi);
        allSingle = allSingle && factor == 1;
        factors << QStringLiteral("%1=%2").arg(monitor.name).arg(factor);
    }
    if (!allSingle) {
        qputenv("QT_SCREEN_SCALE_FACTORS", factors.join(u';').toUtf8());
        return;
    }
    // The toolkit ignores screen factors that are all 1 and rounds the desktop's scale itself
    // (up from .75, the same for every X monitor): a global factor undoes its rounding.
    if (const int toolkits = toolkitScaleFactor(dpi); toolkits > 1) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(1.0 / toolkits, 'g', 17));
    }
}

} // namespace torvane::view
