#pragma once

#include <QString>

class QDialog;
class QLabel;

namespace torvane::dialogs {

// What both dialogs share: a fixed frame with a title and close box only, the mine icon,
// modal, at the client size of its design (in twips).
void SetUpDialogForm(QDialog& dialog, const char* objectName, const QString& caption,
                     int widthTwips, int heightTwips);

// A caption stays at the size of its design unless its text, translated, needs more: then it
// widens up to `right`, in its parent's coordinates, rather than be cut.
void WidenToFit(QLabel& caption, int right);

// Object name of one of a row of like controls: the name, an underscore, the index ("Text1_0").
QString IndexedName(const char* name, int index);

} // namespace torvane::dialogs
