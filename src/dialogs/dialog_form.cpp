#include "dialogs/dialog_form.h"

#include "dialogs/dialog_icon.h"
#include "dialogs/twips.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace torvane::dialogs {

void setUpDialogForm(QDialog& dialog, QLatin1StringView objectName, const QString& caption,
                     int widthTwips, int heightTwips) {
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(caption);
    dialog.setWindowIcon(mineIcon());
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog.setModal(true);
    dialog.setFixedSize(pixels(widthTwips), pixels(heightTwips));
}

void widenToFit(QLabel& caption, int right) {
    const int needed = caption.sizeHint().width();
    if (needed > caption.width()) {
        caption.resize(std::min(needed, right - caption.x()), caption.height());
    }
}

namespace {

// How many pixels a control lacks to show its caption whole.
int shortfall(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->sizeHint().width() - label->width();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        // The text with the style's margins; the style's minimum width is more than the design's.
        const QStyle* style = button->style();
        const int padding = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                            style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const int text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
        return text + 2 * padding - button->width();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
        return box->minimumSizeHint().width() - box->width();
    }
    return 0;
}

} // namespace

void widenColumn(QWidget& control, int extra) {
    QWidget* parent = control.parentWidget();
    const QRect old = control.geometry();
    for (QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect rect = sibling->geometry();
        const bool sameColumn = rect.x() == old.x() && rect.width() == old.width() &&
                                sibling->metaObject() == control.metaObject();
        if (sameColumn) {
            sibling->resize(rect.width() + extra, rect.height());
        } else if (rect.x() > old.x() && rect.right() >= old.right()) {
            sibling->move(rect.x() + extra, rect.y());
        }
    }
    if (parent->isWindow()) {
        parent->setFixedSize(parent->width() + extra, parent->height());
    } else {
        widenColumn(*parent, extra);
    }
}

void makeRoomForCaptions(QDialog& dialog) {
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (const int extra = shortfall(*control); extra > 0) {
            widenColumn(*control, extra);
        }
    }
}

} // namespace torvane::dialogs
