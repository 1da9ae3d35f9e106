// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

#include "core/main_window_units.h"

// What the course of a game asks of the window that shows it. The main window
// installs the product's view when it is created; tests install one that
// records what is asked. With none installed, nothing is shown.
class GameView {
public:
    virtual ~GameView() = default;
    // Labels for the board `BuildBoard` has just made.
    virtual void BuildBoardElements() = 0;
    // Places every label of the board from the model.
    virtual void LayoutScene() = 0;
    virtual void NextBackground() = 0;
    virtual void ShowStatus(int part, const std::string& text) = 0;
    // Starts or stops the clock's ticks (one a second while running).
    virtual void RunClock(bool running) = 0;
    // Shows or hides the pause cover and the pause check mark.
    virtual void ShowPaused(bool paused) = 0;
    // A lift ended without a put-down (a new game or a pause meanwhile).
    virtual void LiftCancelled() = 0;
    virtual void ProcessPendingMessages() = 0;
    // Waits about that many milliseconds while the window stays responsive;
    // false once the main window is gone.
    virtual bool WaitWhileOpen(std::int32_t milliseconds) = 0;
};

void SetGameView(GameView* view);
// The view installed; one that shows nothing when none is.
GameView& View();
