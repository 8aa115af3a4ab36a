#pragma once

#include <QString>
#include <functional>
#include <vector>

class QDialog;
class QWidget;

namespace torvane::dialogs {

// A line of text asked of the player, with everything the box says.
struct TextRequest {
    QString prompt;
    QString title;
    QString preset;
    int maxLength = 0; // in UTF-16 units
    QString acceptText;
    QString cancelText;
};

// The one way the program shows a modal dialog or asks for a line of text, so that
// tests can stand in for the player and never wait on a modal loop.
class ModalRunner {
  public:
    virtual ~ModalRunner() = default;
    // Returns when the dialog is hidden.
    void showModal(QDialog& dialog);
    // The answer typed, at most maxLength UTF-16 units, or "" when the player cancels.
    QString askText(const TextRequest& request);

    // Runs `show` now when no dialog is up, else once the last one up has closed, so that no
    // dialog ever opens over another.
    void whenNoneShown(std::function<void()> show);

  protected:
    virtual void runModal(QDialog& dialog) = 0;
    virtual QString runAskText(const TextRequest& request) = 0;

  private:
    template <typename Run> auto running(Run run);

    int shown_ = 0;
    std::vector<std::function<void()>> waiting_;
};

class WidgetModalRunner : public ModalRunner {
  public:
    // The text box is centred on promptParent when there is one.
    explicit WidgetModalRunner(QWidget* promptParent = nullptr) : promptParent_(promptParent) {}

  protected:
    void runModal(QDialog& dialog) override;
    QString runAskText(const TextRequest& request) override;

  private:
    QWidget* promptParent_;
};

} // namespace torvane::dialogs
