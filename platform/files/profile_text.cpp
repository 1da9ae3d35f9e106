// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/profile_text.h"

#include "platform/texts/gbk.h"

namespace {

// The line break every line written here ends with.
constexpr std::string_view LineBreak = "\r\n";

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names match without regard to ASCII letter case; the bytes of a multi-byte
// character match exactly, since its trail byte may look like a letter.
bool NamesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t length = GbkCharLength(a, i);
        if (length == 1) {
            if (AsciiLower(a[i]) != AsciiLower(b[i]))
                return false;
        } else if (a.substr(i, length) != b.substr(i, length)) {
            return false;
        }
        i += length;
    }
    return true;
}

// The last "]" that is not the trail byte of a multi-byte character.
std::size_t FindLastClosingBracket(std::string_view s)
{
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < s.size(); i += GbkCharLength(s, i)) {
        if (s[i] == ']')
            found = i;
    }
    return found;
}

struct Line {
    enum class Kind {
        Blank,
        Section,
        Key,
        Other
    };
    std::size_t begin = 0;  // first byte of the line
    std::size_t end = 0;    // one past its last byte before the line break
    std::size_t next = 0;   // first byte after the line break
    Kind kind = Kind::Other;
    std::string_view name;   // section or key name, trimmed
    std::string_view value;  // key value, trimmed
};

void Classify(std::string_view content, Line& line)
{
    if (content.empty()) {
        line.kind = Line::Kind::Blank;
        return;
    }
    if (content.front() == '[') {
        const std::string_view inside = content.substr(1);
        if (const std::size_t close = FindLastClosingBracket(inside); close != std::string_view::npos) {
            line.kind = Line::Kind::Section;
            line.name = TrimProfileName(inside.substr(0, close));
            return;
        }
    }
    if (content.front() == ';')
        return;
    if (const std::size_t equals = content.find('='); equals != std::string_view::npos) {
        line.kind = Line::Kind::Key;
        line.name = TrimProfileName(content.substr(0, equals));
        line.value = TrimProfileName(content.substr(equals + 1));
    }
}

// Reads the text line by line.
class LineReader {
public:
    explicit LineReader(std::string_view text, std::size_t from = 0) : text_(text), at_(from) {}

    bool Next(Line& line)
    {
        if (at_ >= text_.size())
            return false;
        line = Line{};
        line.begin = at_;
        line.end = text_.find_first_of("\r\n", at_);
        if (line.end == std::string_view::npos)
            line.end = text_.size();
        line.next = line.end;
        if (line.next < text_.size())
            line.next += text_.compare(line.next, 2, LineBreak) == 0 ? 2 : 1;
        at_ = line.next;
        Classify(TrimProfileName(text_.substr(line.begin, line.end - line.begin)), line);
        return true;
    }

private:
    std::string_view text_;
    std::size_t at_;
};

std::optional<Line> FindSection(std::string_view text, std::string_view name)
{
    LineReader reader(text);
    Line line;
    while (reader.Next(line)) {
        if (line.kind == Line::Kind::Section && NamesEqual(line.name, name))
            return line;
    }
    return std::nullopt;
}

struct SectionBody {
    std::optional<Line> key;  // the first line of the key sought
    Line lastContent;         // the last line that is not blank; the header when none
    std::size_t end = 0;      // where the next section starts, or the end of the text
};

SectionBody ScanSection(std::string_view text, const Line& header, std::string_view key)
{
    SectionBody body;
    body.lastContent = header;
    body.end = text.size();
    LineReader reader(text, header.next);
    Line line;
    while (reader.Next(line)) {
        if (line.kind == Line::Kind::Section) {
            body.end = line.begin;
            break;
        }
        if (line.kind != Line::Kind::Blank)
            body.lastContent = line;
        if (line.kind == Line::Kind::Key && !body.key && NamesEqual(line.name, key))
            body.key = line;
    }
    return body;
}

// The first line of `key` in the first `section`, names trimmed.
std::optional<Line> FindKey(std::string_view text, std::string_view section, std::string_view key)
{
    const std::optional<Line> header = FindSection(text, TrimProfileName(section));
    if (!header)
        return std::nullopt;
    return ScanSection(text, *header, TrimProfileName(key)).key;
}

std::string_view StripQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string Erase(std::string_view text, std::size_t from, std::size_t to)
{
    std::string result(text.substr(0, from));
    result.append(text.substr(to));
    return result;
}

std::string WithNewSection(std::string_view text, std::string_view section, std::string_view key,
                           std::string_view value)
{
    std::string result(text);
    if (!text.empty() && !IsLineBreak(text.back()))
        result += LineBreak;
    result.append("[").append(section).append("]").append(LineBreak);
    result.append(key).append("=").append(value).append(LineBreak);
    return result;
}

}  // namespace

std::string_view TrimProfileName(std::string_view name)
{
    while (!name.empty() && IsBlank(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && IsBlank(name.back()))
        name.remove_suffix(1);
    return name;
}

std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section, std::string_view key)
{
    const std::optional<Line> line = FindKey(text, section, key);
    if (!line)
        return std::nullopt;
    return StripQuotes(line->value);
}

std::string ProfileWithValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value)
{
    section = TrimProfileName(section);
    key = TrimProfileName(key);
    const std::optional<Line> header = FindSection(text, section);
    if (!header)
        return WithNewSection(text, section, key, value);

    std::string result;
    const SectionBody body = ScanSection(text, *header, key);
    if (body.key) {
        // The line becomes "name=value", keeping the name as the file spells
        // it and the line's own break.
        const Line& line = *body.key;
        result.append(text.substr(0, line.begin));
        result.append(line.name).append("=").append(value);
        result.append(text.substr(line.end));
        return result;
    }

    const std::size_t at = body.lastContent.next;
    result.append(text.substr(0, at));
    if (at == body.lastContent.end)
        result += LineBreak;
    result.append(key).append("=").append(value).append(LineBreak);
    result.append(text.substr(at));
    return result;
}

std::optional<std::string> ProfileWithoutKey(std::string_view text, std::string_view section, std::string_view key)
{
    const std::optional<Line> line = FindKey(text, section, key);
    if (!line)
        return std::nullopt;
    return Erase(text, line->begin, line->next);
}

std::optional<std::string> ProfileWithoutSection(std::string_view text, std::string_view section)
{
    const std::optional<Line> header = FindSection(text, TrimProfileName(section));
    if (!header)
        return std::nullopt;
    const SectionBody body = ScanSection(text, *header, {});
    return Erase(text, header->begin, body.end);
}
