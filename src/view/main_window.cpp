#include "view/main_window.h"

#include "game/game.h"
#include "platform/control_names.h"
#include "platform/text_number.h"
#include "status/counter_label.h"
#include "status/face_button.h"
#include "status/status_label.h"
#include "view/field_view.h"
#include "view/screen_follower.h"
#include "view/window_placement.h"

#include <QAction>
#include <QActionGroup>

namespace torvane::view {

namespace {

// The strip above the field: counter at the left; face and clock follow the field's width.
constexpr QPoint counterPosition{16, 2};
constexpr int clockTop = 2;
constexpr int clockFromRight = 35;
constexpr int faceFromCentre = 6;

} // namespace

MainWindow::MainWindow(const game::Game& game, QWidget* parent)
    : QMainWindow(parent), game_(game), field_(new FieldView), counter_(new status::CounterLabel),
      face_(new status::FaceButton), clockLabel_(new status::StatusLabel),
      placement_(new WindowPlacement(*this)) {
    setObjectName(controlName::mainWindow);
    setWindowTitle(QStringLiteral("Torvane"));
    setWindowIcon(QIcon(QStringLiteral(":/torvane.xpm")));
    // A fixed frame: minimise, no maximise.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    new ScreenFollower(*this);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    counter_->setObjectName(controlName::counter);
    face_->setObjectName(controlName::face);
    clockLabel_->setObjectName(controlName::clock);
    for (QWidget* control : std::initializer_list<QWidget*>{field_, face_, counter_, clockLabel_}) {
        control->setParent(client);
    }
    counter_->move(counterPosition);
    field_->move(marginLeft, marginTop);
    field_->setAccessibleName(tr("雷区"));
    field_->setAccessibleDescription(tr("六角形雷区：左键翻开格子，右键插上或拔掉旗子"));
    face_->setAccessibleName(tr("新游戏"));
    clockLabel_->setAccessibleName(tr("用时：%n 秒", nullptr, 0));
    clockLabel_->setAccessibleDescription(tr("本局用时（秒）"));
    setTabOrder(field_, face_);

    connect(field_, &FieldView::pressed, this, &MainWindow::fieldPressed);
    connect(face_, &QPushButton::clicked, this, [this] {
        field_->setFocus();
        emit newGameRequested();
    });
    connect(counter_, &status::CounterLabel::clicked, this, &MainWindow::counterClicked);
    buildMenu();
}

MainWindow::~MainWindow() = default;

void MainWindow::showLevel(const game::Change& change) {
    const QList<QAction*> items = levelItems_->actions();
    for (QAction* item : items) {
        if (item->data().toInt() == game_.level()) {
            item->setChecked(true);
        }
    }
    field_->resizeToField(game_);
    fitWindowToField();
    placement_->keepOnScreen();
    showChange(change);
}

void MainWindow::fitWindowToField() {
    const int outerWidth = field_->width();
    face_->move(outerWidth / 2 - faceFromCentre, 0);
    clockLabel_->move(outerWidth - clockFromRight, clockTop);
    centralWidget()->setFixedSize(marginLeft + outerWidth + marginRight,
                                  marginTop + field_->height() + marginBottom);
    // Keep the top-left corner; the window takes exactly the size of its contents.
    setFixedSize(sizeHint());
}

void MainWindow::showChange(const game::Change& change) {
    field_->drawCells(game_, change.cells);
    showStatus();
}

void MainWindow::showStatus() {
    counter_->showCount(game_.counterValue(), game_.showsMinesLeft());
    face_->showFace(game_.face(), game_.phase());
    const int seconds = game_.clock().seconds;
    const QString text = platform::decimalText(seconds);
    if (clockLabel_->text() != text) {
        clockLabel_->setText(text);
        // The unit too: a bare number could be anything.
        clockLabel_->setAccessibleName(tr("用时：%n 秒", nullptr, seconds));
    }
}

} // namespace torvane::view
