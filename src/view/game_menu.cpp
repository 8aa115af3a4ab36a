#include "view/main_window.h"
#include "view/menu_style.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace torvane::view {

void MainWindow::BuildMenu() {
    QMenu* menu = menuBar()->addMenu(tr("游戏(&G)"));
    menu->setObjectName(QStringLiteral("menuGame"));
    auto* style = new MenuCheckStyle;
    style->setParent(menu);
    menu->setStyle(style);
    auto add = [menu](const char* name, const QString& caption) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };
    auto separator = [menu](const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QAction* newGame = add("menuNew", tr("新游戏(&N)"));
    newGame->setShortcut(Qt::Key_F2);
    connect(newGame, &QAction::triggered, this, &MainWindow::onNewGame);
    separator("menusep0");
    const QString levels[] = {tr("新手"), tr("中级玩家"), tr("专业玩家")};
    for (std::int16_t i = 0; i < game::presetLevelCount; ++i) {
        QAction* item = add("", levels[i]);
        item->setObjectName(QStringLiteral("menuLevel_%1").arg(i));
        connect(item, &QAction::triggered, this, [this, i] { selectLevel(i); });
        levelItems_[static_cast<std::size_t>(i)] = item;
    }
    QAction* custom = add("menuCustom", tr("自定义难度"));
    connect(custom, &QAction::triggered, this, &MainWindow::onCustomLevel);
    levelItems_[game::Custom] = custom;
    for (QAction* item : levelItems_) {
        item->setCheckable(true);
    }
    separator("menusep1");
    connect(add("menuBest", tr("成绩榜")), &QAction::triggered, this, &MainWindow::onBestTimes);
    separator("menusep2");
    connect(add("menuExit", tr("退出(&X)")), &QAction::triggered, this, &QWidget::close);
}

} // namespace torvane::view
