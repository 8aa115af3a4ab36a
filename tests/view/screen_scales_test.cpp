#include "app/testing/testing_program.h"

#include <QDialog>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

namespace torvane::view {
namespace {

using app::testing::TestingProgram;

QString screenNames() {
    QStringList names;
    for (const QScreen* screen : QGuiApplication::screens()) {
        names << screen->name();
    }
    return names.join(u' ');
}

QScreen* screenNamed(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == name) {
            return screen;
        }
    }
    return nullptr;
}

// Moves the window as the window manager does when the player drags it, at a point in the X
// screen's pixels: the toolkit learns of it afterwards.
void dragTo(QWidget& window, QPoint pixel) {
    const int status = QProcess::execute(
        QStringLiteral("xdotool"), {QStringLiteral("windowmove"), QString::number(window.winId()),
                                    QString::number(pixel.x()), QString::number(pixel.y())});
    ASSERT_EQ(status, 0) << "xdotool windowmove";
}

// The top-left pixel of a window's client area in the X screen's pixels, as the X server has it.
QPoint clientCorner(QWidget& window) {
    QProcess info;
    info.start(QStringLiteral("xwininfo"),
               {QStringLiteral("-id"), QString::number(window.winId())});
    info.waitForFinished();
    QPoint corner;
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split(u'\n')) {
        const QString value = line.section(u':', 1).trimmed();
        if (line.contains(QStringLiteral("Absolute upper-left X"))) {
            corner.setX(value.toInt());
        } else if (line.contains(QStringLiteral("Absolute upper-left Y"))) {
            corner.setY(value.toInt());
        }
    }
    return corner;
}

// The size of a window's client area in the X screen's pixels, as the X server has it.
QSize xSize(QWidget& window) {
    QProcess info;
    info.start(QStringLiteral("xwininfo"),
               {QStringLiteral("-id"), QString::number(window.winId())});
    info.waitForFinished();
    QSize size;
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split(u'\n')) {
        const QString value = line.section(u':', 1).trimmed();
        if (line.trimmed().startsWith(QStringLiteral("Width:"))) {
            size.setWidth(value.toInt());
        } else if (line.trimmed().startsWith(QStringLiteral("Height:"))) {
            size.setHeight(value.toInt());
        }
    }
    return size;
}

// Whether the window, whose size is fixed, has that size in the window system too: on a screen of
// another scale the toolkit alone keeps the old device pixels and shrinks or grows the window's
// logical size to match, so that a fraction of the content shows, or the content in a corner.
// The X server has the last word: a window manager holds a window to the size limits it was
// given, whatever the toolkit asks for.
bool holdsItsContent(QWidget& window) {
    return window.windowHandle() != nullptr && window.size() == window.minimumSize() &&
           window.windowHandle()->size() == window.minimumSize() &&
           xSize(window) == window.minimumSize() * window.devicePixelRatio();
}

QString sizes(QWidget& window) {
    const QSize x = xSize(window);
    return QStringLiteral("%1x%2 in the window system, %3x%4 on the X server, %5x%6 fixed")
        .arg(window.windowHandle()->width())
        .arg(window.windowHandle()->height())
        .arg(x.width())
        .arg(x.height())
        .arg(window.minimumWidth())
        .arg(window.minimumHeight());
}

// Two monitors side by side, of scales 1 and 2: the window moved across takes its size there,
// and takes its old size back when it returns; a dialog has its size on the screen it opens on
// and on the one it is dragged to.
TEST(ScreenScales, TheWindowAndItsDialogsTakeTheirSizeOnEachScreen) {
    QScreen* single = screenNamed(QStringLiteral("single"));
    QScreen* twice = screenNamed(QStringLiteral("twice"));
    ASSERT_TRUE(single != nullptr && twice != nullptr)
        << "screens: " << screenNames().toStdString();
    ASSERT_EQ(single->devicePixelRatio(), 1.0);
    ASSERT_EQ(twice->devicePixelRatio(), 2.0);

    TestingProgram program;
    MainWindow& window = program.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(1500); // the window manager frames the window, and placement stops centring it
    struct Row {
        const char* name;
        QScreen* screen;
    };
    for (const Row row : {Row{"onto the screen of twice the scale", twice},
                          Row{"back onto the screen of single scale", single},
                          Row{"onto the screen of twice the scale again", twice}}) {
        SCOPED_TRACE(row.name);
        // A screen's origin is the same in the X screen's pixels and the toolkit's.
        dragTo(window, row.screen->geometry().topLeft() + QPoint(80, 80));
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.screen() == row.screen; }, 3000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return holdsItsContent(window); }, 3000))
            << sizes(window).toStdString();

        // The dialog opens over the window, and is then dragged onto the other screen.
        QScreen* other = row.screen == twice ? single : twice;
        program.modal().whileShowing = [&row, other](QDialog& dialog) {
            dialog.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.screen() == row.screen; }, 3000))
                << "dialog on " << dialog.screen()->name().toStdString() << " at "
                << dialog.frameGeometry().x() << "," << dialog.frameGeometry().y();
            EXPECT_TRUE(QTest::qWaitFor([&] { return holdsItsContent(dialog); }, 3000))
                << "dialog opened: " << sizes(dialog).toStdString();
            dragTo(dialog, other->geometry().topLeft() + QPoint(80, 80));
            EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.screen() == other; }, 3000));
            EXPECT_TRUE(QTest::qWaitFor([&] { return holdsItsContent(dialog); }, 3000))
                << "dialog dragged: " << sizes(dialog).toStdString();
            dialog.reject();
        };
        program.item(controlName::bestTimesItem).trigger();
        program.modal().whileShowing = nullptr;
    }
}

// On a screen of twice the scale each pixel of the game is four of the screen's, and a press on
// any of them acts on the cell drawn there, though the toolkit rounds the pointer's position to
// the game's pixels (which gave the lower right ones of a cell's bottom point to the cell below).
TEST(ScreenScales, APressOnAnyScreenPixelOfACellActsOnThatCell) {
    QScreen* twice = screenNamed(QStringLiteral("twice"));
    ASSERT_TRUE(twice != nullptr) << "screens: " << screenNames().toStdString();
    TestingProgram program;
    MainWindow& window = program.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(1500);
    dragTo(window, twice->geometry().topLeft() + QPoint(80, 80));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window.screen() == twice && holdsItsContent(window); }, 3000));
    FieldView& field = program.field();
    const QPoint picture = field.mapTo(&window, field.contentsRect().topLeft());
    struct Row {
        const char* name;
        game::Cell cell;
        QPoint inTile;
        QPoint screenPixel; // of the four
    };
    const Row table[] = {
        {"the top left screen pixel of a bottom point", {3, 9}, {9, 22}, {0, 0}},
        {"the bottom right screen pixel of a bottom point", {5, 9}, {9, 22}, {1, 1}},
        {"the bottom right screen pixel of a top point", {7, 4}, {9, 1}, {1, 1}},
        {"the bottom right screen pixel of a lower slope", {10, 6}, {14, 19}, {1, 1}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        const QPoint at = clientCorner(window) +
                          (picture + tilePosition(row.cell) + row.inTile) * 2 + row.screenPixel;
        ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"),
                                    {QStringLiteral("mousemove"), QString::number(at.x()),
                                     QString::number(at.y()), QStringLiteral("click"),
                                     QStringLiteral("3")}),
                  0);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return program.game().cellAt(row.cell).kind == game::CellState::Flagged; },
            2000));
    }
    EXPECT_EQ(program.game().counterValue(), 35 - 4); // no other cell took a flag
}

} // namespace
} // namespace torvane::view
