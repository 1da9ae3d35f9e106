// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/records_text.h"

#include <charconv>
#include <optional>
#include <set>

#include "core/fewest_moves.h"
#include "core/settings_table.h"

namespace {
constexpr std::string_view BlankBytes = " \t\r";

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(BlankBytes);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(BlankBytes) - first + 1);
}

// A plain decimal from 0 to `most`: digits only, no sign, no leading zero.
std::optional<std::int64_t> Count(std::string_view text, std::int64_t most)
{
    if (text.empty() || text.size() > 18 || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > most)
        return std::nullopt;
    return value;
}

// "2026-12-08": a year of four digits, a month and a day of the calendar.
bool IsDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (const std::size_t at : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[at] < '0' || text[at] > '9')
            return false;
    const int month = (text[5] - '0') * 10 + (text[6] - '0');
    const int day = (text[8] - '0') * 10 + (text[9] - '0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

std::string Header(const RecordBoard& board)
{
    return "[" + std::to_string(board.PegCount) + " pegs " + std::to_string(board.DiskCount) + " disks " +
           (board.Reverse ? "reverse" : "normal") + "]";
}

// The board a header names, within the game's limits.
std::optional<RecordBoard> BoardOf(std::string_view header)
{
    if (header.size() < 2 || header.front() != '[' || header.back() != ']')
        return std::nullopt;
    header = header.substr(1, header.size() - 2);
    std::string_view words[5];
    for (std::string_view& word : words) {
        const std::size_t space = header.find(' ');
        word = header.substr(0, space);
        header = space == std::string_view::npos ? std::string_view() : header.substr(space + 1);
    }
    const auto pegs = Count(words[0], MaxPegCount);
    const auto disks = Count(words[2], MaxDiskCount);
    const bool reverse = words[4] == "reverse";
    if (!header.empty() || words[1] != "pegs" || words[3] != "disks" || !(reverse || words[4] == "normal") || !pegs ||
        !disks || *pegs < MinPegCount || *disks < MinDiskCount)
        return std::nullopt;
    return RecordBoard{std::int32_t(*pegs), std::int32_t(*disks), reverse};
}

// One board's keys as they are read, checked once its section ends.
class SectionReader {
public:
    explicit SectionReader(RecordBoard board) : board_(board) {}
    const RecordBoard& Board() const { return board_; }

    // False for an unknown or repeated key or a value it cannot hold.
    bool Take(std::string_view key, std::string_view value)
    {
        if (!seen_.insert(std::string(key)).second)
            return false;
        if (key == "best_time")
            return Number(value, MostRecordedSeconds, records_.Time.Value);
        if (key == "fewest_moves")
            return Number(value, MostRecordedCount, records_.Moves.Value);
        if (key == "completed")
            return Number(value, MostRecordedCount, records_.Completed);
        if (key == "best_time_date")
            return Date(value, records_.Time.Date);
        if (key == "fewest_moves_date")
            return Date(value, records_.Moves.Date);
        return key == "fewest_possible" || key == "fewest_possible_proven";
    }

    // The board's records when they hold together.
    std::optional<BoardRecords> Finish() const
    {
        if (records_.Completed < 1 || !Whole(records_.Time) || !Whole(records_.Moves))
            return std::nullopt;
        if (records_.Moves.Set()) {
            const FewestMoves fewest = FewestFromTower(board_.PegCount, board_.DiskCount);
            if (fewest.Proven && BigCount(std::uint64_t(records_.Moves.Value)) < fewest.Moves)
                return std::nullopt;
        }
        return records_;
    }

private:
    static bool Number(std::string_view text, std::int64_t most, std::int64_t& field)
    {
        const auto value = Count(text, most);
        if (value)
            field = *value;
        return value.has_value();
    }
    static bool Date(std::string_view text, std::string& field)
    {
        if (!IsDate(text))
            return false;
        field = std::string(text);
        return true;
    }
    // A best and its day come together.
    static bool Whole(const BestMark& mark) { return mark.Set() == !mark.Date.empty(); }

    RecordBoard board_;
    BoardRecords records_;
    std::set<std::string> seen_;
};

void AddLine(std::string& text, std::string_view key, const std::string& value)
{
    text.append(key).append("=").append(value).append("\n");
}
}  // namespace

std::string RecordsText(const RecordTable& table)
{
    std::string text;
    for (const auto& [board, records] : table) {
        text += Header(board) + "\n";
        if (records.Time.Set()) {
            AddLine(text, "best_time", std::to_string(records.Time.Value));
            AddLine(text, "best_time_date", records.Time.Date);
        }
        if (records.Moves.Set()) {
            AddLine(text, "fewest_moves", std::to_string(records.Moves.Value));
            AddLine(text, "fewest_moves_date", records.Moves.Date);
        }
        AddLine(text, "completed", std::to_string(records.Completed));
        const FewestMoves fewest = FewestFromTower(board.PegCount, board.DiskCount);
        AddLine(text, "fewest_possible", fewest.Moves.DecimalText());
        AddLine(text, "fewest_possible_proven", fewest.Proven ? "yes" : "no");
    }
    return text;
}

ReadRecords ParseRecords(std::string_view text)
{
    ReadRecords read;
    std::set<RecordBoard> named;
    std::optional<SectionReader> section;
    // The keys under a damaged header are passed over with it.
    bool skipping = false;
    const auto finish = [&] {
        if (!section)
            return;
        if (const auto records = section->Finish())
            read.Table.emplace(section->Board(), *records);
        else
            read.Damaged = true;
        section.reset();
    };
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            finish();
            const auto board = BoardOf(line);
            skipping = !board || !named.insert(*board).second;
            read.Damaged |= skipping;
            if (!skipping)
                section.emplace(*board);
            continue;
        }
        if (skipping)
            continue;
        const std::size_t equals = line.find('=');
        if (!section || equals == std::string_view::npos ||
            !section->Take(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)))) {
            // The section holds a value it cannot take: the whole board goes.
            read.Damaged = true;
            section.reset();
            skipping = true;
        }
    }
    finish();
    return read;
}
