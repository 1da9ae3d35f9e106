#include "render/background.h"

#include "core/game_settings.h"
#include "platform/files.h"
#include "platform/units.h"
#include "ui/main_window_template.h"

std::vector<std::string> BackgroundList;

void NextBackground()
{
    if (BackgroundList.empty())
        return;
    GameSettings.BackgroundIndex += 1;
    if (GameSettings.BackgroundIndex < 1 || GameSettings.BackgroundIndex > std::int32_t(BackgroundList.size()))
        GameSettings.BackgroundIndex = 1;
    // A file gone since start-up gives an empty picture: no picture for its turn.
    SetBytes(主窗口, prop::WindowPicture, ReadWholeFile(BackgroundList[std::size_t(GameSettings.BackgroundIndex - 1)]));
}
