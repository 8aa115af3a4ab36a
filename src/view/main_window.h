#pragma once

#include "dialogs/custom_field.h"
#include "dialogs/modal_seam.h"
#include "game/game.h"
#include "status/clock_ticker.h"
#include "store/best_times.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;

namespace torvane::dialogs {
class CustomDialog;
class ScoresDialog;
} // namespace torvane::dialogs

namespace torvane::status {
class CounterLabel;
class FaceButton;
class StatusLabel;
} // namespace torvane::status

namespace torvane::view {

class FieldView;

// The main window: the field, the strip with counter, face and clock, and the game menu.
// It owns the game and the best-times table, and serves as the game's window.
class MainWindow : public QMainWindow, private game::GamePort {
    Q_OBJECT
  public:
    // Room around the field picture inside the window's client area.
    static constexpr int marginLeft = 8;
    static constexpr int marginTop = 29;
    static constexpr int marginRight = 7;
    static constexpr int marginBottom = 8;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    const game::Game& game() const { return game_; }
    // The table, loaded on its first use: the first frame does not need it.
    store::BestTimes& bestTimes();
    void setBestTimesLoader(std::function<store::BestTimes()> load) {
        loadBestTimes_ = std::move(load);
    }

    // Checks the level's menu item, sizes the field and the window to the level's field and
    // starts a new game. The custom level plays the custom size texts.
    void selectLevel(std::int16_t index);
    // Start-up: the saved level, with the saved size as the custom size texts.
    void restoreLevel(std::int16_t level, game::FieldSize savedSize);
    void setShowMinesLeft(bool show) { game_.SetShowMinesLeft(show); }

    // Seams: where mines are drawn from, how modal dialogs run, where the clock's time
    // comes from.
    void SetRandomSource(std::function<float()> source) { random_ = std::move(source); }
    void SetModalRunner(std::unique_ptr<dialogs::ModalRunner> runner) {
        modal_ = std::move(runner);
    }
    void SetClockSource(status::ClockTicker::SecondsSource source);

  signals:
    // A won game set a new best time; the table is complete.
    void recordSet();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenu();
    void CentreFrame();
    void RecentreIfFrameChanged();
    void MoveFrameTo(QPoint frameTopLeft, QMargins margins);
    void KeepFrameOnScreen();
    void FitWindowToField(game::FieldSize size);
    dialogs::CustomDialog& CustomDialog();
    dialogs::ScoresDialog& ScoresDialog();

    void onNewGame();
    void onCustomLevel();
    void onBestTimes();
    void onFaceClicked();
    void onCounterClicked();
    void onFieldPressed(std::int16_t button, float x, float y);

    // The game's window.
    void PaintTile(int x, int y, game::TileIndex t) override;
    void RefreshField() override;
    void ShowCounter(std::int16_t value, bool minesLeftMode) override;
    void ShowFace(game::Face face) override;
    void StartClock() override;
    void StopClock() override;
    void ShowClock(int seconds) override;
    void RecordStep(std::int16_t level, int seconds) override;
    float NextRandom() override;

    game::Game game_{*this};
    std::optional<store::BestTimes> bestTimes_;
    std::function<store::BestTimes()> loadBestTimes_;
    dialogs::CustomSizeTexts customTexts_;
    FieldView* field_ = nullptr;
    status::CounterLabel* counter_ = nullptr;
    status::FaceButton* face_ = nullptr;
    status::StatusLabel* clockLabel_ = nullptr;
    status::ClockTicker* ticker_ = nullptr;
    std::function<float()> random_;
    // The three presets, then the custom level.
    std::array<QAction*, game::presetLevelCount + 1> levelItems_{};
    dialogs::CustomDialog* customDialog_ = nullptr;
    dialogs::ScoresDialog* scoresDialog_ = nullptr;
    std::unique_ptr<dialogs::ModalRunner> modal_;
    bool centred_ = false;
    QMargins centredWith_; // the frame margins the last centring assumed
    // Closed while a dialog was up: what the dialog was for is no longer wanted.
    bool closing_ = false;
};

} // namespace torvane::view
