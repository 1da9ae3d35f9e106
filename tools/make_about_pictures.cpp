// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the about window's four pictures and writes them as GIF87a files with one image each:
//   about_banner.gif  400 x 100  three pegs with a stack of coloured disks on a soft sky
//   about_pegs.gif    150 x 150  three pegs on a base, the disks shared between them mid-game
//   about_help.gif     64 x  64  a round blue help sign with a question mark
//   about_disks.gif    48 x  48  a small stack of disks on a peg
// Usage: make_about_pictures <output folder>
// Shapes are drawn with 4 x 4 supersampling and reduced to a palette of at most
// 256 colours; every value is fixed, so the files are the same on every run.

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

struct Colour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

Colour Mix(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Hex(std::uint32_t rgb)
{
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

// The disks' colours, shortest first: a calm rainbow.
const std::array<Colour, 7> DiskColours = {Hex(0xE0555A), Hex(0xEF8C45), Hex(0xEFC34A), Hex(0x6CBF6A),
                                           Hex(0x4BA8C9), Hex(0x5A78D0), Hex(0x8A64C8)};
const Colour PegColour = Hex(0x8B6A4E);
const Colour BaseColour = Hex(0x6E5340);
const Colour White = Hex(0xFFFFFF);

// A picture being drawn: each shape covers what lies below it, edge pixels blended by coverage.
class Canvas {
public:
    Canvas(int width, int height, Colour fill)
        : width_(width), height_(height), pixels_(std::size_t(width * height), fill)
    {
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour At(int x, int y) const { return pixels_[std::size_t(y * width_ + x)]; }

    // Paints a shape given by `inside(x, y)` in picture coordinates (pixel centres at +0.5),
    // in colour `paint(x, y)`, within the bounding box x0..x1, y0..y1.
    template <typename Inside, typename Paint>
    void Fill(double x0, double y0, double x1, double y1, Inside inside, Paint paint)
    {
        constexpr int Samples = 4;
        const int left = std::max(0, int(std::floor(x0)));
        const int top = std::max(0, int(std::floor(y0)));
        const int right = std::min(width_ - 1, int(std::ceil(x1)));
        const int bottom = std::min(height_ - 1, int(std::ceil(y1)));
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                int covered = 0;
                for (int sy = 0; sy < Samples; ++sy) {
                    for (int sx = 0; sx < Samples; ++sx)
                        covered += inside(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples) ? 1 : 0;
                }
                if (covered == 0)
                    continue;
                Colour& pixel = pixels_[std::size_t(y * width_ + x)];
                pixel = Mix(pixel, paint(x + 0.5, y + 0.5), covered / double(Samples * Samples));
            }
        }
    }

private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

// A rectangle with rounded corners of radius r.
bool InRoundedRect(double x, double y, double left, double top, double width, double height, double r)
{
    const double cx = std::clamp(x, left + r, left + width - r);
    const double cy = std::clamp(y, top + r, top + height - r);
    const double dx = x - cx;
    const double dy = y - cy;
    return x >= left && x <= left + width && y >= top && y <= top + height && dx * dx + dy * dy <= r * r;
}

// A rounded bar lit from above: lighter at the top, darker at the bottom.
void Bar(Canvas& canvas, double left, double top, double width, double height, Colour colour)
{
    const double r = std::min(width, height) / 2.0;
    canvas.Fill(
        left, top, left + width, top + height,
        [=](double x, double y) { return InRoundedRect(x, y, left, top, width, height, r); },
        [=](double, double y) {
            const double t = (y - top) / height;
            return t < 0.35 ? Mix(Mix(colour, White, 0.45), colour, t / 0.35)
                            : Mix(colour, Colour{}, (t - 0.35) * 0.35);
        });
}

// Three pegs on a base; `stacks[p]` lists the disk ranks on peg p from the bottom up
// (rank 0 is the shortest). Disk widths run from `shortest` to `longest`.
struct Board {
    double left, top, width, height;
    double diskHeight, shortest, longest;
    std::array<std::vector<int>, 3> stacks;
    int diskCount;
};

void DrawBoard(Canvas& canvas, const Board& board)
{
    const double column = board.width / 3.0;
    const double baseHeight = board.diskHeight * 0.9;
    const double baseTop = board.top + board.height - baseHeight;
    const double pegWidth = std::max(2.0, board.diskHeight * 0.45);
    for (int peg = 0; peg < 3; ++peg) {
        const double centre = board.left + column * (peg + 0.5);
        Bar(canvas, centre - pegWidth / 2, board.top, pegWidth, baseTop - board.top + pegWidth / 2, PegColour);
    }
    Bar(canvas, board.left, baseTop, board.width, baseHeight, BaseColour);
    for (int peg = 0; peg < 3; ++peg) {
        const double centre = board.left + column * (peg + 0.5);
        double bottom = baseTop;
        for (int rank : board.stacks[std::size_t(peg)]) {
            const double t = board.diskCount > 1 ? rank / double(board.diskCount - 1) : 0.0;
            const double width = board.shortest + (board.longest - board.shortest) * t;
            bottom -= board.diskHeight;
            Bar(canvas, centre - width / 2, bottom, width, board.diskHeight * 0.92,
                DiskColours[std::size_t(rank) % DiskColours.size()]);
        }
    }
}

// A soft vertical gradient of sky colours behind the banner's tower.
Canvas Banner()
{
    Canvas canvas(400, 100, White);
    canvas.Fill(
        0, 0, 400, 100, [](double, double) { return true; },
        [](double x, double y) {
            const Colour sky = Mix(Hex(0xDCEBFA), Hex(0xFFFFFF), y / 100.0);
            return Mix(sky, Hex(0xF4EEFB), x / 400.0 * 0.6);
        });
    Board board{150, 14, 240, 80, 8.5, 22, 74, {}, 7};
    board.stacks[0] = {6, 5, 4, 3};
    board.stacks[2] = {2, 1, 0};
    DrawBoard(canvas, board);
    // A row of small disks of every colour to the left, as a quiet title bar.
    for (std::size_t i = 0; i < DiskColours.size(); ++i)
        Bar(canvas, 14 + double(i) * 18, 44, 14, 12, DiskColours[i]);
    return canvas;
}

Canvas Pegs()
{
    Canvas canvas(150, 150, White);
    canvas.Fill(
        4, 4, 146, 146, [](double x, double y) { return InRoundedRect(x, y, 4, 4, 142, 142, 14); },
        [](double, double y) { return Mix(Hex(0xEAF3FC), Hex(0xFFFFFF), y / 150.0); });
    Board board{12, 26, 126, 104, 11, 12, 40, {}, 6};
    board.stacks[0] = {5, 4, 1};
    board.stacks[1] = {3, 0};
    board.stacks[2] = {2};
    DrawBoard(canvas, board);
    return canvas;
}

// The question mark as strokes: a hook from the left over the top to the
// bottom of its circle, a short stem below it and a dot.
bool InQuestionMark(double x, double y, double cx, double cy, double size)
{
    const double stroke = size * 0.11;
    const double radius = size * 0.17;
    const double hookY = cy - size * 0.13;
    const double dx = x - cx;
    const double dy = y - hookY;
    const double angle = std::atan2(dy, dx);  // 0 at the right, -pi/2 at the top
    const bool onHook =
        std::abs(std::sqrt(dx * dx + dy * dy) - radius) <= stroke / 2 && angle >= -2.8 && angle <= std::acos(-1.0) / 2;
    const bool onStem = std::abs(dx) <= stroke / 2 && y >= hookY + radius && y <= hookY + radius + size * 0.1;
    const double dotY = cy + size * 0.3;
    const bool onDot = dx * dx + (y - dotY) * (y - dotY) <= stroke * stroke * 0.45;
    return onHook || onStem || onDot;
}

Canvas Help()
{
    Canvas canvas(64, 64, White);
    const double cx = 32;
    const double cy = 32;
    auto inCircle = [](double radius) {
        return [radius](double x, double y) { return (x - 32) * (x - 32) + (y - 32) * (y - 32) <= radius * radius; };
    };
    canvas.Fill(2, 2, 62, 62, inCircle(29.5), [](double, double) { return Hex(0x2F5F9E); });
    canvas.Fill(4, 4, 60, 60, inCircle(27.5), [](double x, double y) {
        const double t = std::clamp((x + y - 16) / 96.0, 0.0, 1.0);
        return Mix(Hex(0x7FB6EC), Hex(0x3A78C4), t);
    });
    canvas.Fill(
        10, 8, 54, 58, [=](double x, double y) { return InQuestionMark(x, y, cx, cy, 56); },
        [](double, double) { return White; });
    return canvas;
}

// One peg on a short base with four disks, the shortest on top.
Canvas Disks()
{
    Canvas canvas(48, 48, White);
    Bar(canvas, 22, 5, 4, 36, PegColour);
    Bar(canvas, 3, 39, 42, 6, BaseColour);
    for (int rank = 0; rank < 4; ++rank)
        Bar(canvas, 24 - (10 + 4.5 * rank), 11 + 7 * rank, 2 * (10 + 4.5 * rank), 6.5,
            DiskColours[std::size_t(rank) + 2]);
    return canvas;
}

// ---- GIF87a with one image, LZW-compressed ----

struct Indexed {
    std::vector<std::array<std::uint8_t, 3>> palette;
    std::vector<std::uint8_t> pixels;
};

std::uint8_t Byte(double v)
{
    return std::uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

using Rgb = std::array<std::uint8_t, 3>;

struct Counted {
    Rgb rgb;
    int count;
};

// Median cut: the box of colours with the widest channel range is split at
// its pixel-weighted median until there are `limit` boxes; each box becomes
// the average of its colours. A picture with few colours keeps them exactly.
std::vector<Rgb> MedianCut(std::vector<Counted> colours, std::size_t limit)
{
    using Box = std::pair<std::size_t, std::size_t>;  // a range of `colours`
    auto range = [&](const Box& box, int channel) {
        const auto [low, high] = std::minmax_element(
            colours.begin() + std::ptrdiff_t(box.first), colours.begin() + std::ptrdiff_t(box.second),
            [channel](const Counted& a, const Counted& b) {
                return a.rgb[std::size_t(channel)] < b.rgb[std::size_t(channel)];
            });
        return high->rgb[std::size_t(channel)] - low->rgb[std::size_t(channel)];
    };
    auto widest = [&](const Box& box) {
        int best = 0;
        for (int channel = 1; channel < 3; ++channel)
            best = range(box, channel) > range(box, best) ? channel : best;
        return best;
    };
    std::vector<Box> boxes = {{0, colours.size()}};
    while (boxes.size() < limit) {
        auto split = std::max_element(boxes.begin(), boxes.end(), [&](const Box& a, const Box& b) {
            return range(a, widest(a)) < range(b, widest(b));
        });
        if (split->second - split->first < 2)
            break;
        const int channel = widest(*split);
        const auto first = colours.begin() + std::ptrdiff_t(split->first);
        const auto last = colours.begin() + std::ptrdiff_t(split->second);
        std::sort(first, last, [channel](const Counted& a, const Counted& b) {
            return a.rgb[std::size_t(channel)] < b.rgb[std::size_t(channel)];
        });
        long total = 0;
        for (auto it = first; it != last; ++it)
            total += it->count;
        long seen = 0;
        auto middle = first;
        // Both halves keep at least one colour.
        while (middle + 2 != last && (seen += middle->count) * 2 < total)
            ++middle;
        const std::size_t at = std::size_t(middle - colours.begin()) + 1;
        const Box upper{at, split->second};
        split->second = at;
        boxes.push_back(upper);
    }
    std::vector<Rgb> palette;
    for (const Box& box : boxes) {
        double sum[3] = {};
        long count = 0;
        for (std::size_t i = box.first; i < box.second; ++i) {
            for (std::size_t c = 0; c < 3; ++c)
                sum[c] += double(colours[i].rgb[c]) * colours[i].count;
            count += colours[i].count;
        }
        palette.push_back({std::uint8_t(std::lround(sum[0] / double(count))),
                           std::uint8_t(std::lround(sum[1] / double(count))),
                           std::uint8_t(std::lround(sum[2] / double(count)))});
    }
    return palette;
}

std::uint8_t Nearest(const std::vector<Rgb>& palette, const Rgb& rgb)
{
    std::size_t best = 0;
    int bestDistance = INT32_MAX;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        int distance = 0;
        for (std::size_t c = 0; c < 3; ++c)
            distance += (palette[i][c] - rgb[c]) * (palette[i][c] - rgb[c]);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return std::uint8_t(best);
}

Indexed Quantise(const Canvas& canvas)
{
    std::vector<Rgb> pixels;
    std::map<Rgb, int> counts;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Colour c = canvas.At(x, y);
            pixels.push_back({Byte(c.r), Byte(c.g), Byte(c.b)});
            ++counts[pixels.back()];
        }
    }
    std::vector<Counted> colours;
    for (const auto& [rgb, count] : counts)
        colours.push_back({rgb, count});
    Indexed result;
    result.palette = MedianCut(std::move(colours), 256);
    std::map<Rgb, std::uint8_t> index;
    for (const auto& [rgb, count] : counts)
        index[rgb] = Nearest(result.palette, rgb);
    for (const Rgb& rgb : pixels)
        result.pixels.push_back(index[rgb]);
    return result;
}

// Collects variable-width codes least significant bit first, as GIF packs them.
class BitWriter {
public:
    void Put(unsigned code, int width)
    {
        buffer_ |= std::uint32_t(code) << filled_;
        filled_ += width;
        while (filled_ >= 8) {
            bytes_.push_back(std::uint8_t(buffer_));
            buffer_ >>= 8;
            filled_ -= 8;
        }
    }
    std::vector<std::uint8_t> Finish()
    {
        if (filled_ > 0)
            bytes_.push_back(std::uint8_t(buffer_));
        return bytes_;
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::uint32_t buffer_ = 0;
    int filled_ = 0;
};

// GIF's LZW: codes grow from minimum size + 1 bits up to 12; a full table is
// cleared and started afresh.
std::vector<std::uint8_t> Lzw(const std::vector<std::uint8_t>& pixels, int minimumCodeSize)
{
    const unsigned clear = 1u << minimumCodeSize;
    const unsigned end = clear + 1;
    std::map<std::pair<unsigned, std::uint8_t>, unsigned> table;
    unsigned next = end + 1;
    int width = minimumCodeSize + 1;
    BitWriter out;
    out.Put(clear, width);
    unsigned prefix = pixels.front();
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        const std::uint8_t pixel = pixels[i];
        const auto found = table.find({prefix, pixel});
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        out.Put(prefix, width);
        if (next < 4096) {
            table[{prefix, pixel}] = next++;
            if (next > (1u << width) && width < 12)
                ++width;
        } else {
            out.Put(clear, width);
            table.clear();
            next = end + 1;
            width = minimumCodeSize + 1;
        }
        prefix = pixel;
    }
    out.Put(prefix, width);
    out.Put(end, width);
    return out.Finish();
}

void PutWord(std::vector<std::uint8_t>& out, int value)
{
    out.push_back(std::uint8_t(value & 0xFF));
    out.push_back(std::uint8_t(value >> 8));
}

std::vector<std::uint8_t> EncodeGif(const Canvas& canvas)
{
    const Indexed picture = Quantise(canvas);
    int tableBits = 1;
    while ((1u << tableBits) < picture.palette.size())
        ++tableBits;
    std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '7', 'a'};
    PutWord(out, canvas.Width());
    PutWord(out, canvas.Height());
    out.push_back(std::uint8_t(0x80 | 0x70 | (tableBits - 1)));  // global table, 8 bits per primary
    out.push_back(0);                                            // background colour index
    out.push_back(0);                                            // no aspect ratio
    for (std::size_t i = 0; i < (1u << tableBits); ++i) {
        const auto rgb = i < picture.palette.size() ? picture.palette[i] : std::array<std::uint8_t, 3>{};
        out.insert(out.end(), rgb.begin(), rgb.end());
    }
    out.push_back(',');
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, canvas.Width());
    PutWord(out, canvas.Height());
    out.push_back(0);  // no local table, not interlaced
    const int minimumCodeSize = std::max(2, tableBits);
    out.push_back(std::uint8_t(minimumCodeSize));
    const std::vector<std::uint8_t> data = Lzw(picture.pixels, minimumCodeSize);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, data.size() - at);
        out.push_back(std::uint8_t(length));
        out.insert(out.end(), data.begin() + std::ptrdiff_t(at), data.begin() + std::ptrdiff_t(at + length));
    }
    out.push_back(0);  // block terminator
    out.push_back(';');
    return out;
}

bool Write(const std::filesystem::path& path, const Canvas& canvas)
{
    const std::vector<std::uint8_t> bytes = EncodeGif(canvas);
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const std::pair<const char*, Canvas> pictures[] = {{"about_banner.gif", Banner()},
                                                       {"about_pegs.gif", Pegs()},
                                                       {"about_help.gif", Help()},
                                                       {"about_disks.gif", Disks()}};
    for (const auto& [name, canvas] : pictures) {
        if (!Write(folder / name, canvas)) {
            std::fprintf(stderr, "cannot write %s\n", (folder / name).string().c_str());
            return 1;
        }
    }
    return 0;
}
