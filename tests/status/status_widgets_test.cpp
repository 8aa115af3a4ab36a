#include "status/face_button.h"
#include "status/status_label.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace torvane::status {
namespace {

TEST(StatusLabel, DesignAndColours) {
    StatusLabel label;
    EXPECT_EQ(label.size(), QSize(36, 24));
    EXPECT_TRUE(label.font().bold());
    EXPECT_EQ(label.font().pointSize(), 12);
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor(Qt::black));
    struct Case {
        Colour colour;
        QColor expected;
    };
    for (const Case c :
         {Case{colour::red, QColor(255, 0, 0)}, Case{colour::green, QColor(0, 255, 0)},
          Case{colour::lightGrey, QColor(192, 192, 192)}}) {
        label.SetForeColour(c.colour);
        EXPECT_EQ(label.ForeColour(), c.colour);
        EXPECT_EQ(label.palette().color(QPalette::WindowText), c.expected);
    }
}

TEST(CounterLabel, ShowsMinesLeftInRedAndCellsLeftInGreen) {
    CounterLabel counter;
    struct Case {
        std::int16_t value;
        bool minesLeftMode;
        const char* text;
        QColor colour;
    };
    for (const Case c :
         {Case{35, true, "35", QColor(255, 0, 0)}, Case{-1, true, "-1", QColor(255, 0, 0)},
          Case{221, false, "221", QColor(0, 255, 0)}, Case{0, false, "0", QColor(0, 255, 0)}}) {
        counter.ShowCount(c.value, c.minesLeftMode);
        EXPECT_EQ(counter.text(), QString::fromLatin1(c.text));
        EXPECT_EQ(counter.ForeColour(), c.minesLeftMode ? colour::red : colour::green) << c.text;
        EXPECT_EQ(counter.palette().color(QPalette::WindowText), c.colour) << c.text;
    }
}

TEST(CounterLabel, ClickIsPressAndReleaseInside) {
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

// The face is painted, not written: each state shows a different picture on its colour.
TEST(FaceButton, EachStatePaintsItsOwnFaceOnItsColour) {
    FaceButton face;
    face.show();
    struct State {
        game::Face face;
        Colour colour;
        QColor painted;
        const char* caption;
    };
    std::vector<QImage> pictures;
    for (const State s : {State{game::Face::Playing, colour::lightGrey, QColor(192, 192, 192), "K"},
                          State{game::Face::Won, colour::green, QColor(0, 255, 0), "J"},
                          State{game::Face::Lost, colour::red, QColor(255, 0, 0), "L"}}) {
        face.ShowFace(s.face);
        EXPECT_EQ(face.text(), QString::fromLatin1(s.caption));
        EXPECT_EQ(face.BackColour(), s.colour) << s.caption;
        const QImage picture = face.grab().toImage();
        EXPECT_EQ(QColor(picture.pixel(2, 2)).rgb() & 0xffffff, s.painted.rgb() & 0xffffff)
            << s.caption;
        pictures.push_back(picture);
    }
    EXPECT_EQ(face.size(), QSize(28, 28));
    // The mouths differ; compare with the colours taken out.
    auto mouth = [](const QImage& img) {
        return img.copy(7, 15, 14, 8).convertToFormat(QImage::Format_Mono);
    };
    EXPECT_NE(mouth(pictures[0]), mouth(pictures[1]));
    EXPECT_NE(mouth(pictures[1]), mouth(pictures[2]));
    EXPECT_NE(mouth(pictures[0]), mouth(pictures[2]));
}

} // namespace
} // namespace torvane::status
