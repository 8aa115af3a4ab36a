#pragma once

#include <QIcon>

namespace torvane::dialogs {

// The spiked mine both dialogs carry in their title bar.
QIcon mineIcon();

} // namespace torvane::dialogs
