#include "view/main_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace torvane::view {

void MainWindow::BuildMenu() {
    menuGame_ = menuBar()->addMenu(QStringLiteral("游戏(&G)"));
    menuGame_->setObjectName(QStringLiteral("menuGame"));
    auto add = [this](const char* name, const QString& caption) {
        QAction* item = menuGame_->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };
    auto separator = [this](const char* name) {
        menuGame_->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QAction* menuNew = add("menuNew", QStringLiteral("新游戏(&N)"));
    menuNew->setShortcut(Qt::Key_F2);
    connect(menuNew, &QAction::triggered, this, &MainWindow::menuNew_Click);
    separator("menusep0");
    const QString levels[] = {QStringLiteral("新手"), QStringLiteral("中级玩家"),
                              QStringLiteral("专业玩家")};
    for (std::int16_t i = 0; i < 3; ++i) {
        QAction* item = add("", levels[i]);
        item->setObjectName(QStringLiteral("menuLevel_%1").arg(i));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { menuLevel_Click(i); });
        menuLevel_[static_cast<std::size_t>(i)] = item;
    }
    menuCustom_ = add("menuCustom", QStringLiteral("自定义难度"));
    menuCustom_->setCheckable(true);
    connect(menuCustom_, &QAction::triggered, this, &MainWindow::menuCustom_Click);
    separator("menusep1");
    connect(add("menuBest", QStringLiteral("成绩榜")), &QAction::triggered, this,
            &MainWindow::menuBest_Click);
    separator("menusep2");
    connect(add("menuExit", QStringLiteral("退出(&X)")), &QAction::triggered, this,
            &MainWindow::menuExit_Click);
}

} // namespace torvane::view
