#pragma once

#include "dialogs/custom_dialog.h"
#include "dialogs/modal_seam.h"
#include "dialogs/scores_dialog.h"
#include "game/game.h"
#include "game/playable_field.h"
#include "platform/uniform_random.h"
#include "status/face_button.h"
#include "status/game_clock.h"
#include "status/status_label.h"
#include "view/field_picture.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QMenu;

namespace torvane::view {

// The main window: the field, the strip with counter, face and clock, and the game
// menu. It owns the game and serves as the game's window.
class MainWindow : public QMainWindow, public game::GamePort {
    Q_OBJECT
  public:
    // Room around the field picture inside the window's client area.
    static constexpr int marginLeft = 8;
    static constexpr int marginTop = 29;
    static constexpr int marginRight = 7;
    static constexpr int marginBottom = 8;

    explicit MainWindow(QWidget* parent = nullptr);

    game::Game& Game() { return game_; }
    FieldPicture& Picture2() { return *field_; }
    status::StatusLabel& Label1() { return *counter_; }
    status::FaceButton& Command1() { return *face_; }
    status::StatusLabel& Label2() { return *clockLabel_; }
    status::GameClock& Clock() { return clock_; }
    QMenu& MenuGame() { return *menuGame_; }
    QAction& MenuLevel(int index) { return *menuLevel_[static_cast<std::size_t>(index)]; }
    QAction& MenuCustom() { return *menuCustom_; }

    // Where mines are drawn from; tests script it.
    void SetRandomSource(std::function<float()> source) { random_ = std::move(source); }

    dialogs::CustomDialog& FormCustom() { return *formCustom_; }
    // Made on first use, like every dialog; start-up needs it only for a saved table.
    dialogs::ScoresDialog& FormScores();
    // How dialogs and the name prompt are shown; tests answer them instead.
    void SetModalRunner(std::unique_ptr<dialogs::ModalRunner> runner) {
        modal_ = std::move(runner);
    }

    void menuLevel_Click(std::int16_t index);
    void menuNew_Click();
    void menuCustom_Click();
    void menuBest_Click();
    void menuExit_Click();
    void Command1_Click();
    void Label1_Click();
    void Picture2_MouseDown(std::int16_t button, float x, float y);

  signals:
    void menuCustomTriggered();
    void menuBestTriggered();
    void menuExitTriggered();

    // The game's window.
  public:
    void PaintTile(int x, int y, game::TileIndex t) override;
    void RefreshField() override;
    void SetCounterColour(game::Colour colour) override;
    void SetCounterCaption(const std::string& caption) override;
    void SetFaceColour(game::Colour colour) override;
    void SetFaceCaption(const std::string& caption) override;
    bool ClockRunning() const override;
    std::string ClockCaption() const override;
    void StartClock() override;
    void StopClock() override;
    void SetClockCaption(const std::string& caption) override;
    void RecordStep(std::int16_t level, const std::string& clockCaption) override;
    float NextRandom() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildMenu();
    void FitWindowToField();

    game::Game game_{*this};
    FieldPicture* field_ = nullptr;
    status::StatusLabel* counter_ = nullptr;
    status::FaceButton* face_ = nullptr;
    status::StatusLabel* clockLabel_ = nullptr;
    status::GameClock clock_;
    std::function<float()> random_;
    QMenu* menuGame_ = nullptr;
    std::array<QAction*, 3> menuLevel_{};
    QAction* menuCustom_ = nullptr;
    dialogs::CustomDialog* formCustom_ = nullptr;
    dialogs::ScoresDialog* formScores_ = nullptr;
    std::unique_ptr<dialogs::ModalRunner> modal_;
    bool centred_ = false;
};

} // namespace torvane::view
