// The floor for start-up time and memory: a plain Qt window of the game's shape,
// with none of the game.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("游戏(&G)"));
    for (const QString& caption :
         {QStringLiteral("新游戏(&N)"), QStringLiteral("新手"), QStringLiteral("中级玩家"),
          QStringLiteral("专业玩家"), QStringLiteral("自定义难度"), QStringLiteral("成绩榜"),
          QStringLiteral("退出(&X)")}) {
        menu->addAction(caption);
    }

    auto* client = new QWidget;
    window.setCentralWidget(client);
    auto* left = new QLabel(QStringLiteral("0"), client);
    left->setGeometry(16, 2, 36, 24);
    auto* button = new QPushButton(client);
    button->setGeometry(145, 0, 28, 28);
    auto* right = new QLabel(QStringLiteral("0"), client);
    right->setGeometry(267, 2, 36, 24);
    auto* field = new QWidget(client);
    field->setGeometry(8, 29, 302, 284);
    client->setFixedSize(317, 321);

    window.show();
    return app.exec();
}
