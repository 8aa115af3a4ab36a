#include "platform/control_names.h"
#include "view/main_window.h"
#include "view/menu_check_style.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace torvane::view {

void MainWindow::buildMenu() {
    QMenu* menu = menuBar()->addMenu(tr("游戏(&G)"));
    menu->setObjectName(controlName::gameMenu);
    auto* style = new MenuCheckStyle;
    style->setParent(menu);
    menu->setStyle(style);
    auto add = [menu](QLatin1StringView name, const QString& caption) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(name);
        return item;
    };
    auto separator = [menu](QLatin1StringView name) { menu->addSeparator()->setObjectName(name); };

    QAction* newGame = add(controlName::newGameItem, tr("新游戏(&N)"));
    newGame->setShortcut(Qt::Key_F2);
    connect(newGame, &QAction::triggered, this, &MainWindow::newGameRequested);
    separator(controlName::separatorAfterNewGame);

    // One tick, on the current level.
    levelItems_ = new QActionGroup(this);
    levelItems_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    const QString presets[] = {tr("新手"), tr("中级玩家"), tr("专业玩家")};
    for (int level = 0; level < game::presetLevelCount; ++level) {
        QAction* item = add({}, presets[level]);
        item->setObjectName(controlName::indexed(controlName::levelItem, level));
        item->setData(level);
        levelItems_->addAction(item);
    }
    QAction* custom = add(controlName::customItem, tr("自定义难度"));
    custom->setData(game::Custom);
    levelItems_->addAction(custom);
    for (QAction* item : levelItems_->actions()) {
        item->setCheckable(true);
    }
    connect(levelItems_, &QActionGroup::triggered, this, [this](QAction* item) {
        const auto level = static_cast<game::Level>(item->data().toInt());
        if (level == game::Custom) {
            emit customLevelRequested(); // its size first
        } else {
            emit levelChosen(level);
        }
    });
    separator(controlName::separatorAfterLevels);
    connect(add(controlName::bestTimesItem, tr("成绩榜")), &QAction::triggered, this,
            &MainWindow::bestTimesRequested);
    separator(controlName::separatorAfterBestTimes);
    connect(add(controlName::exitItem, tr("退出(&X)")), &QAction::triggered, this, &QWidget::close);

    // F10 opens the menu bar on GNOME and KDE; players bring the habit.
    auto* openMenu = new QAction(this);
    openMenu->setShortcut(Qt::Key_F10);
    addAction(openMenu);
    connect(openMenu, &QAction::triggered, this,
            [this, menu] { menuBar()->setActiveAction(menu->menuAction()); });
}

} // namespace torvane::view
