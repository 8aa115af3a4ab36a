#include "dialogs/modal_seam.h"

#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>

namespace torvane::dialogs {

void WidgetModalRunner::ShowModal(QDialog& dialog) {
    dialog.exec();
}

QString WidgetModalRunner::AskName(const QString& prompt, const QString& title,
                                   const QString& preset) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(promptParent, title, prompt, QLineEdit::Normal, preset, &accepted);
    return accepted ? answer : QString();
}

} // namespace torvane::dialogs
