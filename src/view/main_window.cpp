#include "view/main_window.h"

#include "dialogs/custom_field.h"
#include "dialogs/record_step.h"
#include "game/playable_field.h"
#include "platform/text_number.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace torvane::view {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), field_(new FieldPicture), counter_(new status::StatusLabel),
      face_(new status::FaceButton), clockLabel_(new status::StatusLabel), clock_(*clockLabel_),
      random_([generator = platform::UniformRandom::FromClock()]() mutable {
          return generator.Next();
      }) {
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
    counter_->move(16, 2);
    face_->move(136, 0);
    clockLabel_->move(256, 2);
    field_->move(marginLeft, marginTop);
    field_->setAccessibleName(QStringLiteral("雷区"));
    field_->setAccessibleDescription(
        QStringLiteral("六角形雷区：左键翻开格子，右键插上或拔掉旗子"));
    face_->setAccessibleName(QStringLiteral("新游戏"));
    clockLabel_->setAccessibleDescription(QStringLiteral("本局用时（秒）"));
    setTabOrder(field_, face_);

    connect(field_, &FieldPicture::mouseDown, this, &MainWindow::Picture2_MouseDown);
    connect(face_, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(counter_, &status::StatusLabel::clicked, this, &MainWindow::Label1_Click);
    // The custom dialog lives hidden beside the window from the start: its boxes hold the
    // custom size.
    formCustom_ = new dialogs::CustomDialog(this);
    modal_ = std::make_unique<dialogs::WidgetModalRunner>(this);
    BuildMenu();
}

// The level selection: check mark, level, size, window, then a new game.
void MainWindow::menuLevel_Click(std::int16_t index) {
    index = game::SelectableLevel(index);
    for (QAction* item : menuLevel_) {
        item->setChecked(false);
    }
    menuCustom_->setChecked(false);
    (index == 3 ? *menuCustom_ : *menuLevel_[static_cast<std::size_t>(index)]).setChecked(true);
    game_.level = index;
    const game::FieldSize size =
        index < 3 ? game::PresetField(index) : dialogs::CustomFieldFromTexts(formCustom_->Texts());
    game_.fieldWidth = size.columns;
    game_.fieldHeight = size.rows;
    game_.mineTotal = size.mines;
    field_->Clear();
    FitWindowToField();
    game_.NewGame();
}

void MainWindow::FitWindowToField() {
    field_->SetFieldSize(game_.fieldWidth, game_.fieldHeight);
    const int outerWidth = field_->width();
    face_->move(outerWidth / 2 - 6, 0);
    clockLabel_->move(outerWidth - 35, 2);
    centralWidget()->setFixedSize(marginLeft + outerWidth + marginRight,
                                  marginTop + field_->height() + marginBottom);
    // Keep the top-left corner; the window takes exactly the size of its contents.
    setFixedSize(sizeHint());
}

void MainWindow::menuNew_Click() {
    game_.NewGame();
}

void MainWindow::menuCustom_Click() {
    formCustom_->SetTexts({platform::DecimalText(game_.fieldWidth),
                           platform::DecimalText(game_.fieldHeight),
                           platform::DecimalText(game_.mineTotal)});
    modal_->ShowModal(*formCustom_);
    menuLevel_Click(3); // however the dialog was closed
}

void MainWindow::menuBest_Click() {
    modal_->ShowModal(FormScores());
}

dialogs::ScoresDialog& MainWindow::FormScores() {
    if (formScores_ == nullptr) {
        formScores_ = new dialogs::ScoresDialog(this);
    }
    return *formScores_;
}

void MainWindow::menuExit_Click() {
    close();
}

void MainWindow::Command1_Click() {
    game_.NewGame();
    field_->setFocus();
}

void MainWindow::Label1_Click() {
    game_.ToggleCounterMode();
}

void MainWindow::Picture2_MouseDown(std::int16_t button, float x, float y) {
    game_.Press(button, x, y);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
}

void MainWindow::PaintTile(int x, int y, game::TileIndex t) {
    field_->DrawTile(x, y, t);
}
void MainWindow::RefreshField() {
    field_->Refresh();
}
void MainWindow::SetCounterColour(game::Colour colour) {
    counter_->SetForeColour(colour);
    // The colour is the mode; a screen reader hears it in words.
    counter_->setAccessibleDescription(
        colour == game::colour::red
            ? QStringLiteral("未标记的地雷数；单击改为显示未翻开的安全格数")
            : QStringLiteral("未翻开的安全格数；单击改为显示未标记的地雷数"));
}
void MainWindow::SetCounterCaption(const std::string& caption) {
    counter_->setText(QString::fromStdString(caption));
}
void MainWindow::SetFaceColour(game::Colour colour) {
    face_->SetBackColour(colour);
}
void MainWindow::SetFaceCaption(const std::string& caption) {
    face_->setText(QString::fromStdString(caption));
    face_->setAccessibleDescription(caption == "J"   ? QStringLiteral("胜利")
                                    : caption == "L" ? QStringLiteral("失败：踩到了地雷")
                                                     : QStringLiteral("游戏进行中"));
}
bool MainWindow::ClockRunning() const {
    return clock_.Running();
}
std::string MainWindow::ClockCaption() const {
    return clock_.Caption().toStdString();
}
void MainWindow::StartClock() {
    clock_.Start();
}
void MainWindow::StopClock() {
    clock_.Stop();
}
void MainWindow::SetClockCaption(const std::string& caption) {
    clock_.SetCaption(QString::fromStdString(caption));
}
void MainWindow::RecordStep(std::int16_t level, const std::string& clockCaption) {
    dialogs::RecordStep(level, QString::fromStdString(clockCaption), FormScores(), *modal_);
}
float MainWindow::NextRandom() {
    return random_();
}

} // namespace torvane::view
