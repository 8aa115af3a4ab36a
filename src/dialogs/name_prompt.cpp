#include "dialogs/name_prompt.h"

#include "dialogs/modal_seam.h"
#include "store/best_times.h"

#include <QCoreApplication>

namespace torvane::dialogs {

QString unnamedRecordHolder() {
    return QCoreApplication::translate("torvane::dialogs::NamePrompt", "无名菜鸟");
}

QString askRecordHolderName(ModalRunner& modal) {
    const QString unnamed = unnamedRecordHolder();
    const QString name = modal.askName(
        QCoreApplication::translate("torvane::dialogs::NamePrompt", "恭喜，请输入您的大名："),
        QCoreApplication::translate("torvane::dialogs::NamePrompt", "继续努力"), unnamed,
        static_cast<int>(store::BestTimes::maxCaptionLength));
    return name.isEmpty() ? unnamed : name;
}

} // namespace torvane::dialogs
