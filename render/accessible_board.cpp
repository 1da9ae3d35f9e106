// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/accessible_board.h"

#include <vector>

#include "core/board.h"
#include "core/game_flow.h"
#include "core/game_settings.h"
#include "core/main_window_units.h"
#include "platform/texts/translation.h"
#include "platform/units/units.h"
#include "render/scene_builder.h"

namespace {
std::int32_t DiskCountOn(std::int32_t peg)
{
    std::int32_t count = 0;
    for (std::int32_t k = 1; k <= Pegs[peg].Slots.Size(); ++k)
        count += IsOccupied(Pegs[peg].Slots[k]) ? 1 : 0;
    return count;
}

// "B 柱，主柱": the peg's letter, and whether it is the main peg.
std::string PegTitle(std::int32_t peg)
{
    std::string title = FillIn(Translate("Board", "%1 柱"), {PegLetter(peg)});
    if (peg == GameSettings.MainPeg)
        title += Translate("Board", "，主柱");
    return title;
}

std::string PegName(std::int32_t peg)
{
    const std::int32_t count = DiskCountOn(peg);
    if (count == 0)
        return PegTitle(peg) + Translate("Board", "，空");
    return PegTitle(peg) + TranslateCount("Board", "，%n 个盘", nullptr, count) +
           FillIn(Translate("Board", "，顶上 %1 号盘"), {std::to_string(TopDisk(peg))});
}

// The numbers of the peg's disks from the bottom up: longest first, or in reverse mode shortest first.
std::vector<std::int32_t> DisksFromBottom(std::int32_t peg)
{
    const std::int32_t slots = Pegs[peg].Slots.Size();
    std::vector<std::int32_t> disks;
    for (std::int32_t i = 1; i <= slots; ++i) {
        const std::int32_t k = ReverseMode ? i : slots + 1 - i;
        if (IsOccupied(Pegs[peg].Slots[k]))
            disks.push_back(k);
    }
    return disks;
}

std::string NumberList(std::vector<std::int32_t>::const_iterator first, std::vector<std::int32_t>::const_iterator last)
{
    std::string list;
    for (auto it = first; it != last; ++it)
        list += (list.empty() ? "" : " ") + std::to_string(*it);
    return list;
}

std::string PegDisks(std::int32_t peg)
{
    const std::vector<std::int32_t> disks = DisksFromBottom(peg);
    return disks.empty() ? std::string()
                         : FillIn(Translate("Board", "从下到上：%1"), {NumberList(disks.begin(), disks.end())});
}

// The numbers of the peg's disks from the bottom up, but for a tall stack
// only its ends: a listener cannot keep hundreds of numbers in mind.
std::string SpokenDisks(const std::vector<std::int32_t>& disks)
{
    constexpr std::size_t EndShown = 10;
    if (disks.size() <= 2 * EndShown)
        return NumberList(disks.begin(), disks.end());
    const auto between = std::int32_t(disks.size() - 2 * EndShown);
    return NumberList(disks.begin(), disks.begin() + EndShown) +
           TranslateCount("Board", "，中间另有 %n 个盘，", nullptr, between) +
           NumberList(disks.end() - EndShown, disks.end());
}

// The two ways a disk is named, translated once for the whole board.
struct DiskNames {
    std::string lifted = Translate("Board", "%1 号盘，从 %2 柱举起，在 %3 柱上方");
    std::string lying = Translate("Board", "%1 号盘，在 %2 柱");
};

std::string DiskName(const DiskNames& names, std::int32_t disk, std::int32_t peg)
{
    const std::string number = std::to_string(disk);
    const DiskLift& lift = Course.Lift;
    if (lift.DragActive && lift.LiftedDisk == disk)
        return FillIn(names.lifted, {number, PegLetter(lift.SourcePeg), PegLetter(lift.TargetPeg)});
    return FillIn(names.lying, {number, PegLetter(peg)});
}

void WriteDescriptions()
{
    if (!UnitExists(标签键盘列))
        return;
    // The peg each disk lies on, from one pass over the board.
    std::vector<std::int32_t> pegOf(std::size_t(BoardView.Disks.Size()) + 1, 0);
    for (std::int32_t peg = 1; peg <= BoardView.Pegs.Size() && peg <= Pegs.Size(); ++peg) {
        Set(PegLabel(peg), prop::AccessibleName, PegName(peg));
        Set(PegLabel(peg), prop::AccessibleDescription, PegDisks(peg));
        for (std::int32_t k = 1; k <= Pegs[peg].Slots.Size() && k <= BoardView.Disks.Size(); ++k) {
            if (IsOccupied(Pegs[peg].Slots[k]))
                pegOf[std::size_t(k)] = peg;
        }
    }
    const DiskNames names;
    for (std::int32_t disk = 1; disk <= BoardView.Disks.Size(); ++disk)
        Set(DiskLabel(disk), prop::AccessibleName, DiskName(names, disk, pegOf[std::size_t(disk)]));
    Set(标签键盘列, prop::AccessibleName,
        FillIn(Translate("Board", "键盘列：%1 柱"), {PegLetter(Course.KeyboardColumn)}));
}
}  // namespace

void DescribeBoard()
{
    // Only a screen reader reads these texts: until one listens, a layout of a
    // thousand disks writes none of them, and one that starts to listen later
    // has the board described then.
    static const bool observing = (WhenScreenReaderStarts(WriteDescriptions), true);
    if (observing && ScreenReaderListening())
        WriteDescriptions();
}

void AnnounceKeyboardColumn()
{
    DescribeBoard();
    if (Course.Lift.DragActive && Course.Lift.ByKeyboard)
        AnnounceUnit(DiskLabel(Course.Lift.LiftedDisk));
    else if (Course.KeyboardColumn >= 1 && Course.KeyboardColumn <= BoardView.Pegs.Size())
        AnnounceUnit(PegLabel(Course.KeyboardColumn));
}

void SpeakKeyboardColumn()
{
    const std::int32_t peg = Course.KeyboardColumn;
    if (peg < 1 || peg > Pegs.Size())
        return;
    const std::vector<std::int32_t> disks = DisksFromBottom(peg);
    SpeakText(disks.empty() ? PegTitle(peg) + Translate("Board", "，空")
                            : FillIn(Translate("Board", "%1，从下到上：%2"), {PegTitle(peg), SpokenDisks(disks)}));
}
