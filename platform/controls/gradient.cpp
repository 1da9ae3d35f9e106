// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls/gradient.h"

#include <algorithm>
#include <cmath>

namespace {
int Channel(Colour colour, int shift)
{
    return (colour >> shift) & 0xFF;
}

int SpanOf(int mode, int width, int height)
{
    switch (mode) {
    case 1:
    case 5: return height;
    case 2:
    case 6: return width;
    default: return 2 * std::min(width, height);
    }
}

std::uint32_t ToPixel(Colour colour)
{
    return 0xFF000000u | std::uint32_t(Channel(colour, 0)) << 16 | std::uint32_t(Channel(colour, 8)) << 8 |
           std::uint32_t(Channel(colour, 16));
}

Colour FromPixel(std::uint32_t pixel)
{
    return Rgb(int(pixel >> 16 & 0xFF), int(pixel >> 8 & 0xFF), int(pixel & 0xFF));
}
}  // namespace

Gradient::Gradient(int mode, const Colour (&colours)[3], int width, int height)
    : mode_(std::clamp(mode, 0, LastGradientMode)), width_(std::max(width, 0)), height_(std::max(height, 0))
{
    std::vector<Colour> set;
    for (const Colour colour : colours)
        if (colour != NoColour)
            set.push_back(colour);
    if (mode_ == 0 || set.size() < 2 || width_ == 0 || height_ == 0)
        return;
    span_ = SpanOf(mode_, width_, height_);

    const int n = int(set.size());
    const int seg = span_ / (n - 1);
    ramp_.resize(std::size_t(width_ + height_ - 1));
    for (int p = 0; p < int(ramp_.size()); ++p) {
        const int i = seg == 0 ? 0 : p / seg;
        if (i > n - 2) {
            ramp_[std::size_t(p)] = ToPixel(set.back());
            continue;
        }
        const double t = seg == 0 ? 0.0 : double(p % seg) / seg;
        int mixed = 0;
        for (const int shift : {0, 8, 16}) {
            const int from = Channel(set[std::size_t(i)], shift);
            const int to = Channel(set[std::size_t(i) + 1], shift);
            mixed |= ((from + int(std::trunc(t * (to - from)))) & 0xFF) << shift;
        }
        ramp_[std::size_t(p)] = ToPixel(mixed);
    }
}

int Gradient::Position(int x, int y) const
{
    const int fromRight = width_ - 1 - x;
    const int fromBottom = height_ - 1 - y;
    switch (mode_) {
    case 1: return y;
    case 2: return x;
    case 3: return x + y;
    case 4: return fromRight + y;
    case 5: return fromBottom;
    case 6: return fromRight;
    case 7: return fromRight + fromBottom;
    case 8: return x + fromBottom;
    default: return 0;
    }
}

Colour Gradient::At(int x, int y) const
{
    return FromPixel(ramp_[std::size_t(Position(x, y))]);
}

void Gradient::FillTile(int left, int top, int width, int height, std::uint32_t* pixels, std::ptrdiff_t stride) const
{
    for (int row = 0; row < height; ++row) {
        std::uint32_t* out = pixels + row * stride;
        for (int column = 0; column < width; ++column)
            out[column] = ramp_[std::size_t(Position(left + column, top + row))];
    }
}
