#pragma once

#include <QProxyStyle>

namespace torvane::view {

// The program's own style, except that a checkable menu item shows nothing beside it until
// it is checked: the level items carry one tick, for the current level, and no empty boxes.
class MenuCheckStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

} // namespace torvane::view
