// The game with its real drawing: the field image alone, then the shown main window with its
// program around it on the offscreen platform, with the repaints a player would wait for.
#include "app/program.h"
#include "bench_support.h"
#include "game/game.h"
#include "platform/control_names.h"
#include "view/field_view.h"
#include "view/hex_layout.h"
#include "view/main_window.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <vector>

namespace torvane::bench {
namespace {

using game::Action;
using game::Cell;
using view::FieldView;

// A game drawn into a real field view, which is never shown. The field's first game is laid
// here, outside the timing.
struct DrawnGame {
    explicit DrawnGame(game::FieldSize size) {
        game.startLevel(game::Custom, size);
        picture.resizeToField(game);
    }
    void draw(const game::Change& change) { picture.drawCells(game, change.cells); }

    game::Game game = seededGame();
    FieldView picture;
};

// The 900 cells of a new 30 x 30 field drawn into the field image.
void newGame30x30Image(benchmark::State& state) {
    DrawnGame drawn({30, 30, 300});
    for (auto _ : state) {
        drawn.draw(drawn.game.newGame());
    }
}
BENCHMARK(newGame30x30Image)->Apply(steady);

void floodWholeFieldImage(benchmark::State& state) {
    DrawnGame drawn({30, 30, 0});
    for (auto _ : state) {
        state.PauseTiming();
        drawn.draw(drawn.game.newGame());
        state.ResumeTiming();
        drawn.draw(drawn.game.press(Cell{0, 0}, Action::Open));
    }
}
BENCHMARK(floodWholeFieldImage)->Apply(steady);

// The shown main window as the program puts it together, on a custom field with mines from a
// fixed seed; its records file lives in a folder of its own, and each level chosen writes it.
struct ShownWindow {
    explicit ShownWindow(game::FieldSize size) {
        program.state().playCustom(size);
        program.show();
        settle();
        field = window().findChild<FieldView*>(controlName::field);
        newGameItem = window().findChild<QAction*>(controlName::newGameItem);
    }
    // Everything a press or a menu item left for the event loop: label and window repaints.
    static void settle() { QApplication::processEvents(); }

    void press(Qt::MouseButton button, Cell cell) {
        // The middle of the cell's hit area, inside the frame.
        const QPoint tile = view::tilePosition(cell);
        const QPointF local(tile.x() + view::cellPitch / 2 + FieldView::border,
                            tile.y() + view::hitTop + view::rowPitch / 2 + FieldView::border);
        QMouseEvent event(QEvent::MouseButtonPress, local, field->mapToGlobal(local), button,
                          button, Qt::NoModifier);
        QApplication::sendEvent(field, &event);
    }
    void newGame() {
        newGameItem->trigger();
        settle();
    }
    void chooseLevel(game::Level level) {
        window()
            .findChild<QAction*>(controlName::indexed(controlName::levelItem, level))
            ->trigger();
        settle();
    }
    const game::Game& game() { return program.state().game(); }
    view::MainWindow& window() { return program.window(); }

    QTemporaryDir records;
    QString path = records.filePath(QStringLiteral("result.sav"));
    app::Program program{SeededDraws(), [] { return 0.0; }, {path, path}};
    FieldView* field = nullptr;
    QAction* newGameItem = nullptr;
};

void newGame30x30Window(benchmark::State& state) {
    ShownWindow shown({30, 30, 300});
    for (auto _ : state) {
        shown.newGame();
    }
}
BENCHMARK(newGame30x30Window)->Apply(steady);

void floodWholeFieldWindow(benchmark::State& state) {
    ShownWindow shown({30, 30, 0});
    for (auto _ : state) {
        state.PauseTiming();
        shown.newGame();
        state.ResumeTiming();
        shown.press(Qt::LeftButton, {0, 0});
        ShownWindow::settle();
        if (shown.game().cellsToOpen() != 0 || shown.game().phase() != game::Phase::Won) {
            state.SkipWithError("the field was not cleared");
        }
    }
}
BENCHMARK(floodWholeFieldWindow)->Apply(steady);

// The common press: one numbered cell opens, the field and the counter repaint.
void pressNumberedCellWindow(benchmark::State& state) {
    ShownWindow shown({30, 30, 300});
    std::vector<Cell> numbered;
    std::size_t next = 0;
    for (auto _ : state) {
        if (next == numbered.size()) {
            state.PauseTiming();
            shown.newGame();
            numbered = numberedCells(shown.game());
            next = 0;
            state.ResumeTiming();
        }
        shown.press(Qt::LeftButton, numbered[next++]);
        ShownWindow::settle();
    }
    if (game::isOver(shown.game().phase())) {
        state.SkipWithError("a numbered cell ended the game");
    }
}
BENCHMARK(pressNumberedCellWindow)->Apply(steady);

// A flag set or taken away, with the field and the counter repainted.
void flagCellWindow(benchmark::State& state) {
    ShownWindow shown({30, 30, 300});
    for (auto _ : state) {
        shown.press(Qt::RightButton, {15, 15});
        ShownWindow::settle();
    }
}
BENCHMARK(flagCellWindow)->Apply(steady);

// From intermediate to expert through the level menu: resize, window sizing, new game and the
// repaint of the resized window.
void selectExpertLevelWindow(benchmark::State& state) {
    ShownWindow shown({16, 16, 35});
    for (auto _ : state) {
        state.PauseTiming();
        shown.chooseLevel(game::Intermediate);
        state.ResumeTiming();
        shown.chooseLevel(game::Expert);
    }
    if (shown.game().level() != game::Expert) {
        state.SkipWithError("the expert level was not chosen");
    }
}
BENCHMARK(selectExpertLevelWindow)->Apply(steady);

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
