#include <QApplication>
#include <gtest/gtest.h>

// Widgets need an application object. Test discovery runs this program outside CTest's
// environment, so default to the offscreen platform unless one is chosen.
namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says so on every fixed-size window; nothing to see.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(u"does not support propagateSizeHints")) {
        defaultHandler(type, context, text);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    defaultHandler = qInstallMessageHandler(QuietOffscreenNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
