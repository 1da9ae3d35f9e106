#include "platform/profile.h"

#include "platform/gbk.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace {

// The line break every line written here ends with.
constexpr std::string_view LineBreak = "\r\n";

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ' && !IsLineBreak(c);
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
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

// The first "]" that is not the trail byte of a multi-byte character.
std::size_t FindClosingBracket(std::string_view s)
{
    for (std::size_t i = 0; i < s.size(); i += GbkCharLength(s, i)) {
        if (s[i] == ']')
            return i;
    }
    return std::string_view::npos;
}

struct Line {
    enum class Kind { Blank, Section, Key, Other };
    std::size_t begin = 0;  // first byte of the line
    std::size_t end = 0;    // one past its last byte before the line break
    std::size_t next = 0;   // first byte after the line break
    Kind kind = Kind::Other;
    std::string_view name;   // section or key name, trimmed
    std::string_view value;  // key value, trimmed
};

// Reads the text line by line. A line ends at CR LF, LF or a lone CR, or at
// the end of the text.
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

        const std::string_view content = Trim(text_.substr(line.begin, line.end - line.begin));
        if (content.empty()) {
            line.kind = Line::Kind::Blank;
        } else if (content.front() == '[') {
            // A header without its "]" names the section up to the line's end.
            const std::string_view inside = content.substr(1);
            line.kind = Line::Kind::Section;
            line.name = Trim(inside.substr(0, FindClosingBracket(inside)));
        } else if (content.front() != ';') {
            const std::size_t equals = content.find('=');
            if (equals != std::string_view::npos) {
                line.kind = Line::Kind::Key;
                line.name = Trim(content.substr(0, equals));
                line.value = Trim(content.substr(equals + 1));
            }
        }
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

std::string_view StripQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Cuts GBK bytes to the value limit without splitting a character.
std::string_view CapValue(std::string_view bytes)
{
    if (bytes.size() <= ProfileValueLimit)
        return bytes;
    std::size_t cut = 0;
    while (cut + GbkCharLength(bytes, cut) <= ProfileValueLimit)
        cut += GbkCharLength(bytes, cut);
    return bytes.substr(0, cut);
}

// The default as a read returns it: without trailing blanks, within the limit.
std::string DefaultResult(const std::string& defaultText)
{
    std::string_view text = defaultText;
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    // GB18030 needs at most twice the bytes of UTF-8, so only a long default
    // can exceed the limit.
    if (text.size() <= ProfileValueLimit / 2)
        return std::string(text);
    return GbkToUtf8(CapValue(Utf8ToGbk(text)));
}

std::string_view SkipLeadingControls(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    return std::string_view(text).substr(i);
}

enum class FileState { Missing, Unreadable, Read };

FileState ReadFileBytes(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.exists() ? FileState::Unreadable : FileState::Missing;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? FileState::Read : FileState::Unreadable;
}

// Writes the whole file to a temporary file beside it, then renames that over
// the old one, so a crash or a full disk never leaves a partial file.
bool ReplaceFile(const QString& path, std::string_view bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return file.commit();
}

// Whether the last line of the text holds nothing but blanks; true for an
// empty text.
bool LastLineIsBlank(std::string_view text)
{
    if (text.ends_with(LineBreak))
        text.remove_suffix(LineBreak.size());
    else if (!text.empty() && IsLineBreak(text.back()))
        text.remove_suffix(1);
    const std::size_t lastBreak = text.find_last_of("\r\n");
    return Trim(text.substr(lastBreak == std::string_view::npos ? 0 : lastBreak + 1)).empty();
}

std::string SetValue(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value)
{
    const std::optional<Line> header = FindSection(text, section);
    std::string result;
    if (!header) {
        // A new section goes to the end of the file, after one blank line.
        result = text;
        if (!text.empty() && !IsLineBreak(text.back()))
            result += LineBreak;
        if (!LastLineIsBlank(text))
            result += LineBreak;
        result.append("[").append(section).append("]").append(LineBreak);
        result.append(key).append("=").append(value).append(LineBreak);
        return result;
    }

    const SectionBody body = ScanSection(text, *header, key);
    if (body.key) {
        // The value is replaced in place: the line becomes "name=value",
        // keeping the name as the file spells it and the line's own break.
        const Line& line = *body.key;
        result.append(text.substr(0, line.begin));
        result.append(line.name).append("=").append(value);
        result.append(text.substr(line.end));
        return result;
    }

    // A new key follows the last line of its section that is not blank.
    const std::size_t at = body.lastContent.next;
    result.append(text.substr(0, at));
    if (at == body.lastContent.end)
        result += LineBreak;
    result.append(key).append("=").append(value).append(LineBreak);
    result.append(text.substr(at));
    return result;
}

std::string Erase(std::string_view text, std::size_t from, std::size_t to)
{
    std::string result(text.substr(0, from));
    result.append(text.substr(to));
    return result;
}

std::optional<std::string> RemoveKey(std::string_view text, std::string_view section,
                                     std::string_view key)
{
    const std::optional<Line> header = FindSection(text, section);
    if (!header)
        return std::nullopt;
    const SectionBody body = ScanSection(text, *header, key);
    if (!body.key)
        return std::nullopt;
    return Erase(text, body.key->begin, body.key->next);
}

std::optional<std::string> RemoveSection(std::string_view text, std::string_view section)
{
    const std::optional<Line> header = FindSection(text, section);
    if (!header)
        return std::nullopt;
    const SectionBody body = ScanSection(text, *header, {});
    return Erase(text, header->begin, body.end);
}

}  // namespace

std::string ReadProfileText(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& defaultText)
{
    const std::string_view fileName = SkipLeadingControls(file);
    const std::string_view sectionName = SkipLeadingControls(section);
    const std::string_view keyName = SkipLeadingControls(key);
    if (fileName.empty() || sectionName.empty() || keyName.empty())
        return {};

    QByteArray content;
    const QString path = QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
    if (ReadFileBytes(path, content) != FileState::Read)
        return DefaultResult(defaultText);
    const std::string_view text(content.constData(), static_cast<std::size_t>(content.size()));

    const std::optional<Line> header = FindSection(text, Utf8ToGbk(sectionName));
    if (!header)
        return DefaultResult(defaultText);
    const SectionBody body = ScanSection(text, *header, Utf8ToGbk(keyName));
    if (!body.key)
        return DefaultResult(defaultText);
    return GbkToUtf8(CapValue(StripQuotes(body.key->value)));
}

bool WriteProfileText(const std::string& file, const std::string& section,
                      std::optional<std::string> key, std::optional<std::string> value)
{
    if (file.empty())
        return false;
    const QString path = QString::fromUtf8(file);
    QByteArray content;
    const FileState state = ReadFileBytes(path, content);
    if (state == FileState::Unreadable)
        return false;
    if (state == FileState::Read && !QFileInfo(path).isWritable())
        return false;
    const std::string_view text(content.constData(), static_cast<std::size_t>(content.size()));

    const std::string sectionName = Utf8ToGbk(section);
    std::optional<std::string> updated;
    if (!key)
        updated = RemoveSection(text, sectionName);
    else if (!value)
        updated = RemoveKey(text, sectionName, Utf8ToGbk(*key));
    else
        updated = SetValue(text, sectionName, Utf8ToGbk(*key), Utf8ToGbk(*value));

    if (state == FileState::Missing) {
        // Windows leaves an empty file behind even when there was nothing to remove.
        return ReplaceFile(path, updated ? std::string_view(*updated) : std::string_view());
    }
    // A file that already holds the result is not rewritten.
    if (!updated || *updated == text)
        return true;
    return ReplaceFile(path, *updated);
}
