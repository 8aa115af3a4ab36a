#include "view/field_view.h"
#include "view/tile_sheet.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace torvane::view {
namespace {

// The hexagon's covered columns per row: pixels outside it belong to neighbours.
bool InHexagon(int column, int row) {
    static constexpr int from[24] = {9, 7, 6, 4, 3, 1, 0, 0, 0, 0, 0, 0,
                                     0, 0, 0, 0, 0, 0, 1, 3, 4, 6, 7, 9};
    return column >= from[row] && column <= 18 - from[row];
}

QImage Tile(game::TileIndex t) {
    return TileSheet().copy(TileColumn(t), 0, 19, 24);
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

TEST(FieldView, OuterSizeFollowsTheField) {
    FieldView view;
    struct Case {
        int w, h;
        QSize outer;
    };
    for (const Case c : {Case{8, 8, {158, 148}}, Case{16, 16, {302, 284}}, Case{30, 16, {554, 284}},
                         Case{1, 1, {32, 29}}}) {
        view.SetFieldSize(c.w, c.h);
        EXPECT_EQ(view.size(), c.outer);
        EXPECT_EQ(view.contentsRect().size(), view.Image().size());
        EXPECT_EQ(view.contentsRect().topLeft(), QPoint(2, 2));
    }
}

TEST(FieldView, TilesLandAtTheirCellsAndOnlyInsideTheHexagon) {
    struct Case {
        int x, y;
        QPoint corner;
    };
    for (const Case c :
         {Case{0, 0, {9, 0}}, Case{0, 1, {0, 17}}, Case{1, 1, {18, 17}}, Case{2, 2, {45, 34}}}) {
        FieldView view;
        view.SetFieldSize(4, 4);
        view.DrawTile(c.x, c.y, game::tile::flag); // first a different tile underneath
        view.DrawTile(c.x, c.y, game::tile::covered);
        const QImage& image = view.Image();
        const QImage tile = Tile(game::tile::covered);
        for (int row = 0; row < 24; ++row) {
            for (int column = 0; column < 19; ++column) {
                const QRgb got = image.pixel(c.corner.x() + column, c.corner.y() + row);
                const QRgb expected = InHexagon(column, row) ? tile.pixel(column, row)
                                                             : FieldView::Background().rgb();
                ASSERT_EQ(got, expected) << c.x << "," << c.y << " at " << column << "," << row;
            }
        }
    }
}

TEST(FieldView, DrawingTwiceIsDrawingOnceAndClearRestoresTheBackground) {
    FieldView once;
    FieldView twice;
    for (FieldView* p : {&once, &twice}) {
        p->SetFieldSize(3, 3);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 3; ++x) {
                p->DrawTile(x, y, static_cast<game::TileIndex>((x + 3 * y) % 13));
            }
        }
    }
    twice.DrawTile(1, 1, 4);
    once.DrawTile(1, 1, 4);
    twice.DrawTile(1, 1, 4);
    EXPECT_EQ(once.Image(), twice.Image());
    once.Clear();
    QImage background(once.Image().size(), QImage::Format_RGB32);
    background.fill(FieldView::Background());
    EXPECT_EQ(once.Image(), background);
}

TEST(FieldView, NothingReachesTheScreenBeforeTheRefresh) {
    CountingView view;
    view.SetFieldSize(4, 4);
    view.show();
    QCoreApplication::processEvents();
    const int before = view.paints;
    for (int i = 0; i < 10; ++i) {
        view.DrawTile(i % 4, i / 4 % 4, game::tile::flag);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(view.paints, before);
    view.Refresh();
    EXPECT_EQ(view.paints, before + 1);
    const QImage screen =
        view.grab(view.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen, view.Image());
}

// A press repaints the cells it changed, not the whole field.
TEST(FieldView, RefreshRepaintsWhatWasDrawnSinceTheLastOne) {
    CountingView view;
    view.SetFieldSize(4, 4);
    view.show();
    QCoreApplication::processEvents();
    view.Refresh(); // the new image, drawn while hidden
    const QPoint border(2, 2);

    view.DrawTile(1, 1, game::tile::flag);
    view.Refresh();
    EXPECT_EQ(view.painted, QRect(border + QPoint(18, 17), QSize(19, 24)));

    view.DrawTile(0, 0, game::tile::flag);
    view.DrawTile(3, 2, game::tile::flag);
    view.Refresh();
    EXPECT_EQ(view.painted, QRect(border + QPoint(9, 0), border + QPoint(63 + 18, 34 + 23)));

    const int paints = view.paints;
    view.Refresh();
    EXPECT_EQ(view.paints, paints);

    view.Clear();
    view.Refresh();
    EXPECT_EQ(view.painted, view.contentsRect());
    const QImage screen =
        view.grab(view.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen, view.Image());
}

// The sunken border is the frame's, not the field's: only presses on the image count, in the
// image's pixels.
TEST(FieldView, PressesCountOnlyOnTheImage) {
    FieldView view;
    view.SetFieldSize(4, 4);
    view.show();
    using Press = std::tuple<int, float, float>; // button, x, y
    std::vector<Press> got;
    QObject::connect(&view, &FieldView::pressed, [&got](std::int16_t button, float x, float y) {
        got.emplace_back(button, x, y);
    });
    const int right = view.width() - 1;
    const int bottom = view.height() - 1;
    const int w = view.Image().width();
    const int h = view.Image().height();
    struct Case {
        QPoint at;
        std::vector<Press> emitted;
    };
    const Case cases[] = {
        {{0, 20}, {}},
        {{1, 20}, {}},
        {{20, 0}, {}},
        {{20, 1}, {}},
        {{right - 1, 20}, {}},
        {{right, 20}, {}},
        {{20, bottom - 1}, {}},
        {{20, bottom}, {}},
        {{right, bottom}, {}},
        {{2, 2}, {{1, 0, 0}}},
        {{right - 2, bottom - 2}, {{1, static_cast<float>(w - 1), static_cast<float>(h - 1)}}},
    };
    for (const Case& c : cases) {
        got.clear();
        QTest::mouseClick(&view, Qt::LeftButton, {}, c.at);
        EXPECT_EQ(got, c.emitted) << c.at.x() << "," << c.at.y();
    }
}

} // namespace
} // namespace torvane::view
