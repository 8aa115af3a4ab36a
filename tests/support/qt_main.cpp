#include <QApplication>
#include <gtest/gtest.h>

// Widgets need an application object. Test discovery runs this program outside CTest's
// environment, so default to the offscreen platform unless one is chosen.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
