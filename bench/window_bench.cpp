// The game with its real drawing: the field image alone, then the shown main window
// on the offscreen platform, with the repaints a player would wait for.
#include "bench_support.h"
#include "game/game.h"
#include "view/field_view.h"
#include "view/main_window.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <vector>

namespace torvane::bench {
namespace {

using game::Game;
using view::FieldView;
using view::MainWindow;

// Draws into a real field view, which is never shown.
class PicturePort : public NullPort {
  public:
    explicit PicturePort(FieldView& picture) : picture_(picture) {}
    void PaintTile(int x, int y, game::TileIndex t) override { picture_.DrawTile(x, y, t); }
    void RefreshField() override { picture_.Refresh(); }

  private:
    FieldView& picture_;
};

// The field's first game is laid here, outside the timing.
struct DrawnGame {
    DrawnGame(std::int16_t columns, std::int16_t rows, std::int16_t mines) {
        picture.SetFieldSize(columns, rows);
        game.StartLevel(game::Custom, {columns, rows, mines});
    }
    FieldView picture;
    PicturePort port{picture};
    Game game{port};
};

// The 1,800 blits of a new 30 x 30 field into the field image.
void NewGame30x30_Image(benchmark::State& state) {
    DrawnGame drawn(30, 30, 300);
    for (auto _ : state) {
        drawn.game.NewGame();
    }
}
BENCHMARK(NewGame30x30_Image)->Apply(Steady);

void FloodWholeField_Image(benchmark::State& state) {
    DrawnGame drawn(30, 30, 0);
    const Point at = CellCentre(0, 0);
    for (auto _ : state) {
        state.PauseTiming();
        drawn.game.NewGame();
        state.ResumeTiming();
        drawn.game.Press(1, at.x, at.y);
    }
}
BENCHMARK(FloodWholeField_Image)->Apply(Steady);

// A shown main window on a 30 x 30 custom field with mines from a fixed seed.
struct ShownWindow {
    ShownWindow(std::int16_t columns, std::int16_t rows, std::int16_t mines) {
        window.SetRandomSource(SeededDraws());
        window.restoreLevel(game::Custom, {columns, rows, mines});
        window.show();
        Settle();
        field = window.findChild<FieldView*>(QStringLiteral("Picture2"));
        newGame = window.findChild<QAction*>(QStringLiteral("menuNew"));
    }
    // Everything a press or a menu item left for the event loop: label and window repaints.
    static void Settle() { QApplication::processEvents(); }

    void Press(Qt::MouseButton button, Point at) {
        const QPointF local(at.x + FieldView::border, at.y + FieldView::border);
        QMouseEvent event(QEvent::MouseButtonPress, local, field->mapToGlobal(local), button,
                          button, Qt::NoModifier);
        QApplication::sendEvent(field, &event);
    }
    void NewGame() {
        newGame->trigger();
        Settle();
    }

    MainWindow window;
    FieldView* field = nullptr;
    QAction* newGame = nullptr;
};

void NewGame30x30_Window(benchmark::State& state) {
    ShownWindow shown(30, 30, 300);
    for (auto _ : state) {
        shown.NewGame();
    }
}
BENCHMARK(NewGame30x30_Window)->Apply(Steady);

void FloodWholeField_Window(benchmark::State& state) {
    ShownWindow shown(30, 30, 0);
    const Point at = CellCentre(0, 0);
    for (auto _ : state) {
        state.PauseTiming();
        shown.NewGame();
        state.ResumeTiming();
        shown.Press(Qt::LeftButton, at);
        ShownWindow::Settle();
        if (shown.window.game().cellsToOpen() != 0 || shown.window.game().gameOn()) {
            state.SkipWithError("the field was not cleared");
        }
    }
}
BENCHMARK(FloodWholeField_Window)->Apply(Steady);

// The common press: one numbered cell opens, the field and the counter repaint.
void PressNumberedCell_Window(benchmark::State& state) {
    ShownWindow shown(30, 30, 300);
    const Game& game = shown.window.game();
    std::vector<Point> numbered;
    std::size_t next = 0;
    for (auto _ : state) {
        if (next == numbered.size()) {
            state.PauseTiming();
            shown.NewGame();
            numbered = NumberedCells(game);
            next = 0;
            state.ResumeTiming();
        }
        shown.Press(Qt::LeftButton, numbered[next++]);
        ShownWindow::Settle();
    }
    if (!game.gameOn()) {
        state.SkipWithError("a numbered cell ended the game");
    }
}
BENCHMARK(PressNumberedCell_Window)->Apply(Steady);

// A flag set or taken away, with the field and the counter repainted.
void FlagCell_Window(benchmark::State& state) {
    ShownWindow shown(30, 30, 300);
    const Point at = CellCentre(15, 15);
    for (auto _ : state) {
        shown.Press(Qt::RightButton, at);
        ShownWindow::Settle();
    }
}
BENCHMARK(FlagCell_Window)->Apply(Steady);

// From intermediate to expert: clear, resize, window sizing, new game and the
// repaint of the resized window.
void SelectExpertLevel_Window(benchmark::State& state) {
    ShownWindow shown(16, 16, 35);
    for (auto _ : state) {
        state.PauseTiming();
        shown.window.selectLevel(game::Intermediate);
        ShownWindow::Settle();
        state.ResumeTiming();
        shown.window.selectLevel(game::Expert);
        ShownWindow::Settle();
    }
}
BENCHMARK(SelectExpertLevel_Window)->Apply(Steady);

} // namespace
} // namespace torvane::bench

int main(int argc, char* argv[]) {
    // Widgets without a display, whatever the shell says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
