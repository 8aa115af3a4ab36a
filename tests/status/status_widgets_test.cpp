#include "status/colours.h"
#include "status/counter_label.h"
#include "status/face_button.h"
#include "status/status_label.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace torvane::status {
namespace {

TEST(StatusLabel, DesignAndColours) {
    StatusLabel label;
    EXPECT_EQ(label.size(), QSize(36, 24));
    EXPECT_TRUE(label.font().bold());
    EXPECT_EQ(label.font().pointSize(), 12);
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(label.foreColour(), QColor(255, 0, 0)); // the clock's
    for (const QColor& colour : {cellsLeftColour, minesLeftColour}) {
        label.setForeColour(colour);
        EXPECT_EQ(label.foreColour(), colour);
        EXPECT_EQ(label.palette().color(QPalette::WindowText), colour);
    }
}

TEST(CounterLabel, ShowsMinesLeftInRedAndCellsLeftInGreen) {
    CounterLabel counter;
    struct Case {
        const char* name;
        int value;
        bool minesLeftMode;
        const char* text;
        QColor colour;
    };
    for (const Case c : {Case{"mines left", 35, true, "35", QColor(255, 0, 0)},
                         Case{"more flags than mines", -1, true, "-1", QColor(255, 0, 0)},
                         Case{"cells to open", 221, false, "221", QColor(0, 255, 0)},
                         Case{"no cells left to open", 0, false, "0", QColor(0, 255, 0)}}) {
        SCOPED_TRACE(c.name);
        counter.showCount(c.value, c.minesLeftMode);
        EXPECT_EQ(counter.text(), QString::fromLatin1(c.text));
        EXPECT_EQ(counter.foreColour(), c.minesLeftMode ? minesLeftColour : cellsLeftColour);
        EXPECT_EQ(counter.palette().color(QPalette::WindowText), c.colour) << c.text;
    }
}

TEST(CounterLabel, AClickIsAPressAndAReleaseInside) {
    CounterLabel label;
    label.show();
    QSignalSpy clicks(&label, &CounterLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(80, 10));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 2);
    QTest::mouseDClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 2); // the second half of a double click is no click
}

// A screen reader hears what is counted with the number, and can press the counter.
TEST(CounterLabel, IsNamedForWhatItCountsAndOffersItsPress) {
    CounterLabel counter;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&counter);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::StaticText);
    counter.showCount(35, true);
    const QString minesLeft = accessible->text(QAccessible::Name);
    EXPECT_EQ(minesLeft, QStringLiteral("剩余地雷：35"));
    counter.showCount(35, false);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("剩余安全格：35"));
    counter.showCount(-1, true);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("剩余地雷：-1"));

    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy clicks(&counter, &CounterLabel::clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
}

// How far the mouth's middle lies below its ends, in half pixels, on the face as painted: a
// smile dips, a frown rises, a straight mouth neither. Each column is searched from the face's
// middle row down, below the eyes; the columns lie in pairs about the middle.
int mouthDip(const QImage& picture) {
    const auto firstDark = [&picture](int column) {
        for (int row = picture.height() / 2; row < picture.height(); ++row) {
            const QColor c = picture.pixelColor(column, row);
            if (std::max({c.red(), c.green(), c.blue()}) < 96) {
                return row;
            }
        }
        return picture.height();
    };
    const int middle = picture.width() / 2;
    return firstDark(middle - 1) + firstDark(middle) - firstDark(middle - 4) -
           firstDark(middle + 3);
}

// The face is painted from its state: each state has its mouth, on its colour.
TEST(FaceButton, EachStatePaintsItsOwnFaceOnItsColour) {
    FaceButton face;
    face.show();
    EXPECT_EQ(face.size(), QSize(28, 28));
    struct State {
        const char* name;
        game::Face face;
        QColor colour;
        int dipSign;
    };
    for (const State s : {State{"won: a smile on green", game::Face::Won, QColor(0, 255, 0), 1},
                          State{"lost: a frown on red", game::Face::Lost, QColor(255, 0, 0), -1},
                          State{"playing: a straight mouth on grey", game::Face::Playing,
                                QColor(192, 192, 192), 0}}) {
        SCOPED_TRACE(s.name);
        face.showFace(s.face, game::Phase::Playing);
        EXPECT_EQ(face.face(), s.face);
        EXPECT_EQ(face.backColour(), s.colour);
        const QImage picture = face.grab().toImage();
        EXPECT_EQ(picture.pixelColor(2, 2), s.colour);
        const int dip = mouthDip(picture);
        EXPECT_EQ((dip > 0) - (dip < 0), s.dipSign) << "dip " << dip;
    }
}

// The face drawn is its state's, but what a reader hears tells a game not yet begun from one
// being played.
TEST(FaceButton, ItsDescriptionFollowsThePhase) {
    FaceButton face;
    struct Row {
        const char* name;
        game::Face face;
        game::Phase phase;
        const char* description;
    };
    const QImage playingFace = [&face] {
        face.showFace(game::Face::Playing, game::Phase::Playing);
        return face.grab().toImage();
    }();
    for (const Row r :
         {Row{"ready", game::Face::Playing, game::Phase::Ready, "新的一局：按下雷区中的格子开始"},
          Row{"playing", game::Face::Playing, game::Phase::Playing, "游戏进行中"},
          Row{"won", game::Face::Won, game::Phase::Won, "胜利"},
          Row{"lost", game::Face::Lost, game::Phase::Lost, "失败：踩到了地雷"},
          Row{"ready again", game::Face::Playing, game::Phase::Ready,
              "新的一局：按下雷区中的格子开始"}}) {
        SCOPED_TRACE(r.name);
        face.showFace(r.face, r.phase);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&face)->text(QAccessible::Description),
                  QString::fromUtf8(r.description));
        if (r.face == game::Face::Playing) {
            EXPECT_EQ(face.grab().toImage(), playingFace);
        }
    }
}

} // namespace
} // namespace torvane::status
