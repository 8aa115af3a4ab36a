#pragma once

#include <QString>

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
    virtual void showModal(QDialog& dialog) = 0;
    // The answer typed, at most maxLength UTF-16 units, or "" when the player cancels.
    virtual QString askText(const TextRequest& request) = 0;
};

class WidgetModalRunner : public ModalRunner {
  public:
    // The text box is centred on promptParent when there is one.
    explicit WidgetModalRunner(QWidget* promptParent = nullptr) : promptParent_(promptParent) {}

    void showModal(QDialog& dialog) override;
    QString askText(const TextRequest& request) override;

  private:
    QWidget* promptParent_;
};

} // namespace torvane::dialogs
