#include "dialogs/modal_seam.h"

#include "platform/taskbar.h"

#include <QCoreApplication>
#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>

namespace torvane::dialogs {

namespace {

// The dialog's native window is made here, before it is mapped, so that the request is in place
// when the window manager first sees it. (winId() makes the dialog's siblings, the main window's
// controls, native windows too unless Qt::AA_DontCreateNativeWidgetSiblings is set: main sets it.)
void keepOutOfTaskbar(QDialog& dialog) {
    platform::keepOutOfTaskbar(dialog.winId());
}

} // namespace

void WidgetModalRunner::showModal(QDialog& dialog) {
    keepOutOfTaskbar(dialog);
    dialog.exec();
}

QString WidgetModalRunner::askName(const QString& prompt, const QString& title,
                                   const QString& preset, int maxLength) {
    QInputDialog box(promptParent_, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                        Qt::WindowCloseButtonHint);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(preset);
    if (auto* line = box.findChild<QLineEdit*>()) {
        line->setMaxLength(maxLength);
    }
    // The prompt's buttons speak the game's language, not the toolkit's.
    box.setOkButtonText(QCoreApplication::translate("torvane::dialogs::NamePrompt", "确定"));
    box.setCancelButtonText(QCoreApplication::translate("torvane::dialogs::NamePrompt", "取消"));
    keepOutOfTaskbar(box);
    return box.exec() == QDialog::Accepted ? box.textValue().left(maxLength) : QString();
}

} // namespace torvane::dialogs
