// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the game's icon: three pegs on an orange base with a stack of blue
// disks on the middle, red peg, over a dusk sky, in the looks of the board.
// Writes the hicolor theme's PNG sizes and a scalable SVG of the same shapes:
//   <folder>/<size>x<size>/apps/<name>.png   for 16 24 32 48 64 128 256
//   <folder>/scalable/apps/<name>.svg
// Usage: make_icons <folder> <name>
// The drawing is pure geometry, so every run writes the same files.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <zlib.h>

namespace {

struct Colour {
    double r = 0, g = 0, b = 0, a = 0;
};

Colour Rgb(int r, int g, int b)
{
    return {r / 255.0, g / 255.0, b / 255.0, 1.0};
}

Colour Mix(Colour x, Colour y, double t)
{
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

// A three-colour gradient across a shape, left to right or top to bottom,
// as the board's labels paint theirs.
struct Gradient {
    Colour first, middle, last;
    bool vertical = false;

    Colour At(double t) const { return t < 0.5 ? Mix(first, middle, t * 2) : Mix(middle, last, t * 2 - 1); }
};

// A rectangle with rounded corners, in units of the icon's side.
struct Shape {
    double left, top, right, bottom, radius;
    Gradient fill;

    bool Contains(double x, double y) const
    {
        if (x < left || x > right || y < top || y > bottom)
            return false;
        const double cx = std::clamp(x, left + radius, right - radius);
        const double cy = std::clamp(y, top + radius, bottom - radius);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
    }

    Colour ColourAt(double x, double y) const
    {
        const double t = fill.vertical ? (y - top) / (bottom - top) : (x - left) / (right - left);
        return fill.At(std::clamp(t, 0.0, 1.0));
    }
};

std::vector<Shape> IconShapes()
{
    const Gradient sky{Rgb(43, 58, 103), Rgb(96, 88, 140), Rgb(196, 150, 170), true};
    const Gradient base{Rgb(255, 90, 11), Rgb(255, 183, 111), Rgb(255, 90, 11)};
    const Gradient peg{Rgb(255, 0, 255), Rgb(255, 104, 180), Rgb(255, 0, 255)};
    const Gradient mainPeg{Rgb(255, 0, 0), Rgb(255, 104, 180), Rgb(255, 0, 0)};
    const Gradient disk{Rgb(0, 136, 255), Rgb(0, 0, 255), Rgb(0, 136, 255)};

    std::vector<Shape> shapes{{0.03, 0.03, 0.97, 0.97, 0.17, sky}};
    for (double x : {0.20, 0.80})
        shapes.push_back({x - 0.03, 0.28, x + 0.03, 0.80, 0.015, peg});
    shapes.push_back({0.47, 0.22, 0.53, 0.80, 0.015, mainPeg});
    shapes.push_back({0.08, 0.78, 0.92, 0.88, 0.02, base});
    const double widths[] = {0.62, 0.48, 0.34};
    double bottom = 0.78;
    for (double width : widths) {
        shapes.push_back({0.5 - width / 2, bottom - 0.12, 0.5 + width / 2, bottom - 0.01, 0.025, disk});
        bottom -= 0.12;
    }
    return shapes;
}

// Each pixel averages 8 x 8 samples, so edges are smooth at every size.
std::vector<std::uint8_t> Render(const std::vector<Shape>& shapes, int size)
{
    constexpr int Samples = 8;
    std::vector<std::uint8_t> rgba(std::size_t(size) * std::size_t(size) * 4);
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            Colour sum;
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    const double x = (px + (sx + 0.5) / Samples) / size;
                    const double y = (py + (sy + 0.5) / Samples) / size;
                    Colour c;
                    for (const Shape& shape : shapes) {
                        if (shape.Contains(x, y))
                            c = shape.ColourAt(x, y);
                    }
                    // Premultiplied, so that transparent samples add no colour.
                    sum.r += c.r * c.a;
                    sum.g += c.g * c.a;
                    sum.b += c.b * c.a;
                    sum.a += c.a;
                }
            }
            std::uint8_t* out = &rgba[(std::size_t(py) * std::size_t(size) + std::size_t(px)) * 4];
            const double alpha = sum.a / (Samples * Samples);
            const auto channel = [&](double v) { return std::uint8_t(std::lround(sum.a > 0 ? v / sum.a * 255 : 0)); };
            out[0] = channel(sum.r);
            out[1] = channel(sum.g);
            out[2] = channel(sum.b);
            out[3] = std::uint8_t(std::lround(alpha * 255));
        }
    }
    return rgba;
}

void PutBigEndian(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += char((value >> shift) & 0xFF);
}

void PutChunk(std::string& out, const char* type, const std::string& data)
{
    PutBigEndian(out, std::uint32_t(data.size()));
    const std::string body = type + data;
    out += body;
    PutBigEndian(out, std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()))));
}

// An 8-bit RGBA PNG, every row with filter 0.
std::string EncodePng(const std::vector<std::uint8_t>& rgba, int size)
{
    std::string raw;
    for (int y = 0; y < size; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(&rgba[std::size_t(y) * std::size_t(size) * 4]), std::size_t(size) * 4);
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::string packed(packedSize, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
              uLong(raw.size()), Z_BEST_COMPRESSION);
    packed.resize(packedSize);

    std::string header;
    PutBigEndian(header, std::uint32_t(size));
    PutBigEndian(header, std::uint32_t(size));
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter set, no interlace

    std::string png("\x89PNG\r\n\x1a\n", 8);
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", {});
    return png;
}

std::string Hex(Colour c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", int(std::lround(c.r * 255)), int(std::lround(c.g * 255)),
                  int(std::lround(c.b * 255)));
    return text;
}

std::string Svg(const std::vector<Shape>& shapes)
{
    constexpr double Side = 256;
    std::string defs, body;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const Shape& s = shapes[i];
        std::string id = std::to_string(i);
        id.insert(id.begin(), 'g');
        char line[512];
        std::snprintf(line, sizeof line,
                      "    <linearGradient id=\"%s\" x1=\"0\" y1=\"0\" x2=\"%d\" y2=\"%d\">\n"
                      "      <stop offset=\"0\" stop-color=\"%s\"/>\n"
                      "      <stop offset=\"0.5\" stop-color=\"%s\"/>\n"
                      "      <stop offset=\"1\" stop-color=\"%s\"/>\n"
                      "    </linearGradient>\n",
                      id.c_str(), s.fill.vertical ? 0 : 1, s.fill.vertical ? 1 : 0, Hex(s.fill.first).c_str(),
                      Hex(s.fill.middle).c_str(), Hex(s.fill.last).c_str());
        defs += line;
        std::snprintf(line, sizeof line,
                      "  <rect x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\" rx=\"%.2f\" fill=\"url(#%s)\"/>\n",
                      s.left * Side, s.top * Side, (s.right - s.left) * Side, (s.bottom - s.top) * Side,
                      s.radius * Side, id.c_str());
        body += line;
    }
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
           "  <defs>\n" +
           defs + "  </defs>\n" + body + "</svg>\n";
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(file);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons <folder> <name>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::string name = argv[2];
    const std::vector<Shape> shapes = IconShapes();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string dimension = std::to_string(size) + "x" + std::to_string(size);
        if (!WriteFile(folder / dimension / "apps" / (name + ".png"), EncodePng(Render(shapes, size), size)))
            return 1;
    }
    return WriteFile(folder / "scalable" / "apps" / (name + ".svg"), Svg(shapes)) ? 0 : 1;
}
