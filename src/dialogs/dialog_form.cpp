#include "dialogs/dialog_form.h"

#include "dialogs/dialog_icon.h"
#include "dialogs/twips.h"

#include <QDialog>
#include <QLabel>
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

} // namespace torvane::dialogs
