#pragma once

#include "game/cell.h"
#include "game/cell_state.h"
#include "game/level.h"

#include <QMainWindow>
#include <optional>

class QActionGroup;

namespace torvane::game {
class Game;
struct Change;
} // namespace torvane::game

namespace torvane::status {
class CounterLabel;
class FaceButton;
class StatusLabel;
} // namespace torvane::status

namespace torvane::view {

class FieldView;
class WindowPlacement;

// The main window: the field, the strip with counter, face and clock above it, and the game
// menu. It shows the game it is given and passes on what the player asks for.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Room around the field picture inside the window's client area.
    static constexpr int marginLeft = 8;
    static constexpr int marginTop = 29;
    static constexpr int marginRight = 7;
    static constexpr int marginBottom = 8;

    explicit MainWindow(const game::Game& game, QWidget* parent = nullptr);
    ~MainWindow() override;

    // A new level's game: checks its menu item, sizes the field and the window to it, keeps the
    // window on screen, and draws the field.
    void showLevel(const game::Change& change);
    // Draws the cells a change names, then shows the counter, face and clock.
    void showChange(const game::Change& change);
    // The counter, face and clock as the game has them now.
    void showStatus();

    FieldView& field() const { return *field_; }

  signals:
    void newGameRequested();
    void levelChosen(game::Level level);
    void customLevelRequested();
    void bestTimesRequested();
    void counterClicked();
    void fieldPressed(std::optional<game::Cell> cell, game::Action action);

  private:
    void buildMenu();
    void fitWindowToField();

    const game::Game& game_;
    FieldView* field_ = nullptr;
    status::CounterLabel* counter_ = nullptr;
    status::FaceButton* face_ = nullptr;
    status::StatusLabel* clockLabel_ = nullptr;
    QActionGroup* levelItems_ = nullptr;
    WindowPlacement* placement_ = nullptr;
};

} // namespace torvane::view
