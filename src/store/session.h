#pragma once

#include <QObject>
#include <QString>

namespace torvane::view {
class MainWindow;
}

namespace torvane::store {

// The program's start and end around the main window: the saved level, size and best
// times are loaded before the window first shows, and saved once however it closes.
class Session : public QObject {
    Q_OBJECT
  public:
    Session(view::MainWindow& window, QString recordsPath);

    void Form_Load();
    // Writes the records file; every later call does nothing.
    void Form_QueryUnload();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    view::MainWindow& window_;
    QString recordsPath_;
    bool saved_ = false;
};

} // namespace torvane::store
