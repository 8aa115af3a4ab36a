#pragma once

#include "dialogs/modal_seam.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

namespace torvane::dialogs::testing {

struct NameRequest {
    QString prompt;
    QString title;
    QString preset;
    int maxLength;
};

// Stands in for the player: answers the name prompt with a scripted text and records
// every request instead of running a modal loop.
class FakeModalRunner : public ModalRunner {
  public:
    QString answer;
    std::function<void()> whileAsking;
    std::function<void(QDialog&)> whileShowing; // the player's part while a dialog is up
    std::vector<NameRequest> nameRequests;
    std::vector<QDialog*> shown;

    void showModal(QDialog& dialog) override {
        shown.push_back(&dialog);
        if (whileShowing) {
            whileShowing(dialog);
        }
    }
    QString askName(const QString& prompt, const QString& title, const QString& preset,
                    int maxLength) override {
        nameRequests.push_back({prompt, title, preset, maxLength});
        if (whileAsking) {
            whileAsking();
        }
        return answer;
    }
};

} // namespace torvane::dialogs::testing
