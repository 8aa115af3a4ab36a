#include "dialogs/name_prompt.h"

#include "dialogs/modal_runner.h"
#include "store/best_times.h"

namespace torvane::dialogs {

QString NamePrompt::unnamedHolder() {
    return tr("无名菜鸟");
}

QString NamePrompt::ask(ModalRunner& modal) {
    const QString unnamed = unnamedHolder();
    // The buttons speak the game's language, not the toolkit's.
    const QString name = modal.askText({tr("恭喜，请输入您的大名："), tr("继续努力"), unnamed,
                                        static_cast<int>(store::BestTimes::maxCaptionLength),
                                        tr("确定"), tr("取消")});
    return name.isEmpty() ? unnamed : name;
}

} // namespace torvane::dialogs
