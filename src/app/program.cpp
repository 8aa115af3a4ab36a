#include "app/program.h"

namespace torvane::app {

Program::Program(game::Game::RandomSource random, game::Game::TimeSource now,
                 store::RecordsPaths records, std::unique_ptr<dialogs::ModalRunner> modal)
    : state_(std::move(random), std::move(now)), window_(state_.game()),
      modal_(modal ? std::move(modal) : std::make_unique<dialogs::WidgetModalRunner>(&window_)),
      records_(state_, window_, *modal_, std::move(records)),
      play_(state_, records_, window_, *modal_) {
    records_.load();
}

} // namespace torvane::app
