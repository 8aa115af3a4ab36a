#pragma once

#include <qwindowdefs.h>

namespace torvane::dialogs {

// Asks the window manager to leave a top-level window out of the taskbar. Call it on the
// created but unmapped window before each showing: the window manager drops the window's
// states when it is withdrawn. Does nothing off X11, where no such request exists.
void keepOutOfTaskbar(WId window);

} // namespace torvane::dialogs
