// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour of every pixel of a label's gradient, apart from any drawing
// library, so that it can be computed tile by tile and tested on its own.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/templates/label_styles.h"
#include "platform/templates/window_template.h"

// The gradient a mode and three colours give an inner area of width × height pixels.
class Gradient {
public:
    Gradient(int mode, const Colour (&colours)[3], int width, int height);

    // Whether anything is painted: a mode other than 0 and at least two colours set.
    bool Paints() const { return !ramp_.empty(); }
    int Span() const { return span_; }
    // Where pixel (x, y) of the inner area lies along the gradient.
    int Position(int x, int y) const;
    // The colour of pixel (x, y), 0x00BBGGRR; only when Paints().
    Colour At(int x, int y) const;
    // Fills the tile of the inner area at (left, top) into rows of `stride`
    // pixels in the 0xFFRRGGBB order of 32-bit RGB images; only when Paints().
    void FillTile(int left, int top, int width, int height, std::uint32_t* pixels, std::ptrdiff_t stride) const;

private:
    int mode_;
    int width_;
    int height_;
    int span_ = 0;
    // One colour per position: every pixel of the area lies at 0 .. width + height - 2.
    std::vector<std::uint32_t> ramp_;
};
