#include "status/counter_label.h"

#include "platform/text_number.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace torvane::status {

namespace {

// A label a screen reader can press, as the mouse can.
class AccessibleCounter : public QAccessibleWidget {
  public:
    explicit AccessibleCounter(CounterLabel* counter)
        : QAccessibleWidget(counter, QAccessible::StaticText) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            static_cast<CounterLabel*>(widget())->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* accessibleCounter(const QString& className, QObject* object) {
    auto* counter = qobject_cast<CounterLabel*>(object);
    if (counter == nullptr ||
        className != QLatin1String(CounterLabel::staticMetaObject.className())) {
        return nullptr;
    }
    return new AccessibleCounter(counter);
}

} // namespace

CounterLabel::CounterLabel(QWidget* parent) : StatusLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&accessibleCounter);
        return true;
    }();
    (void)factoryInstalled;
    // Nothing on the label itself says it can be clicked.
    setToolTip(tr("单击切换显示：剩余地雷数 / 未翻开的安全格数"));
}

void CounterLabel::showCount(int value, bool minesLeftMode) {
    setForeColour(minesLeftMode ? minesLeftColour : cellsLeftColour);
    const QString text = platform::decimalText(value);
    setText(text);
    // The number alone says nothing: its name says what is counted.
    setAccessibleName(minesLeftMode ? tr("剩余地雷：%1").arg(text)
                                    : tr("剩余安全格：%1").arg(text));
    // The colour is the mode; a screen reader hears it in words.
    setAccessibleDescription(minesLeftMode ? tr("未标记的地雷数；单击改为显示未翻开的安全格数")
                                           : tr("未翻开的安全格数；单击改为显示未标记的地雷数"));
}

void CounterLabel::click() {
    emit clicked();
}

// A click is a press and a release over the label, as with a button.
void CounterLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

// A double click is one click, then a double click that nothing answers.
void CounterLabel::mouseDoubleClickEvent(QMouseEvent*) {
    pressed_ = false;
}

void CounterLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

} // namespace torvane::status
