#include "status/colours.h"
#include "status/counter_label.h"
#include "status/face_button.h"
#include "status/status_label.h"

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
        face.showFace(s.face);
        EXPECT_EQ(face.face(), s.face);
        EXPECT_EQ(face.backColour(), s.colour);
        const QImage picture = face.grab().toImage();
        EXPECT_EQ(picture.pixelColor(2, 2), s.colour);
        const int dip = mouthDip(picture);
        EXPECT_EQ((dip > 0) - (dip < 0), s.dipSign) << "dip " << dip;
    }
}

} // namespace
} // namespace torvane::status
