// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

// The lifted disk: which, from where, and the peg it was last carried over.
struct DiskLift {
    bool DragActive = false;
    std::int32_t SourcePeg = 0;
    // Kept from one lift to the next and through a new game: the tip names a
    // peg only when the lifted disk comes over another one.
    std::int32_t TargetPeg = 0;
    std::int32_t LiftedDisk = 0;
    // Lifted by a key: it moves from column to column with the keyboard
    // column, not with the mouse.
    bool ByKeyboard = false;
};

// The course of the game in progress and the options it follows.
struct GameCourse {
    // Whole seconds the clock has counted in this game; 0 until its first tick.
    std::int32_t ElapsedSeconds = 0;
    std::int32_t StepCount = 0;
    // The legal moves of the game, one "A→C" line each, joined by "\r\n".
    std::string MoveRecord;
    // The clock ticks once a second while it runs.
    bool ClockRunning = false;
    DiskLift Lift;
    // The peg the keys point at: the main peg at each new game. Shown once an
    // arrow key has been used in this session, and while nothing is lifted.
    std::int32_t KeyboardColumn = 0;
    bool KeyboardColumnShown = false;
    // Counts the games started, so that what belongs to one game (a
    // demonstration) can tell when another has begun.
    std::int64_t GameNumber = 0;
    // The menu's options "静音       (J)" and "正确放下方计一步"; its check marks show them.
    bool MuteSounds = false;
    bool CountOnlyCorrect = true;
};

extern GameCourse Course;

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
void ClockTick();
// Counts the step of a drop on `targetPeg` and finishes the transfer when the
// peg is full; a drop on the main peg counts nothing and may spin in place.
void SettleDrop(std::int32_t targetPeg, bool legal);
void TogglePause();
// Paused: the cover hides the board and the clock stands still. Nothing
// moves then, whatever asks: no lift, no hint, no demonstration.
bool GamePaused();
