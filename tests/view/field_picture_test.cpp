#include "view/field_picture.h"
#include "view/tile_sheet.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <gtest/gtest.h>

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

class CountingPicture : public FieldPicture {
  public:
    int paints = 0;
    QRect painted;

  protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        painted = event->rect();
        FieldPicture::paintEvent(event);
    }
};

TEST(FieldPicture, OuterSizeFollowsTheField) {
    FieldPicture picture;
    struct Case {
        int w, h;
        QSize outer;
    };
    for (const Case c : {Case{8, 8, {158, 148}}, Case{16, 16, {302, 284}}, Case{30, 16, {554, 284}},
                         Case{1, 1, {32, 29}}}) {
        picture.SetFieldSize(c.w, c.h);
        EXPECT_EQ(picture.size(), c.outer);
        EXPECT_EQ(picture.contentsRect().size(), picture.Image().size());
        EXPECT_EQ(picture.contentsRect().topLeft(), QPoint(2, 2));
    }
}

TEST(FieldPicture, TilesLandAtTheirCellsAndOnlyInsideTheHexagon) {
    struct Case {
        int x, y;
        QPoint corner;
    };
    for (const Case c :
         {Case{0, 0, {9, 0}}, Case{0, 1, {0, 17}}, Case{1, 1, {18, 17}}, Case{2, 2, {45, 34}}}) {
        FieldPicture picture;
        picture.SetFieldSize(4, 4);
        picture.DrawTile(c.x, c.y, game::tile::flag); // first a different tile underneath
        picture.DrawTile(c.x, c.y, game::tile::covered);
        const QImage& image = picture.Image();
        const QImage tile = Tile(game::tile::covered);
        for (int row = 0; row < 24; ++row) {
            for (int column = 0; column < 19; ++column) {
                const QRgb got = image.pixel(c.corner.x() + column, c.corner.y() + row);
                const QRgb expected = InHexagon(column, row) ? tile.pixel(column, row)
                                                             : FieldPicture::Background().rgb();
                ASSERT_EQ(got, expected) << c.x << "," << c.y << " at " << column << "," << row;
            }
        }
    }
}

TEST(FieldPicture, DrawingTwiceIsDrawingOnceAndClearRestoresTheBackground) {
    FieldPicture once;
    FieldPicture twice;
    for (FieldPicture* p : {&once, &twice}) {
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
    background.fill(FieldPicture::Background());
    EXPECT_EQ(once.Image(), background);
}

TEST(FieldPicture, NothingReachesTheScreenBeforeTheRefresh) {
    CountingPicture picture;
    picture.SetFieldSize(4, 4);
    picture.show();
    QCoreApplication::processEvents();
    const int before = picture.paints;
    for (int i = 0; i < 10; ++i) {
        picture.DrawTile(i % 4, i / 4 % 4, game::tile::flag);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(picture.paints, before);
    picture.Refresh();
    EXPECT_EQ(picture.paints, before + 1);
    const QImage screen =
        picture.grab(picture.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen, picture.Image());
}

// A press repaints the cells it changed, not the whole field.
TEST(FieldPicture, RefreshRepaintsWhatWasDrawnSinceTheLastOne) {
    CountingPicture picture;
    picture.SetFieldSize(4, 4);
    picture.show();
    QCoreApplication::processEvents();
    picture.Refresh(); // the new image, drawn while hidden
    const QPoint border(2, 2);

    picture.DrawTile(1, 1, game::tile::flag);
    picture.Refresh();
    EXPECT_EQ(picture.painted, QRect(border + QPoint(18, 17), QSize(19, 24)));

    picture.DrawTile(0, 0, game::tile::flag);
    picture.DrawTile(3, 2, game::tile::flag);
    picture.Refresh();
    EXPECT_EQ(picture.painted, QRect(border + QPoint(9, 0), border + QPoint(63 + 18, 34 + 23)));

    const int paints = picture.paints;
    picture.Refresh();
    EXPECT_EQ(picture.paints, paints);

    picture.Clear();
    picture.Refresh();
    EXPECT_EQ(picture.painted, picture.contentsRect());
    const QImage screen =
        picture.grab(picture.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen, picture.Image());
}

} // namespace
} // namespace torvane::view
