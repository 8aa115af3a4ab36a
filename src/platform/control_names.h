#pragma once

#include <QLatin1StringView>
#include <QString>

// The object names the game's windows and controls have always had, so that tools and tests
// still find each control. They name widgets only; the code's own names say what a thing is.
namespace torvane::controlName {

// The main window and its controls.
inline constexpr QLatin1StringView mainWindow{"Form1"};
inline constexpr QLatin1StringView field{"Picture2"};
inline constexpr QLatin1StringView counter{"Label1"};
inline constexpr QLatin1StringView face{"Command1"};
inline constexpr QLatin1StringView clock{"Label2"};
inline constexpr QLatin1StringView clockTimer{"Timer1"};

// The game menu. The three preset items are the indexed levelItem.
inline constexpr QLatin1StringView gameMenu{"menuGame"};
inline constexpr QLatin1StringView newGameItem{"menuNew"};
inline constexpr QLatin1StringView levelItem{"menuLevel"};
inline constexpr QLatin1StringView customItem{"menuCustom"};
inline constexpr QLatin1StringView bestTimesItem{"menuBest"};
inline constexpr QLatin1StringView exitItem{"menuExit"};
inline constexpr QLatin1StringView separatorAfterNewGame{"menusep0"};
inline constexpr QLatin1StringView separatorAfterLevels{"menusep1"};
inline constexpr QLatin1StringView separatorAfterBestTimes{"menusep2"};

// The custom size dialog; captions and boxes are indexed columns, rows, mines.
inline constexpr QLatin1StringView customDialog{"formCustom"};
inline constexpr QLatin1StringView customCaption{"Label1"};
inline constexpr QLatin1StringView customBox{"Text1"};
inline constexpr QLatin1StringView customOk{"Command1"};
inline constexpr QLatin1StringView customCancel{"Command2"};

// The best-times dialog; row captions are indexed by level, entries time then name per level.
inline constexpr QLatin1StringView bestTimesDialog{"formScores"};
inline constexpr QLatin1StringView bestTimesFrame{"Frame1"};
inline constexpr QLatin1StringView bestTimesRowCaption{"Label2"};
inline constexpr QLatin1StringView bestTimesEntry{"Label1"};
inline constexpr QLatin1StringView bestTimesOk{"Command1"};

// One of a row of like controls: the name, an underscore, the index ("Text1_0").
inline QString indexed(QLatin1StringView name, int index) {
    return QStringLiteral("%1_%2").arg(name).arg(index);
}

} // namespace torvane::controlName
