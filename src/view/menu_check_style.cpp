#include "view/menu_check_style.h"

#include <QStyleOptionMenuItem>

namespace torvane::view {

void MenuCheckStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuItem && item != nullptr &&
        item->checkType != QStyleOptionMenuItem::NotCheckable) {
        QStyleOptionMenuItem shown(*item);
        shown.checkType =
            item->checked ? QStyleOptionMenuItem::NonExclusive : QStyleOptionMenuItem::NotCheckable;
        QProxyStyle::drawControl(element, &shown, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

} // namespace torvane::view
