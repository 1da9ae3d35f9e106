#pragma once
#include <string>
#include <vector>

// The pictures of the background folder, one per game in turn.
extern std::vector<std::string> BackgroundList;

// Shows the next picture of the list behind the board, wrapping round; an
// empty list leaves the built-in picture.
void NextBackground();
