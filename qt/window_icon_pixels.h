// SPDX-License-Identifier: GPL-3.0-or-later
// The window icon as pixels, made from its SVG file when the program is built.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ambrel {

// One square picture: size × size premultiplied ARGB words, row by row.
struct WindowIconPixels {
    int size;
    const std::uint32_t* pixels;
};

extern const WindowIconPixels kWindowIconPixels[];
extern const std::size_t kWindowIconPixelsCount;

}  // namespace ambrel
