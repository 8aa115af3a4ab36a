#include "game/game.h"
#include "view/field_view.h"
#include "view/hex_layout.h"
#include "view/tile_sheet.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace torvane::view {
namespace {

using game::Action;
using game::Cell;

// A game with no mines, so every press does what it says; its clock never moves.
struct MineFreeGame {
    explicit MineFreeGame(int columns, int rows) {
        game.startLevel(game::Custom, {columns, rows, 0});
    }
    game::Game game{[] { return 0.0f; }, [] { return 0.0; }};
};

// The hexagon's covered columns per row: pixels outside it belong to neighbours.
bool inHexagon(int column, int row) {
    static constexpr int from[24] = {9, 7, 6, 4, 3, 1, 0, 0, 0, 0, 0, 0,
                                     0, 0, 0, 0, 0, 0, 1, 3, 4, 6, 7, 9};
    return column >= from[row] && column <= 18 - from[row];
}

class CountingView : public FieldView {
  public:
    int paints = 0;
    QRect painted;

  protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        painted = event->rect();
        FieldView::paintEvent(event);
    }
};

QImage onScreen(FieldView& view) {
    return view.grab(view.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(FieldView, OuterSizeFollowsTheField) {
    FieldView view;
    struct Case {
        const char* name;
        int columns, rows;
        QSize outer;
    };
    for (const Case c : {Case{"beginner, 8 x 8", 8, 8, {158, 148}},
                         Case{"intermediate, 16 x 16", 16, 16, {302, 284}},
                         Case{"expert, 30 x 16", 30, 16, {554, 284}},
                         Case{"the smallest field, 1 x 1", 1, 1, {32, 29}}}) {
        SCOPED_TRACE(c.name);
        MineFreeGame field(c.columns, c.rows);
        view.resizeToField(field.game);
        EXPECT_EQ(view.size(), c.outer);
        EXPECT_EQ(view.contentsRect().size(), view.image().size());
        EXPECT_EQ(view.contentsRect().topLeft(), QPoint(FieldView::border, FieldView::border));
    }
}

// A flag, then the covered cell over it: the tile replaces what was there inside its hexagon
// and leaves the background outside it.
TEST(FieldView, TilesLandAtTheirCellsAndOnlyInsideTheHexagon) {
    struct Case {
        const char* name;
        Cell cell;
        QPoint corner;
    };
    for (const Case c : {Case{"first cell of the first row, shifted half a cell", {0, 0}, {9, 0}},
                         Case{"first cell of an odd row, at the left edge", {0, 1}, {0, 17}},
                         Case{"second cell of an odd row", {1, 1}, {18, 17}},
                         Case{"a cell inside the field, on an even row", {2, 2}, {45, 34}}}) {
        SCOPED_TRACE(c.name);
        MineFreeGame field(4, 4);
        FieldView view;
        view.resizeToField(field.game);
        for (int i = 0; i < 2; ++i) {
            view.drawCells(field.game, field.game.press(c.cell, Action::Flag).cells);
        }
        const QImage tile = tileSheet().copy(tileColumn(tile::covered), 0, tileWidth, tileHeight);
        for (int row = 0; row < tileHeight; ++row) {
            for (int column = 0; column < tileWidth; ++column) {
                const QRgb expected = inHexagon(column, row) ? tile.pixel(column, row)
                                                             : FieldView::background().rgb();
                ASSERT_EQ(view.image().pixel(c.corner + QPoint(column, row)), expected)
                    << c.cell.x << "," << c.cell.y << " at " << column << "," << row;
            }
        }
    }
}

TEST(FieldView, DrawingACellAgainChangesNothingAndAResizeClearsTheField) {
    MineFreeGame field(3, 3);
    FieldView view;
    view.resizeToField(field.game);
    view.drawCells(field.game, field.game.newGame().cells);
    view.drawCells(field.game, field.game.press(Cell{1, 1}, Action::Flag).cells);
    const QImage once = view.image();
    const Cell again[] = {{1, 1}, {1, 1}, {0, 0}};
    view.drawCells(field.game, again);
    EXPECT_EQ(view.image(), once);

    view.resizeToField(field.game);
    QImage background(view.image().size(), QImage::Format_RGB32);
    background.fill(FieldView::background());
    EXPECT_EQ(view.image(), background);
}

// A press repaints the cells it changed, at once, and not the whole field.
TEST(FieldView, DrawingRepaintsJustTheCellsDrawn) {
    MineFreeGame field(4, 4);
    CountingView view;
    view.resizeToField(field.game);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QPoint border(FieldView::border, FieldView::border);
    struct Case {
        const char* name;
        std::vector<Cell> cells;
        QRect painted; // empty: no paint at all
    };
    const Case cases[] = {
        {"one cell: its tile", {{1, 1}}, QRect(border + QPoint(18, 17), QSize(19, 24))},
        {"two cells apart: the rectangle around both tiles",
         {{0, 0}, {3, 2}},
         QRect(border + QPoint(9, 0), border + QPoint(63 + 18, 34 + 23))},
        {"no cell: no paint", {}, QRect()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = view.paints;
        view.drawCells(field.game, c.cells);
        if (c.painted.isEmpty()) {
            EXPECT_EQ(view.paints, before);
        } else {
            EXPECT_EQ(view.paints, before + 1);
            EXPECT_EQ(view.painted, c.painted);
        }
        EXPECT_EQ(onScreen(view), view.image());
    }
}

// The left button opens, the right one flags, the middle one asks for nothing but still counts
// as a press; the border is the frame's, and the picture around the cells lies on no cell.
TEST(FieldView, PressesBecomeACellAndAnAction) {
    MineFreeGame field(4, 4);
    FieldView view;
    view.resizeToField(field.game);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QSignalSpy presses(&view, &FieldView::pressed);
    const int right = view.width() - 1;
    const int bottom = view.height() - 1;
    const QPoint inside(FieldView::border, FieldView::border);
    const QPoint middleOfCell11 = inside + QPoint(18 + 9, 17 + 12);
    using Press = std::pair<std::optional<Cell>, Action>;
    struct Case {
        const char* name;
        Qt::MouseButton button;
        QPoint at;
        std::vector<Press> emitted;
    };
    const Case cases[] = {
        {"left button opens", Qt::LeftButton, middleOfCell11, {{Cell{1, 1}, Action::Open}}},
        {"right button flags", Qt::RightButton, middleOfCell11, {{Cell{1, 1}, Action::Flag}}},
        {"middle button: no action",
         Qt::MiddleButton,
         middleOfCell11,
         {{Cell{1, 1}, Action::None}}},
        {"back button: no press", Qt::BackButton, middleOfCell11, {}},
        {"above the first row", Qt::LeftButton, inside, {{std::nullopt, Action::Open}}},
        {"bottom right of the picture",
         Qt::RightButton,
         QPoint(right - 2, bottom - 2),
         {{std::nullopt, Action::Flag}}},
        {"left end of an odd row",
         Qt::LeftButton,
         inside + QPoint(3, 3 + 17),
         {{Cell{0, 1}, Action::Open}}},
        {"left border, outer pixel", Qt::LeftButton, {0, 20}, {}},
        {"left border, inner pixel", Qt::LeftButton, {1, 20}, {}},
        {"top border, outer pixel", Qt::LeftButton, {20, 0}, {}},
        {"top border, inner pixel", Qt::LeftButton, {20, 1}, {}},
        {"right border, inner pixel", Qt::LeftButton, {right - 1, 20}, {}},
        {"right border, outer pixel", Qt::LeftButton, {right, 20}, {}},
        {"bottom border, inner pixel", Qt::LeftButton, {20, bottom - 1}, {}},
        {"bottom border, outer pixel", Qt::LeftButton, {20, bottom}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        presses.clear();
        QTest::mouseClick(&view, c.button, {}, c.at);
        std::vector<Press> got;
        for (const QList<QVariant>& press : presses) {
            got.emplace_back(press[0].value<std::optional<Cell>>(), press[1].value<Action>());
        }
        EXPECT_EQ(got, c.emitted) << "button " << c.button << " at " << c.at.x() << "," << c.at.y();
    }
}

// A double click arrives as a press, a release, a double-click event and a release: its second
// press is a press like the first.
TEST(FieldView, ADoubleClickIsTwoPresses) {
    MineFreeGame field(4, 4);
    FieldView view;
    view.resizeToField(field.game);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QPoint cell00(FieldView::border + 9 + 9, 15);
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QSignalSpy presses(&view, &FieldView::pressed);
        QTest::mouseClick(&view, button, {}, cell00);
        QTest::mouseDClick(&view, button, {}, cell00);
        QTest::mouseRelease(&view, button, {}, cell00);
        ASSERT_EQ(presses.count(), 2) << "button " << button;
        EXPECT_EQ(presses[0], presses[1]);
        EXPECT_EQ(presses[1][0].value<std::optional<Cell>>(), (Cell{0, 0}));
    }
}

} // namespace
} // namespace torvane::view
