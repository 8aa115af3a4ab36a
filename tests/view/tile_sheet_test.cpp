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

constexpr int kCellWidth = 19;
constexpr int kCellHeight = 24;
constexpr int kCellCount = 14;
constexpr int kMaskCell = 13;

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kLightGrey = 0xFFC0C0C0;
constexpr QRgb kDarkGrey = 0xFF808080;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kMaroon = 0xFF800000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kNavy = 0xFF000080;
constexpr QRgb kGreen = 0xFF008000;
constexpr QRgb kTeal = 0xFF008080;

struct Span {
    int first;
    int last;
};

// First and last column of the hexagon on each row of a cell.
constexpr std::array<Span, kCellHeight> kHexagon{{
    {9, 9},  {7, 11}, {6, 12}, {4, 14}, {3, 15}, {1, 17}, {0, 18}, {0, 18},
    {0, 18}, {0, 18}, {0, 18}, {0, 18}, {0, 18}, {0, 18}, {0, 18}, {0, 18},
    {0, 18}, {0, 18}, {1, 17}, {3, 15}, {4, 14}, {6, 12}, {7, 11}, {9, 9},
}};

// '#' black, '.' light grey, 'H' white, 'S' dark grey.
constexpr std::array<std::string_view, kCellHeight> kOpenGround{{
    "#########.#########", "#######.#.#.#######", "#######.....#######", "#####.........#####",
    "###.............###", "#.#.............#.#", "#.................#", "...................",
    "#.................#", "...................", "#.................#", "...................",
    "#.................#", "...................", "#.................#", "...................",
    "#.................#", "...................", "##...............##", "####...........####",
    "####.#.......#.####", "######.......######", "########...########", "###################",
}};

constexpr std::array<std::string_view, kCellHeight> kCoveredGround{{
    "###################", "#########H#########", "#######HHHHH#######", "######HH...HH######",
    "####HHH.....HHH####", "###HH.........HH###", "#HHH...........HHH#", "#H...............S#",
    "#H...............S#", "#H...............S#", "#H...............S#", "#H...............S#",
    "#H...............S#", "#H...............S#", "#H...............S#", "#H...............S#",
    "#H...............S#", "#SSS...........SSS#", "###SS.........SS###", "####SSS.....SSS####",
    "######SS...SS######", "#######SSSSS#######", "#########S#########", "###################",
}};

using Ground = std::array<std::string_view, kCellHeight>;

QRgb MapColour(char c) {
    switch (c) {
    case '#':
        return kBlack;
    case '.':
        return kLightGrey;
    case 'H':
        return kWhite;
    case 'S':
        return kDarkGrey;
    }
    ADD_FAILURE() << "unknown map symbol " << c;
    return 0;
}

bool InHexagon(int x, int y) {
    return x >= 0 && x < kCellWidth && y >= 0 && y < kCellHeight && kHexagon[y].first <= x &&
           x <= kHexagon[y].last;
}

// Touching counts corners too, and pixels beyond the cell lie outside the hexagon.
bool TouchesOutside(int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (!InHexagon(x + dx, y + dy)) {
                return true;
            }
        }
    }
    return false;
}

// The ground's outline: its rim and every pixel that is not the light-grey face.
bool OnOutline(const Ground& ground, int x, int y) {
    return InHexagon(x, y) && (TouchesOutside(x, y) || ground[y][x] != '.');
}

QImage LoadSheet() {
    return QImage(":/tiles.xpm");
}

QRgb At(const QImage& sheet, int cell, int x, int y) {
    return sheet.pixel(cell * kCellWidth + x, y);
}

std::string Where(int cell, int x, int y) {
    return "cell " + std::to_string(cell) + " (" + std::to_string(x) + "," + std::to_string(y) +
           ") ";
}

// Collects the first few offending pixels so one broken tile does not flood the log.
class Faults {
  public:
    void Add(const std::string& what) {
        if (++count_ <= 8) {
            text_ += what + "\n";
        }
    }
    std::string Report() const {
        return count_ == 0 ? std::string() : std::to_string(count_) + " bad pixels:\n" + text_;
    }

  private:
    int count_ = 0;
    std::string text_;
};

TEST(TileSheet, IsFourteenCellsOfNineteenByTwentyFour) {
    const QImage sheet = LoadSheet();
    ASSERT_FALSE(sheet.isNull()) << "the sheet did not load from :/tiles.xpm";
    EXPECT_EQ(sheet.width(), kCellCount * kCellWidth);
    EXPECT_EQ(sheet.width(), 266);
    EXPECT_EQ(sheet.height(), kCellHeight);
}

TEST(TileSheet, UsesOnlyTheTenOpaqueColours) {
    const QImage sheet = LoadSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    const std::set<QRgb> palette{kBlack,  kWhite, kLightGrey, kDarkGrey, kRed,
                                 kMaroon, kBlue,  kNavy,      kGreen,    kTeal};
    Faults faults;
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb p = sheet.pixel(x, y);
            if (!palette.contains(p)) {
                faults.Add("(" + std::to_string(x) + "," + std::to_string(y) + ") is " +
                           QColor::fromRgba(p).name(QColor::HexArgb).toStdString());
            }
        }
    }
    EXPECT_EQ(faults.Report(), "");
}

TEST(TileSheet, MaskIsBlackExactlyOnTheHexagon) {
    const QImage sheet = LoadSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    Faults faults;
    for (int y = 0; y < kCellHeight; ++y) {
        for (int x = 0; x < kCellWidth; ++x) {
            const QRgb want = InHexagon(x, y) ? kBlack : kWhite;
            if (At(sheet, kMaskCell, x, y) != want) {
                faults.Add(Where(kMaskCell, x, y));
            }
        }
    }
    EXPECT_EQ(faults.Report(), "");
}

TEST(TileSheet, EveryTileIsBlackOutsideTheHexagon) {
    const QImage sheet = LoadSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    for (int cell = 0; cell < kMaskCell; ++cell) {
        Faults faults;
        for (int y = 0; y < kCellHeight; ++y) {
            for (int x = 0; x < kCellWidth; ++x) {
                if (!InHexagon(x, y) && At(sheet, cell, x, y) != kBlack) {
                    faults.Add(Where(cell, x, y));
                }
            }
        }
        EXPECT_EQ(faults.Report(), "") << "tile " << cell;
    }
}

TEST(TileSheet, BareGroundsMatchTheirMaps) {
    struct Case {
        int cell;
        const Ground* ground;
    };
    const QImage sheet = LoadSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    for (const Case& c : {Case{0, &kOpenGround}, Case{9, &kCoveredGround}}) {
        Faults faults;
        for (int y = 0; y < kCellHeight; ++y) {
            for (int x = 0; x < kCellWidth; ++x) {
                if (At(sheet, c.cell, x, y) != MapColour((*c.ground)[y][x])) {
                    faults.Add(Where(c.cell, x, y) + "should be '" + (*c.ground)[y][x] + "'");
                }
            }
        }
        EXPECT_EQ(faults.Report(), "") << "tile " << c.cell;
    }
}

// Each picture is drawn on its ground; outside the box its art occupies, and on the ground's
// outline everywhere, the tile must still be the bare ground, or the seams between cells break.
TEST(TileSheet, ArtKeepsTheGroundOutsideItsBox) {
    struct Case {
        int cell;
        const Ground* ground;
        int left, right, top, bottom;
    };
    const std::vector<Case> cases{
        {1, &kOpenGround, 0, 18, 8, 16},     {2, &kOpenGround, 0, 18, 8, 16},
        {3, &kOpenGround, 0, 18, 8, 16},     {4, &kOpenGround, 0, 18, 8, 16},
        {5, &kOpenGround, 0, 18, 8, 16},     {6, &kOpenGround, 0, 18, 8, 16},
        {7, &kOpenGround, 4, 14, 7, 17},     {8, &kOpenGround, 0, 18, 0, 23},
        {10, &kCoveredGround, 0, 18, 7, 16}, {11, &kCoveredGround, 6, 12, 7, 16},
        {12, &kCoveredGround, 4, 13, 7, 16},
    };
    const QImage sheet = LoadSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    for (const Case& c : cases) {
        Faults faults;
        for (int y = 0; y < kCellHeight; ++y) {
            for (int x = 0; x < kCellWidth; ++x) {
                const bool inBox = x >= c.left && x <= c.right && y >= c.top && y <= c.bottom;
                if ((inBox && !OnOutline(*c.ground, x, y)) || !InHexagon(x, y)) {
                    continue;
                }
                if (At(sheet, c.cell, x, y) != MapColour((*c.ground)[y][x])) {
                    faults.Add(Where(c.cell, x, y));
                }
            }
        }
        EXPECT_EQ(faults.Report(), "") << "tile " << c.cell;
    }
}

TEST(TileSheet, DigitsAreNineRowsHighInTheirColourAndCentred) {
    struct Case {
        int cell;
        QRgb ink;
    };
    const std::vector<Case> cases{{1, kBlue}, {2, kGreen},  {3, kRed},
                                  {4, kNavy}, {5, kMaroon}, {6, kTeal}};
    const QImage sheet = LoadSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    for (const Case& c : cases) {
        Faults faults;
        int left = kCellWidth, right = -1, top = kCellHeight, bottom = -1;
        for (int y = 0; y < kCellHeight; ++y) {
            for (int x = 0; x < kCellWidth; ++x) {
                const QRgb p = At(sheet, c.cell, x, y);
                if (p == MapColour(kOpenGround[y][x])) {
                    continue;
                }
                if (p != c.ink) {
                    faults.Add(Where(c.cell, x, y));
                }
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        EXPECT_EQ(faults.Report(), "") << "tile " << c.cell;
        ASSERT_GE(right, 0) << "tile " << c.cell << " has no digit";
        EXPECT_EQ(top, 8) << "tile " << c.cell;
        EXPECT_EQ(bottom, 16) << "tile " << c.cell;
        EXPECT_GE(right - left + 1, 5) << "tile " << c.cell;
        EXPECT_LE(right - left + 1, 7) << "tile " << c.cell;
        // Twice the centre, so that a half-pixel centre compares exactly.
        EXPECT_GE(left + right, 2 * 8) << "tile " << c.cell;
        EXPECT_LE(left + right, 2 * 10) << "tile " << c.cell;
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
        {kLightGrey, true, {kLightGrey}},   {kLightGrey, false, {kRed}},
        {kDarkGrey, false, {kMaroon}},      {kBlack, true, {kBlack}},
        {kBlack, false, {kBlack, kMaroon}}, {kWhite, false, {kWhite}},
    };
    const QImage sheet = LoadSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    int maroonFromBlack = 0;
    Faults faults;
    for (int y = 0; y < kCellHeight; ++y) {
        for (int x = 0; x < kCellWidth; ++x) {
            if (!InHexagon(x, y)) {
                continue;
            }
            const QRgb mine = At(sheet, 7, x, y);
            const QRgb exploded = At(sheet, 8, x, y);
            const bool rim = TouchesOutside(x, y);
            const Case* match = nullptr;
            for (const Case& c : cases) {
                if (c.mine == mine && c.rim == rim) {
                    match = &c;
                }
            }
            if (match == nullptr || !match->exploded.contains(exploded)) {
                faults.Add(Where(8, x, y));
            }
            maroonFromBlack += mine == kBlack && exploded == kMaroon;
        }
    }
    EXPECT_EQ(faults.Report(), "");
    // The four diagonal spikes turn maroon: at least one pixel each.
    EXPECT_GE(maroonFromBlack, 4);
}

TEST(TileSheet, CoveredPicturesUseTheirOwnColours) {
    struct Case {
        int cell;
        std::set<QRgb> ink;
    };
    const std::vector<Case> cases{
        {10, {kRed, kMaroon, kBlack, kDarkGrey}},
        {11, {kBlue, kNavy}},
        {12, {kRed, kMaroon}},
    };
    const QImage sheet = LoadSheet();
    ASSERT_EQ(sheet.size(), QSize(266, 24));
    for (const Case& c : cases) {
        std::set<QRgb> seen;
        for (int y = 0; y < kCellHeight; ++y) {
            for (int x = 0; x < kCellWidth; ++x) {
                const QRgb p = At(sheet, c.cell, x, y);
                if (p != MapColour(kCoveredGround[y][x])) {
                    seen.insert(p);
                }
            }
        }
        EXPECT_EQ(seen, c.ink) << "tile " << c.cell;
    }
}

} // namespace
} // namespace torvane
