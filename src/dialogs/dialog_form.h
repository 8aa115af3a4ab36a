#pragma once

#include <QLatin1StringView>
#include <QString>

class QDialog;
class QLabel;
class QWidget;

namespace torvane::dialogs {

// What both dialogs share: a fixed frame with a title and close box only, the mine icon,
// modal, at the client size of its design (in twips).
void setUpDialogForm(QDialog& dialog, QLatin1StringView objectName, const QString& caption,
                     int widthTwips, int heightTwips);

// A caption stays at the size of its design unless its text, translated, needs more: then it
// widens up to `right`, in its parent's coordinates, rather than be cut.
void widenToFit(QLabel& caption, int right);

// Widens a control by `extra` pixels (narrows it when negative) with the like controls of its
// column; what lies to its right moves over, and its parents and the dialog grow by as much.
void widenColumn(QWidget& control, int extra);

// Then, for what still does not fit: a label, button or group box whose translated caption needs
// more room than its design gives widens, with the like controls of its column; what lies to its
// right moves over and the dialog grows by as much. Captions that fit change nothing.
void makeRoomForCaptions(QDialog& dialog);

} // namespace torvane::dialogs
