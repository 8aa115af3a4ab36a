// The game with its real drawing: the field image alone, then the shown main window
// on the offscreen platform, with the repaints a player would wait for.
#include "bench_support.h"
#include "game/game.h"
#include "view/field_picture.h"
#include "view/main_window.h"

#include <QApplication>
#include <QMouseEvent>
#include <vector>

namespace torvane::bench {
namespace {

using game::Game;
using view::FieldPicture;
using view::MainWindow;

// Draws into a real field picture, which is never shown.
class PicturePort : public NullPort {
  public:
    explicit PicturePort(FieldPicture& picture) : picture_(picture) {}
    void PaintTile(int x, int y, game::TileIndex t) override { picture_.DrawTile(x, y, t); }
    void RefreshField() override { picture_.Refresh(); }

  private:
    FieldPicture& picture_;
};

struct DrawnGame {
    DrawnGame(std::int16_t columns, std::int16_t rows, std::int16_t mines) {
        picture.SetFieldSize(columns, rows);
        game.fieldWidth = columns;
        game.fieldHeight = rows;
        game.mineTotal = mines;
    }
    FieldPicture picture;
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
        window.FormCustom().SetTexts(
            {QString::number(columns), QString::number(rows), QString::number(mines)});
        window.menuLevel_Click(3);
        window.show();
        Settle();
    }
    // Everything a press or a menu item left for the event loop: label and window repaints.
    static void Settle() { QApplication::processEvents(); }

    void Press(Qt::MouseButton button, Point at) {
        const QPointF local(at.x + FieldPicture::border, at.y + FieldPicture::border);
        QMouseEvent event(QEvent::MouseButtonPress, local, window.Picture2().mapToGlobal(local),
                          button, button, Qt::NoModifier);
        QApplication::sendEvent(&window.Picture2(), &event);
    }

    MainWindow window;
};

void NewGame30x30_Window(benchmark::State& state) {
    ShownWindow shown(30, 30, 300);
    for (auto _ : state) {
        shown.window.menuNew_Click();
        ShownWindow::Settle();
    }
}
BENCHMARK(NewGame30x30_Window)->Apply(Steady);

void FloodWholeField_Window(benchmark::State& state) {
    ShownWindow shown(30, 30, 0);
    const Point at = CellCentre(0, 0);
    for (auto _ : state) {
        state.PauseTiming();
        shown.window.menuNew_Click();
        ShownWindow::Settle();
        state.ResumeTiming();
        shown.Press(Qt::LeftButton, at);
        ShownWindow::Settle();
        if (shown.window.Game().cellsToOpen != 0 || shown.window.Game().gameOn) {
            state.SkipWithError("the field was not cleared");
        }
    }
}
BENCHMARK(FloodWholeField_Window)->Apply(Steady);

// The common press: one numbered cell opens, the field and the counter repaint.
void PressNumberedCell_Window(benchmark::State& state) {
    ShownWindow shown(30, 30, 300);
    const Game& game = shown.window.Game();
    std::vector<Point> numbered;
    std::size_t next = 0;
    for (auto _ : state) {
        if (next == numbered.size()) {
            state.PauseTiming();
            shown.window.menuNew_Click();
            ShownWindow::Settle();
            numbered = NumberedCells(game);
            next = 0;
            state.ResumeTiming();
        }
        shown.Press(Qt::LeftButton, numbered[next++]);
        ShownWindow::Settle();
    }
    if (!game.gameOn) {
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
        shown.window.menuLevel_Click(1);
        ShownWindow::Settle();
        state.ResumeTiming();
        shown.window.menuLevel_Click(2);
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
