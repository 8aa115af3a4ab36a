#include "view/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    torvane::view::MainWindow window;
    window.Game().showMinesLeft = true;
    window.menuLevel_Click(1);
    window.show();
    return app.exec();
}
