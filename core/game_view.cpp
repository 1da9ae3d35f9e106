// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_view.h"

namespace {
class NoView : public GameView {
public:
    void BuildBoardElements() override {}
    void LayoutScene() override {}
    void NextBackground() override {}
    void ShowStatus(int, const std::string&) override {}
    void RunClock(bool) override {}
    void ShowPaused(bool) override {}
    void LiftCancelled() override {}
    void ProcessPendingMessages() override {}
    bool WaitWhileOpen(std::int32_t) override { return true; }
};

NoView noView;
GameView* installed = &noView;
}  // namespace

void SetGameView(GameView* view)
{
    installed = view ? view : &noView;
}

GameView& View()
{
    return *installed;
}
