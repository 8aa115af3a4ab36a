#pragma once

#include "dialogs/modal_runner.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

namespace torvane::dialogs::testing {

// Stands in for the player: answers the name prompt with a scripted text and records
// every request instead of running a modal loop.
class FakeModalRunner : public ModalRunner {
  public:
    QString answer;
    std::function<void()> whileAsking;
    std::function<void(QDialog&)> whileShowing; // the player's part while a dialog is up
    std::vector<TextRequest> nameRequests;
    std::vector<QDialog*> shown;

  protected:
    void runModal(QDialog& dialog) override {
        shown.push_back(&dialog);
        if (whileShowing) {
            whileShowing(dialog);
        }
    }
    QString runAskText(const TextRequest& request) override {
        nameRequests.push_back(request);
        if (whileAsking) {
            whileAsking();
        }
        return answer;
    }
};

} // namespace torvane::dialogs::testing
