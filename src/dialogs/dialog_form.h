#pragma once

#include <QLatin1StringView>
#include <QString>

class QDialog;
class QLabel;

namespace torvane::dialogs {

// What both dialogs share: a fixed frame with a title and close box only, the mine icon,
// modal, at the client size of its design (in twips).
void setUpDialogForm(QDialog& dialog, QLatin1StringView objectName, const QString& caption,
                     int widthTwips, int heightTwips);

// A caption stays at the size of its design unless its text, translated, needs more: then it
// widens up to `right`, in its parent's coordinates, rather than be cut.
void widenToFit(QLabel& caption, int right);

} // namespace torvane::dialogs
