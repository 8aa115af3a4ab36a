#pragma once

#include <QProxyStyle>

namespace torvane::view {

// The program's own style, except for checkable menu items: nothing beside them until they are
// checked, and then a tick, even for the exclusive level items that some styles would give a
// radio dot.
class MenuCheckStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

} // namespace torvane::view
