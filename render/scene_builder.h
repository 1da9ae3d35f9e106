#pragma once
#include <cstdint>
#include <string>

// Tags that tell the board's labels apart: pegs from 112 up, disks from 223 up.
std::string PegTag(std::int32_t peg);
std::string DiskTag(std::int32_t disk);
inline constexpr std::int32_t FirstPegTag = 112;
inline constexpr std::int32_t LastPegTag = 222;

// Clones a label per peg and per disk from the templates, styled, tagged and
// captioned, into the fresh `Pegs`; every disk goes to the main peg.
void BuildBoardElements();
