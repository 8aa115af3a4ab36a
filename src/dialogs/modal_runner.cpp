#include "dialogs/modal_runner.h"

#include "dialogs/taskbar.h"

#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <utility>

namespace torvane::dialogs {

namespace {

// The dialog's native window is made here, before it is mapped, so that the request is in place
// when the window manager first sees it. (winId() makes the dialog's siblings, the main window's
// controls, native windows too unless Qt::AA_DontCreateNativeWidgetSiblings is set: main sets it.)
void keepOutOfTaskbar(QDialog& dialog) {
    dialogs::keepOutOfTaskbar(dialog.winId());
}

} // namespace

template <typename Run> auto ModalRunner::running(Run run) {
    ++shown_;
    struct Closed {
        ModalRunner& runner;
        ~Closed() {
            if (--runner.shown_ == 0) {
                for (const std::function<void()>& show : std::exchange(runner.waiting_, {})) {
                    runner.whenNoneShown(show);
                }
            }
        }
    } closed{*this};
    return run();
}

void ModalRunner::showModal(QDialog& dialog) {
    running([&] { runModal(dialog); });
}

QString ModalRunner::askText(const TextRequest& request) {
    return running([&] { return runAskText(request); });
}

void ModalRunner::whenNoneShown(std::function<void()> show) {
    if (shown_ > 0) {
        waiting_.push_back(std::move(show));
    } else {
        show();
    }
}

void WidgetModalRunner::runModal(QDialog& dialog) {
    keepOutOfTaskbar(dialog);
    dialog.exec();
}

QString WidgetModalRunner::runAskText(const TextRequest& request) {
    QInputDialog box(promptParent_, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                        Qt::WindowCloseButtonHint);
    box.setWindowTitle(request.title);
    box.setLabelText(request.prompt);
    box.setTextValue(request.preset);
    if (auto* line = box.findChild<QLineEdit*>()) {
        line->setMaxLength(request.maxLength);
    }
    box.setOkButtonText(request.acceptText);
    box.setCancelButtonText(request.cancelText);
    keepOutOfTaskbar(box);
    return box.exec() == QDialog::Accepted ? box.textValue().left(request.maxLength) : QString();
}

} // namespace torvane::dialogs
