// SPDX-License-Identifier: GPL-3.0-or-later
// Computes the game's two pictures and writes them as baseline JPEG files:
//   main_background.jpg  1600 x 1200  a calm dusk sky over layered misty hills
//   pause_cover.jpg       737 x 553   a dark night pattern that tiles without seams
// Usage: make_pictures <output folder>
// Every value comes from fixed seeds, so the files are the same on every run.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr double Tau = 2.0 * std::numbers::pi;

struct Colour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

Colour operator+(Colour a, Colour b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Colour operator*(Colour a, double k)
{
    return {a.r * k, a.g * k, a.b * k};
}

Colour Mix(Colour a, Colour b, double t)
{
    return a * (1.0 - t) + b * t;
}

// Colour from 0xRRGGBB, so the palette reads like the colour pickers it was chosen with.
Colour Hex(std::uint32_t rgb)
{
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

double Clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

double SmoothStep(double edge0, double edge1, double v)
{
    const double t = Clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

// Integer hash (a variant of the "lowbias32" mixer): well spread bits from small inputs.
std::uint32_t Hash(std::uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

std::uint32_t Hash(std::uint32_t a, std::uint32_t b, std::uint32_t seed)
{
    return Hash(a ^ Hash(b ^ Hash(seed)));
}

// Uniform value in [0, 1) from a hash.
double Unit(std::uint32_t h)
{
    return (h >> 8) * (1.0 / 16777216.0);
}

// Smooth 1D value noise in [0, 1]: hashed lattice values joined by a quintic fade.
double ValueNoise1(double x, std::uint32_t seed)
{
    const double cell = std::floor(x);
    const double f = x - cell;
    const auto i = static_cast<std::uint32_t>(static_cast<std::int64_t>(cell));
    const double a = Unit(Hash(i, 0, seed));
    const double b = Unit(Hash(i + 1, 0, seed));
    const double t = f * f * f * (f * (f * 6.0 - 15.0) + 10.0);
    return a + (b - a) * t;
}

// Sum of octaves of 1D value noise, scaled back into [0, 1].
double Fractal1(double x, int octaves, std::uint32_t seed)
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int o = 0; o < octaves; ++o) {
        sum += ValueNoise1(x, seed + static_cast<std::uint32_t>(o) * 101u) * weight;
        total += weight;
        x *= 2.03;
        weight *= 0.5;
    }
    return sum / total;
}

// Smooth 2D value noise in [0, 1] on a lattice that wraps after periodX by periodY cells,
// so sampling it over one period gives a picture whose opposite edges match.
double PeriodicNoise2(double x, double y, int periodX, int periodY, std::uint32_t seed)
{
    const double cx = std::floor(x);
    const double cy = std::floor(y);
    const double fx = x - cx;
    const double fy = y - cy;
    const auto wrap = [](double c, int period) {
        const int i = static_cast<int>(c) % period;
        return static_cast<std::uint32_t>(i < 0 ? i + period : i);
    };
    const std::uint32_t x0 = wrap(cx, periodX);
    const std::uint32_t x1 = wrap(cx + 1.0, periodX);
    const std::uint32_t y0 = wrap(cy, periodY);
    const std::uint32_t y1 = wrap(cy + 1.0, periodY);
    const double tx = fx * fx * fx * (fx * (fx * 6.0 - 15.0) + 10.0);
    const double ty = fy * fy * fy * (fy * (fy * 6.0 - 15.0) + 10.0);
    const double top = Unit(Hash(x0, y0, seed)) + (Unit(Hash(x1, y0, seed)) - Unit(Hash(x0, y0, seed))) * tx;
    const double bottom = Unit(Hash(x0, y1, seed)) + (Unit(Hash(x1, y1, seed)) - Unit(Hash(x0, y1, seed))) * tx;
    return top + (bottom - top) * ty;
}

// Octaves of periodic noise over the unit square [0, 1) x [0, 1); each octave doubles the
// lattice, which keeps the whole sum periodic.
double PeriodicFractal2(double u, double v, int cellsX, int cellsY, int octaves, std::uint32_t seed)
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int o = 0; o < octaves; ++o) {
        sum += PeriodicNoise2(u * cellsX, v * cellsY, cellsX, cellsY, seed + static_cast<std::uint32_t>(o) * 977u) *
               weight;
        total += weight;
        cellsX *= 2;
        cellsY *= 2;
        weight *= 0.5;
    }
    return sum / total;
}

class Picture {
public:
    Picture(int width, int height) : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height)
    {
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    // Writes the picture as a baseline, 3-component JPEG. A triangular dither of about one
    // step is added before rounding to 8 bits, so the long soft gradients show no bands.
    bool WriteJpeg(const std::filesystem::path& path, int quality, std::uint32_t ditherSeed) const
    {
        std::FILE* file = std::fopen(path.string().c_str(), "wb");
        if (file == nullptr)
            return false;

        jpeg_compress_struct info{};
        jpeg_error_mgr errors{};
        info.err = jpeg_std_error(&errors);
        jpeg_create_compress(&info);
        jpeg_stdio_dest(&info, file);
        info.image_width = static_cast<JDIMENSION>(width_);
        info.image_height = static_cast<JDIMENSION>(height_);
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, quality, TRUE);
        // Optimised Huffman tables keep the file small and stay within baseline JPEG.
        info.optimize_coding = TRUE;
        jpeg_start_compress(&info, TRUE);

        std::vector<JSAMPLE> row(static_cast<std::size_t>(width_) * 3);
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                const Colour& c = pixels_[static_cast<std::size_t>(y) * width_ + x];
                const double channels[3] = {c.r, c.g, c.b};
                for (int k = 0; k < 3; ++k) {
                    const auto ux = static_cast<std::uint32_t>(x);
                    const auto uy = static_cast<std::uint32_t>(y);
                    const std::uint32_t h = Hash(ux * 3u + static_cast<std::uint32_t>(k), uy, ditherSeed);
                    const double dither = Unit(h) + Unit(Hash(h)) - 1.0;
                    const double value = std::round(Clamp01(channels[k]) * 255.0 + dither);
                    row[static_cast<std::size_t>(x) * 3 + k] = static_cast<JSAMPLE>(std::clamp(value, 0.0, 255.0));
                }
            }
            JSAMPROW rows[1] = {row.data()};
            jpeg_write_scanlines(&info, rows, 1);
        }

        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        return std::fclose(file) == 0;
    }

private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

// ---- Main background -------------------------------------------------------------------

// One band of hills: its ridge line, its colour, and how much valley mist rises at its foot.
struct HillLayer {
    double baseLine;    // mean ridge height, as a fraction of the picture height
    double amplitude;   // how far the ridge rises above and dips below the base line
    double scale;       // ridge features per picture width
    int octaves;        // detail of the ridge line
    Colour colour;      // colour at the ridge
    double mistDepth;   // how far below the ridge the mist reaches full strength, in pixels
    double mistAmount;  // how much the foot of the layer fades into the haze colour
    std::uint32_t seed;
};

double RidgeY(const HillLayer& layer, double x, double width, double height, int octaves)
{
    const double n = Fractal1(x / width * layer.scale, octaves, layer.seed);
    return (layer.baseLine - layer.amplitude * (n - 0.5) * 2.0) * height;
}

// Sky colour from top (t = 0) to the horizon (t = 1): muted blue, lavender, rose, then peach.
Colour SkyGradient(double t)
{
    static const Colour stops[] = {Hex(0x55658C), Hex(0x7F7FA6), Hex(0xAA93B0), Hex(0xD3A7AE), Hex(0xEBC2A8)};
    constexpr int last = static_cast<int>(std::size(stops)) - 1;
    const double scaled = Clamp01(t) * last;
    const int i = std::min(static_cast<int>(scaled), last - 1);
    const double f = scaled - i;
    // Smoothed joins keep the change of slope at each stop invisible.
    return Mix(stops[i], stops[i + 1], f * f * (3.0 - 2.0 * f));
}

Picture MakeMainBackground()
{
    constexpr int width = 1600;
    constexpr int height = 1200;
    Picture picture(width, height);

    const double horizon = 0.70 * height;
    const double sunX = 0.68 * width;
    const double sunY = 0.535 * height;
    const Colour haze = Hex(0xE2B9AE);
    const Colour glow = Hex(0xFFE2BC);

    // Back to front: each nearer layer is darker and bluer, the far ones melt into the haze.
    const HillLayer layers[] = {
        {0.53, 0.095, 2.8, 6, Mix(haze, Hex(0x9C88A6), 0.45), 170.0, 0.75, 11u},
        {0.61, 0.070, 3.2, 6, Mix(haze, Hex(0x8A7B9E), 0.65), 150.0, 0.70, 23u},
        {0.69, 0.050, 3.6, 6, Mix(haze, Hex(0x786F92), 0.80), 140.0, 0.60, 37u},
        {0.80, 0.045, 2.6, 5, Hex(0x6E6A8A), 170.0, 0.45, 53u},
    };

    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double fx = x + 0.5;
            const double fy = y + 0.5;

            Colour c = SkyGradient(fy / horizon);

            // A soft sun: a wide warm glow around a faint, feathered disc.
            const double dx = fx - sunX;
            const double dy = fy - sunY;
            const double d = std::sqrt(dx * dx + dy * dy);
            c = Mix(c, glow, 0.40 * std::exp(-(d * d) / (2.0 * 260.0 * 260.0)));
            c = Mix(c, glow, 0.55 * (1.0 - SmoothStep(52.0, 66.0, d)));

            // Thin, stretched wisps of cloud in the middle of the sky, lit warm near the sun.
            const double wisp = PeriodicFractal2(fx / width, fy / height, 3, 22, 4, 131u);
            const double band = SmoothStep(0.18, 0.32, fy / height) * (1.0 - SmoothStep(0.40, 0.52, fy / height));
            const double cloud = 0.22 * band * SmoothStep(0.52, 0.78, wisp);
            c = Mix(c, Mix(Hex(0xC9A9BE), glow, 0.6 * std::exp(-(d * d) / (2.0 * 500.0 * 500.0))), cloud);

            for (const HillLayer& layer : layers) {
                const double ridge = RidgeY(layer, fx, width, height, layer.octaves);
                // Vertical distance to the ridge divided by the slope factor approximates the
                // true distance to the edge, so steep flanks are anti-aliased as well as flat tops.
                const double slope = (RidgeY(layer, fx + 1.0, width, height, layer.octaves) -
                                      RidgeY(layer, fx - 1.0, width, height, layer.octaves)) *
                                     0.5;
                const double distance = (fy - ridge) / std::sqrt(1.0 + slope * slope);
                const double cover = Clamp01(distance + 0.5);
                if (cover <= 0.0)
                    continue;
                // Mist is measured from a smoothed ridge: measuring from the detailed one would
                // drag every small bump of the ridge down the slope as a vertical streak.
                const double depth = std::max(0.0, fy - RidgeY(layer, fx, width, height, 2));
                const double mist = layer.mistAmount * SmoothStep(0.0, layer.mistDepth, depth);
                Colour hill = Mix(layer.colour, haze, mist);
                // The sun lights the air in front of each layer a little, strongest nearby.
                hill = Mix(hill, glow, 0.12 * std::exp(-(dx * dx) / (2.0 * 420.0 * 420.0)) * (1.0 - mist));
                c = Mix(c, hill, cover);
            }

            // A gentle darkening towards the corners frames the board without hard edges.
            const double vx = (fx / width - 0.5) * 2.0;
            const double vy = (fy / height - 0.5) * 2.0;
            c = c * (1.0 - 0.10 * SmoothStep(0.4, 1.6, vx * vx + vy * vy));

            picture.At(x, y) = c;
        }
    }
    return picture;
}

// ---- Pause cover -------------------------------------------------------------------------

// Shortest distance between two coordinates on a loop of the given length.
double WrappedDelta(double a, double b, double length)
{
    double d = std::fabs(a - b);
    return std::min(d, length - d);
}

Picture MakePauseCover()
{
    constexpr int width = 737;
    constexpr int height = 553;
    Picture picture(width, height);

    const Colour deep = Hex(0x08111F);
    const Colour teal = Hex(0x14404C);
    const Colour dusk = Hex(0x1D2447);

    // Soft round glows, one per cell of a jittered grid so they spread evenly, with
    // distances that wrap around the edges so the tile repeats without seams.
    struct Glow {
        double x, y, radius, strength;
        Colour tint;
    };
    std::vector<Glow> glows;
    constexpr int glowColumns = 5;
    constexpr int glowRows = 4;
    for (std::uint32_t row = 0; row < glowRows; ++row) {
        for (std::uint32_t column = 0; column < glowColumns; ++column) {
            const std::uint32_t cell = row * glowColumns + column;
            if (Unit(Hash(cell, 0, 701u)) < 0.25)
                continue;
            const double x = (column + 0.15 + 0.7 * Unit(Hash(cell, 1, 701u))) * width / glowColumns;
            const double y = (row + 0.15 + 0.7 * Unit(Hash(cell, 2, 701u))) * height / glowRows;
            const Colour tint = Mix(Hex(0x2F6F7E), Hex(0x4A4F86), Unit(Hash(cell, 5, 701u)));
            glows.push_back(
                {x, y, 28.0 + Unit(Hash(cell, 3, 701u)) * 46.0, 0.10 + Unit(Hash(cell, 4, 701u)) * 0.14, tint});
        }
    }

    // Faint pinpoint stars, also one per jittered cell, most of them skipped.
    struct Star {
        double x, y, brightness;
    };
    std::vector<Star> stars;
    constexpr int starColumns = 16;
    constexpr int starRows = 12;
    for (std::uint32_t row = 0; row < starRows; ++row) {
        for (std::uint32_t column = 0; column < starColumns; ++column) {
            const std::uint32_t cell = row * starColumns + column;
            if (Unit(Hash(cell, 0, 907u)) < 0.55)
                continue;
            stars.push_back({(column + Unit(Hash(cell, 1, 907u))) * width / starColumns,
                             (row + Unit(Hash(cell, 2, 907u))) * height / starRows,
                             0.12 + 0.30 * Unit(Hash(cell, 3, 907u))});
        }
    }
    const Colour starlight = Hex(0xCFE4F0);

    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / width;
            const double v = (y + 0.5) / height;

            // Slow diagonal swells whose whole-number cycles across the tile keep it periodic,
            // shading drifting clouds of teal and violet over the deep blue.
            const double swell = 0.5 + 0.5 * std::sin(Tau * (u + v) + 0.4);
            const double clouds = PeriodicFractal2(u, v, 4, 3, 5, 301u);
            const double tint = PeriodicFractal2(u, v, 2, 2, 3, 419u);
            Colour c = Mix(deep, Mix(teal, dusk, SmoothStep(0.35, 0.65, tint)),
                           SmoothStep(0.30, 0.80, clouds) * (0.55 + 0.45 * swell));

            for (const Glow& g : glows) {
                const double dx = WrappedDelta(x + 0.5, g.x, width);
                const double dy = WrappedDelta(y + 0.5, g.y, height);
                const double d = std::sqrt(dx * dx + dy * dy);
                // A disc with a feathered rim, faint enough to stay behind white text.
                const double disc = 1.0 - SmoothStep(g.radius * 0.55, g.radius, d);
                c = Mix(c, g.tint, g.strength * disc);
            }

            for (const Star& s : stars) {
                const double dx = WrappedDelta(x + 0.5, s.x, width);
                const double dy = WrappedDelta(y + 0.5, s.y, height);
                const double d2 = dx * dx + dy * dy;
                if (d2 < 16.0)
                    c = Mix(c, starlight, s.brightness * std::exp(-d2 / 1.6));
            }

            picture.At(x, y) = c;
        }
    }
    return picture;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", folder.string().c_str(), error.message().c_str());
        return 1;
    }

    const std::filesystem::path background = folder / "main_background.jpg";
    if (!MakeMainBackground().WriteJpeg(background, 90, 1u)) {
        std::fprintf(stderr, "cannot write %s\n", background.string().c_str());
        return 1;
    }
    const std::filesystem::path cover = folder / "pause_cover.jpg";
    if (!MakePauseCover().WriteJpeg(cover, 90, 2u)) {
        std::fprintf(stderr, "cannot write %s\n", cover.string().c_str());
        return 1;
    }
    return 0;
}
