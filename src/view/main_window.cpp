#include "view/main_window.h"

#include "dialogs/custom_dialog.h"
#include "dialogs/record_step.h"
#include "dialogs/scores_dialog.h"
#include "platform/text_number.h"
#include "platform/uniform_random.h"
#include "status/face_button.h"
#include "status/status_label.h"
#include "view/field_view.h"

#include <QAction>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace torvane::view {

namespace {

// The strip above the field: counter at the left; face and clock follow the field's width.
constexpr QPoint counterPosition{16, 2};
constexpr int clockTop = 2;
constexpr int clockFromRight = 35;
constexpr int faceFromCentre = 6;

// How long after the first show the window manager may still be framing the window.
constexpr int framingTime = 1000; // ms

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), field_(new FieldView), counter_(new status::CounterLabel),
      face_(new status::FaceButton), clockLabel_(new status::StatusLabel),
      ticker_(new status::ClockTicker(this)),
      random_([generator = platform::UniformRandom::FromClock()]() mutable {
          return generator.Next();
      }),
      modal_(std::make_unique<dialogs::WidgetModalRunner>(this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Torvane"));
    setWindowIcon(QIcon(QStringLiteral(":/torvane.xpm")));
    // A fixed frame: minimise, no maximise.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    counter_->setObjectName(QStringLiteral("Label1"));
    face_->setObjectName(QStringLiteral("Command1"));
    clockLabel_->setObjectName(QStringLiteral("Label2"));
    for (QWidget* w : std::initializer_list<QWidget*>{field_, face_, counter_, clockLabel_}) {
        w->setParent(client);
    }
    counter_->move(counterPosition);
    field_->move(marginLeft, marginTop);
    field_->setAccessibleName(tr("雷区"));
    field_->setAccessibleDescription(tr("六角形雷区：左键翻开格子，右键插上或拔掉旗子"));
    face_->setAccessibleName(tr("新游戏"));
    clockLabel_->setAccessibleDescription(tr("本局用时（秒）"));
    setTabOrder(field_, face_);

    connect(field_, &FieldView::pressed, this, &MainWindow::onFieldPressed);
    connect(face_, &QPushButton::clicked, this, &MainWindow::onFaceClicked);
    connect(counter_, &status::CounterLabel::clicked, this, &MainWindow::onCounterClicked);
    connect(ticker_, &status::ClockTicker::tick, this,
            [this](double elapsed) { game_.ClockTick(elapsed); });
    BuildMenu();
}

MainWindow::~MainWindow() = default;

void MainWindow::SetClockSource(status::ClockTicker::SecondsSource source) {
    ticker_->SetSecondsSource(std::move(source));
}

void MainWindow::selectLevel(std::int16_t index) {
    index = game::SelectableLevel(index);
    for (std::size_t i = 0; i < levelItems_.size(); ++i) {
        levelItems_[i]->setChecked(static_cast<int>(i) == index);
    }
    const game::FieldSize size = dialogs::FieldOfLevel(index, customTexts_);
    field_->Clear();
    FitWindowToField(size);
    KeepFrameOnScreen();
    game_.StartLevel(index, size); // every level's field is playable by now
}

void MainWindow::restoreLevel(std::int16_t level, game::FieldSize savedSize) {
    customTexts_ = dialogs::TextsOf(savedSize);
    selectLevel(level);
}

void MainWindow::FitWindowToField(game::FieldSize size) {
    field_->SetFieldSize(size.columns, size.rows);
    const int outerWidth = field_->width();
    face_->move(outerWidth / 2 - faceFromCentre, 0);
    clockLabel_->move(outerWidth - clockFromRight, clockTop);
    centralWidget()->setFixedSize(marginLeft + outerWidth + marginRight,
                                  marginTop + field_->height() + marginBottom);
    // Keep the top-left corner; the window takes exactly the size of its contents.
    setFixedSize(sizeHint());
}

store::BestTimes& MainWindow::bestTimes() {
    if (!bestTimes_) {
        bestTimes_ = loadBestTimes_ ? loadBestTimes_() : store::BestTimes{};
    }
    return *bestTimes_;
}

dialogs::CustomDialog& MainWindow::CustomDialog() {
    if (customDialog_ == nullptr) {
        customDialog_ = new dialogs::CustomDialog(customTexts_, this);
    }
    return *customDialog_;
}

dialogs::ScoresDialog& MainWindow::ScoresDialog() {
    if (scoresDialog_ == nullptr) {
        scoresDialog_ = new dialogs::ScoresDialog(bestTimes(), this);
    }
    scoresDialog_->LoadTable();
    return *scoresDialog_;
}

void MainWindow::onNewGame() {
    game_.NewGame();
}

void MainWindow::onCustomLevel() {
    customTexts_ = dialogs::TextsOf(game_.fieldSize());
    dialogs::CustomDialog& dialog = CustomDialog();
    dialog.LoadTexts();
    modal_->ShowModal(dialog);
    if (!closing_) {
        selectLevel(game::Custom); // however the dialog was closed
    }
}

void MainWindow::onBestTimes() {
    modal_->ShowModal(ScoresDialog());
}

void MainWindow::onFaceClicked() {
    game_.NewGame();
    field_->setFocus();
}

void MainWindow::onCounterClicked() {
    game_.ToggleCounterMode();
}

void MainWindow::onFieldPressed(std::int16_t button, float x, float y) {
    game_.Press(button, x, y);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        CentreFrame();
        // The window manager adds its frame only after the window maps, and the margins the
        // toolkit reports may change more than once while it does: centre again whenever they
        // change during the first moments, then leave the window where the player puts it.
        if (QWindow* native = windowHandle()) {
            centredWith_ = native->frameMargins();
            native->installEventFilter(this);
            QTimer::singleShot(framingTime, this, [this] {
                if (QWindow* native = windowHandle()) {
                    native->removeEventFilter(this);
                    RecentreIfFrameChanged();
                }
            });
        }
    }
}

void MainWindow::RecentreIfFrameChanged() {
    const QMargins margins = windowHandle()->frameMargins();
    if (margins != centredWith_) {
        centredWith_ = margins;
        CentreFrame();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    closing_ = true;
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle()) {
        RecentreIfFrameChanged();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::CentreFrame() {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QMargins margins =
        windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    QRect frame(QPoint(), size().grownBy(margins));
    frame.moveCenter(screen->availableGeometry().center());
    MoveFrameTo(frame.topLeft(), margins);
}

// Places the client area, from the margins just read: move() would place the frame with the
// margins the toolkit last knew, which lag behind while the window manager frames the window.
void MainWindow::MoveFrameTo(QPoint frameTopLeft, QMargins margins) {
    setGeometry(QRect(frameTopLeft + QPoint(margins.left(), margins.top()), size()));
}

// A bigger level keeps the top-left corner unless the frame would then reach past the edge of
// the screen's free area: then the window moves by the least that brings it back in, and
// where it cannot fit, its top-left corner stays in view.
void MainWindow::KeepFrameOnScreen() {
    const QScreen* screen = this->screen();
    if (!isVisible() || screen == nullptr || windowHandle() == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QMargins margins = windowHandle()->frameMargins();
    // From the client area, which is current: frameGeometry() may not be (see CentreFrame).
    const QPoint corner = geometry().topLeft() - QPoint(margins.left(), margins.top());
    const QSize frame = size().grownBy(margins);
    const QPoint inside(
        std::max(area.left(), std::min(corner.x(), area.x() + area.width() - frame.width())),
        std::max(area.top(), std::min(corner.y(), area.y() + area.height() - frame.height())));
    if (inside != corner) {
        MoveFrameTo(inside, margins);
    }
}

void MainWindow::PaintTile(int x, int y, game::TileIndex t) {
    field_->DrawTile(x, y, t);
}
void MainWindow::RefreshField() {
    field_->Refresh();
}
void MainWindow::ShowCounter(std::int16_t value, bool minesLeftMode) {
    counter_->ShowCount(value, minesLeftMode);
}
void MainWindow::ShowFace(game::Face face) {
    face_->ShowFace(face);
}
void MainWindow::StartClock() {
    ticker_->Start();
}
void MainWindow::StopClock() {
    ticker_->Stop();
}
void MainWindow::ShowClock(int seconds) {
    clockLabel_->setText(platform::DecimalText(seconds));
}
void MainWindow::RecordStep(std::int16_t level, int seconds) {
    if (dialogs::RecordStep(level, seconds, bestTimes(), *modal_,
                            [this] { modal_->ShowModal(ScoresDialog()); })) {
        emit recordSet();
    }
}
float MainWindow::NextRandom() {
    return random_();
}

} // namespace torvane::view
