#pragma once
#include <cstdint>
#include <string>

#include "platform/unit_ref.h"
#include "ui/main_window_template.h"

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

void NewGame(bool Redraw = false, bool Silent = false, bool KeepCounters = false);
void StartClockIfIdle();
void ClockTick();
void SettleDrop(std::int32_t targetPeg, bool legal);
void TogglePause();
