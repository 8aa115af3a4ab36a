#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("Torvane: the window is not built yet."));
    placeholder.setWindowTitle(QStringLiteral("Torvane"));
    placeholder.show();
    return app.exec();
}
