#pragma once

#include <QString>

class QDialog;

namespace torvane::dialogs {

// What both dialogs share: a fixed frame with a title and close box only, the mine icon,
// modal, at the client size of its design (in twips).
void SetUpDialogForm(QDialog& dialog, const char* objectName, const QString& caption,
                     int widthTwips, int heightTwips);

// Object name of one of a row of like controls: the name, an underscore, the index ("Text1_0").
QString IndexedName(const char* name, int index);

} // namespace torvane::dialogs
