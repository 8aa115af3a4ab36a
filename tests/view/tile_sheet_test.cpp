#include "view/tile_sheet.h"

#include <QColor>
#include <QImage>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {
namespace {

namespace tile = view::tile;

constexpr int cellWidth = 19;
constexpr int cellHeight = 24;
constexpr int cellCount = 14;
constexpr int maskCell = view::tile::count;

constexpr QRgb black = 0xFF000000;
constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb lightGrey = 0xFFC0C0C0;
constexpr QRgb darkGrey = 0xFF808080;
constexpr QRgb red = 0xFFFF0000;
constexpr QRgb maroon = 0xFF800000;
constexpr QRgb blue = 0xFF0000FF;
constexpr QRgb navy = 0xFF000080;
constexpr QRgb green = 0xFF008000;
constexpr QRgb teal = 0xFF008080;

struct Span {
    int first;
    int last;
};

// First and last column of the hexagon on each row of a cell.
constexpr std::array<Span, cellHeight> hexagon{{
    {9, 9},  {7, 11}, {6, 12}, {4, 14}, {3, 15}, {1, 17}, {0, 18}, {0, 18},
    {0, 18}, {0, 18}, {0, 18}, {0, 18}, {0, 18}, {0, 18}, {0, 18}, {0, 18},
    {0, 18}, {0, 18}, {1, 17}, {3, 15}, {4, 14}, {6, 12}, {7, 11}, {9, 9},
}};

// '#' black, '.' light grey, 'H' white, 'S' dark grey.
constexpr std::array<std::string_view, cellHeight> openGround{{
    "#########.#########", "#######.#.#.#######", "#######.....#######", "#####.........#####",
    "###.............###", "#.#.............#.#", "#.................#", "...................",
    "#.................#", "...................", "#.................#", "...................",
    "#.................#", "...................", "#.................#", "...................",
    "#.................#", "...................", "##...............##", "####...........####",
    "####.#.......#.####", "######.......######", "########...########", "###################",
}};

constexpr std::array<std::string_view, cellHeight> coveredGround{{
    "###################", "#########H#########", "#######HHHHH#######", "######HH...HH######",
    "####HHH.....HHH####", "###HH.........HH###", "#HHH...........HHH#", "#H...............S#",
    "#H...............S#", "#H...............S#", "#H...............S#", "#H...............S#",
    "#H...............S#", "#H...............S#", "#H...............S#", "#H...............S#",
    "#H...............S#", "#SSS...........SSS#", "###SS.........SS###", "####SSS.....SSS####",
    "######SS...SS######", "#######SSSSS#######", "#########S#########", "###################",
}};

using Ground = std::array<std::string_view, cellHeight>;

QRgb mapColour(char c) {
    switch (c) {
    case '#':
        return black;
    case '.':
        return lightGrey;
    case 'H':
        return white;
    case 'S':
        return darkGrey;
    }
    ADD_FAILURE() << "unknown map symbol " << c;
    return 0;
}

bool inHexagon(int x, int y) {
    return x >= 0 && x < cellWidth && y >= 0 && y < cellHeight && hexagon[y].first <= x &&
           x <= hexagon[y].last;
}

// Touching counts corners too, and pixels beyond the cell lie outside the hexagon.
bool touchesOutside(int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (!inHexagon(x + dx, y + dy)) {
                return true;
            }
        }
    }
    return false;
}

// The ground's outline: its rim and every pixel that is not the light-grey face.
bool onOutline(const Ground& ground, int x, int y) {
    return inHexagon(x, y) && (touchesOutside(x, y) || ground[y][x] != '.');
}

QRgb pixelOf(const QImage& sheet, int cell, int x, int y) {
    return sheet.pixel(cell * cellWidth + x, y);
}

std::string where(int cell, int x, int y) {
    return "cell " + std::to_string(cell) + " (" + std::to_string(x) + "," + std::to_string(y) +
           ") ";
}

// Collects the first few offending pixels so one broken tile does not flood the log.
class Faults {
  public:
    void add(const std::string& what) {
        if (++count_ <= 8) {
            text_ += what + "\n";
        }
    }
    std::string report() const {
        return count_ == 0 ? std::string() : std::to_string(count_) + " bad pixels:\n" + text_;
    }

  private:
    int count_ = 0;
    std::string text_;
};

TEST(TileSheet, IsFourteenCellsOfNineteenByTwentyFour) {
    const QImage& sheet = view::tileSheet();
    ASSERT_FALSE(sheet.isNull()) << "the sheet did not load from :/tiles.xpm";
    EXPECT_EQ(sheet.format(), QImage::Format_RGB32); // what the blit takes
    EXPECT_EQ(sheet.width(), cellCount * cellWidth);
    EXPECT_EQ(sheet.width(), 266);
    EXPECT_EQ(sheet.height(), cellHeight);
}

TEST(TileSheet, UsesOnlyTheTenOpaqueColours) {
    const QImage& sheet = view::tileSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    const std::set<QRgb> palette{black,  white, lightGrey, darkGrey, red,
                                 maroon, blue,  navy,      green,    teal};
    Faults faults;
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb p = sheet.pixel(x, y);
            if (!palette.contains(p)) {
                faults.add("(" + std::to_string(x) + "," + std::to_string(y) + ") is " +
                           QColor::fromRgba(p).name(QColor::HexArgb).toStdString());
            }
        }
    }
    EXPECT_EQ(faults.report(), "");
}

TEST(TileSheet, MaskIsBlackExactlyOnTheHexagon) {
    const QImage& sheet = view::tileSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    Faults faults;
    for (int y = 0; y < cellHeight; ++y) {
        for (int x = 0; x < cellWidth; ++x) {
            const QRgb want = inHexagon(x, y) ? black : white;
            if (pixelOf(sheet, maskCell, x, y) != want) {
                faults.add(where(maskCell, x, y));
            }
        }
    }
    EXPECT_EQ(faults.report(), "");
}

TEST(TileSheet, EveryTileIsBlackOutsideTheHexagon) {
    const QImage& sheet = view::tileSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    for (int cell = 0; cell < maskCell; ++cell) {
        Faults faults;
        for (int y = 0; y < cellHeight; ++y) {
            for (int x = 0; x < cellWidth; ++x) {
                if (!inHexagon(x, y) && pixelOf(sheet, cell, x, y) != black) {
                    faults.add(where(cell, x, y));
                }
            }
        }
        EXPECT_EQ(faults.report(), "") << "tile " << cell;
    }
}

TEST(TileSheet, BareGroundsMatchTheirMaps) {
    struct Case {
        const char* name;
        int cell;
        const Ground* ground;
    };
    const QImage& sheet = view::tileSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    for (const Case& c : {Case{"open ground", tile::open, &openGround},
                          Case{"covered ground", tile::covered, &coveredGround}}) {
        SCOPED_TRACE(c.name);
        Faults faults;
        for (int y = 0; y < cellHeight; ++y) {
            for (int x = 0; x < cellWidth; ++x) {
                if (pixelOf(sheet, c.cell, x, y) != mapColour((*c.ground)[y][x])) {
                    faults.add(where(c.cell, x, y) + "should be '" + (*c.ground)[y][x] + "'");
                }
            }
        }
        EXPECT_EQ(faults.report(), "");
    }
}

// Each picture is drawn on its ground; outside the box its art occupies, and on the ground's
// outline everywhere, the tile must still be the bare ground, or the seams between cells break.
TEST(TileSheet, ArtKeepsTheGroundOutsideItsBox) {
    struct Case {
        const char* name;
        int cell;
        const Ground* ground;
        int left, right, top, bottom;
    };
    const std::vector<Case> cases{
        {"digit 1", 1, &openGround, 0, 18, 8, 16},
        {"digit 2", 2, &openGround, 0, 18, 8, 16},
        {"digit 3", 3, &openGround, 0, 18, 8, 16},
        {"digit 4", 4, &openGround, 0, 18, 8, 16},
        {"digit 5", 5, &openGround, 0, 18, 8, 16},
        {"digit 6", 6, &openGround, 0, 18, 8, 16},
        {"mine", tile::mine, &openGround, 4, 14, 7, 17},
        {"exploded mine", tile::explodedMine, &openGround, 0, 18, 0, 23},
        {"flag", tile::flag, &coveredGround, 0, 18, 7, 16},
        {"question mark", tile::questionMark, &coveredGround, 6, 12, 7, 16},
        {"wrong flag", tile::wrongFlag, &coveredGround, 4, 13, 7, 16},
    };
    const QImage& sheet = view::tileSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Faults faults;
        for (int y = 0; y < cellHeight; ++y) {
            for (int x = 0; x < cellWidth; ++x) {
                const bool inBox = x >= c.left && x <= c.right && y >= c.top && y <= c.bottom;
                if ((inBox && !onOutline(*c.ground, x, y)) || !inHexagon(x, y)) {
                    continue;
                }
                if (pixelOf(sheet, c.cell, x, y) != mapColour((*c.ground)[y][x])) {
                    faults.add(where(c.cell, x, y));
                }
            }
        }
        EXPECT_EQ(faults.report(), "");
    }
}

TEST(TileSheet, DigitsAreNineRowsHighInTheirColourAndCentred) {
    struct Case {
        const char* name;
        int cell;
        QRgb ink;
    };
    const std::vector<Case> cases{
        {"1 in blue", 1, blue}, {"2 in green", 2, green},   {"3 in red", 3, red},
        {"4 in navy", 4, navy}, {"5 in maroon", 5, maroon}, {"6 in teal", 6, teal},
    };
    const QImage& sheet = view::tileSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Faults faults;
        int left = cellWidth, right = -1, top = cellHeight, bottom = -1;
        for (int y = 0; y < cellHeight; ++y) {
            for (int x = 0; x < cellWidth; ++x) {
                const QRgb p = pixelOf(sheet, c.cell, x, y);
                if (p == mapColour(openGround[y][x])) {
                    continue;
                }
                if (p != c.ink) {
                    faults.add(where(c.cell, x, y));
                }
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        EXPECT_EQ(faults.report(), "");
        ASSERT_GE(right, 0) << "no digit";
        EXPECT_EQ(top, 8);
        EXPECT_EQ(bottom, 16);
        EXPECT_GE(right - left + 1, 5);
        EXPECT_LE(right - left + 1, 7);
        // Twice the centre, so that a half-pixel centre compares exactly.
        EXPECT_GE(left + right, 2 * 8);
        EXPECT_LE(left + right, 2 * 10);
    }
}

// The exploded mine is tile 7 recoloured: each colour of tile 7 may only become the listed ones.
TEST(TileSheet, ExplodedMineRecoloursTheMine) {
    struct Case {
        QRgb mine;
        bool rim;
        std::set<QRgb> exploded;
    };
    const std::vector<Case> cases{
        {lightGrey, true, {lightGrey}},  {lightGrey, false, {red}},
        {darkGrey, false, {maroon}},     {black, true, {black}},
        {black, false, {black, maroon}}, {white, false, {white}},
    };
    const QImage& sheet = view::tileSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    int maroonFromBlack = 0;
    Faults faults;
    for (int y = 0; y < cellHeight; ++y) {
        for (int x = 0; x < cellWidth; ++x) {
            if (!inHexagon(x, y)) {
                continue;
            }
            const QRgb mine = pixelOf(sheet, tile::mine, x, y);
            const QRgb exploded = pixelOf(sheet, tile::explodedMine, x, y);
            const bool rim = touchesOutside(x, y);
            const Case* match = nullptr;
            for (const Case& c : cases) {
                if (c.mine == mine && c.rim == rim) {
                    match = &c;
                }
            }
            if (match == nullptr || !match->exploded.contains(exploded)) {
                faults.add(where(tile::explodedMine, x, y));
            }
            maroonFromBlack += mine == black && exploded == maroon;
        }
    }
    EXPECT_EQ(faults.report(), "");
    // The four diagonal spikes turn maroon: at least one pixel each.
    EXPECT_GE(maroonFromBlack, 4);
}

TEST(TileSheet, CoveredPicturesUseTheirOwnColours) {
    struct Case {
        const char* name;
        int cell;
        std::set<QRgb> ink;
    };
    const std::vector<Case> cases{
        {"flag", tile::flag, {red, maroon, black, darkGrey}},
        {"question mark", tile::questionMark, {blue, navy}},
        {"wrong flag", tile::wrongFlag, {red, maroon}},
    };
    const QImage& sheet = view::tileSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::set<QRgb> seen;
        for (int y = 0; y < cellHeight; ++y) {
            for (int x = 0; x < cellWidth; ++x) {
                const QRgb p = pixelOf(sheet, c.cell, x, y);
                if (p != mapColour(coveredGround[y][x])) {
                    seen.insert(p);
                }
            }
        }
        EXPECT_EQ(seen, c.ink);
    }
}

} // namespace
} // namespace torvane
