#include "dialogs/dialog_icon.h"

#include <QPixmap>

// The resources of a static library are only linked in when something names them.
static void initDialogResources() {
    Q_INIT_RESOURCE(dialogs);
}

namespace torvane::dialogs {

QIcon mineIcon() {
    static const bool registered = (initDialogResources(), true);
    (void)registered;
    return QIcon(QPixmap(QStringLiteral(":/mine.xpm")));
}

} // namespace torvane::dialogs
