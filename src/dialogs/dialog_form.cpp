#include "dialogs/dialog_form.h"

#include "dialogs/dialog_icon.h"
#include "dialogs/twips.h"

#include <QDialog>
#include <QLabel>
#include <algorithm>

namespace torvane::dialogs {

void SetUpDialogForm(QDialog& dialog, const char* objectName, const QString& caption,
                     int widthTwips, int heightTwips) {
    dialog.setObjectName(QLatin1String(objectName));
    dialog.setWindowTitle(caption);
    dialog.setWindowIcon(MineIcon());
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog.setModal(true);
    dialog.setFixedSize(Pixels(widthTwips), Pixels(heightTwips));
}

void WidenToFit(QLabel& caption, int right) {
    const int needed = caption.sizeHint().width();
    if (needed > caption.width()) {
        caption.resize(std::min(needed, right - caption.x()), caption.height());
    }
}

QString IndexedName(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

} // namespace torvane::dialogs
