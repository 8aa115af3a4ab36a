#include "dialogs/modal_seam.h"

#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>

namespace torvane::dialogs {

void WidgetModalRunner::ShowModal(QDialog& dialog) {
    dialog.exec();
}

QString WidgetModalRunner::AskName(const QString& prompt, const QString& title,
                                   const QString& preset, int maxLength) {
    QInputDialog box(promptParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                       Qt::WindowCloseButtonHint);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(preset);
    if (auto* line = box.findChild<QLineEdit*>()) {
        line->setMaxLength(maxLength);
    }
    // The rest of the game speaks Chinese; so do the prompt's buttons.
    box.setOkButtonText(QStringLiteral("确定"));
    box.setCancelButtonText(QStringLiteral("取消"));
    return box.exec() == QDialog::Accepted ? box.textValue().left(maxLength) : QString();
}

} // namespace torvane::dialogs
