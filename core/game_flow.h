#pragma once
#include <cstdint>
#include <string>

#include "core/main_window_units.h"
#include "platform/templates/unit_ref.h"

// Whole seconds the clock has counted in this game; 0 until its first tick.
extern std::int32_t ElapsedSeconds;
extern std::int32_t StepCount;
// The legal moves of the game, one "A→C" line each, joined by "\r\n".
extern std::string MoveRecord;
// The game clock: interval 0 stopped, 1000 running.
inline constexpr UnitRef GameClock = 时钟耗费时间;

// The check marks of the menu entries "正确放下方计一步" and "静音       (J)".
bool CountOnlyCorrect();
bool MuteSounds();

// What the course of a game asks of the layers above the model: the board's
// labels, the drag in progress and the background picture. The main window
// installs them when it is created; an unset one is skipped.
struct GameView {
    // Labels for the board `BuildBoard` has just made.
    void (*BuildBoardElements)() = nullptr;
    void (*LayoutScene)() = nullptr;
    // Ends a drag without a drop; true when one was in progress.
    bool (*CancelDrag)() = nullptr;
    void (*NextBackground)() = nullptr;
};
void SetGameView(const GameView& view);

// How `NewGame` starts a game: by default it neither lays the board out
// (the next resize does) nor keeps quiet nor keeps the counters.
namespace new_game {
enum Flag : unsigned {
    Redraw = 1,
    Silent = 2,
    KeepCounters = 4,
};
}  // namespace new_game

void NewGame(unsigned flags = 0);
void StartClockIfIdle();
// The pause cover over the whole play area, above the status bar.
void PlacePauseCover();
void ClockTick();
void SettleDrop(std::int32_t targetPeg, bool legal);
void TogglePause();
