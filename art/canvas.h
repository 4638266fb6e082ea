// A drawing surface of the art generator and the bitmaps made from it. Art is drawn with cairo
// on a transparent surface and then written the way the simulator reads bitmaps: 24-bit colour,
// pure black (0,0,0) standing for "transparent", so paint that is meant to be seen is never
// pure black.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include <cairo.h>

namespace art {

// A bitmap as it is stored: 24-bit colour, rows top-down, three bytes a pixel (red, green,
// blue).
struct rgb_bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    struct pixel {
        std::uint8_t r, g, b;
        bool operator==(const pixel&) const = default;
    };
    pixel at(int x, int y) const;
};

// The darkest paint that still shows: pure black is the transparent colour.
inline constexpr std::uint8_t darkest_paint = 8;

// How a drawing becomes a bitmap.
enum class paint_mode {
    // Everything covered by paint keeps its colour (never pure black); everything else becomes
    // pure black, the transparent colour. Edges are cut at half coverage, as the host's
    // transparency is all or nothing.
    keyed,
    // A mask: white where the image shows through (any paint), black elsewhere.
    mask,
};

class canvas {
  public:
    canvas(int width, int height);
    ~canvas();
    canvas(const canvas&) = delete;
    canvas& operator=(const canvas&) = delete;

    cairo_t* cr() const {
        return cr_;
    }
    int width() const {
        return width_;
    }
    int height() const {
        return height_;
    }

    rgb_bitmap to_bitmap(paint_mode mode) const;

  private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// The .bmp file of a bitmap: file header, 40-byte info header, 24-bit rows bottom-up, each
// padded to four bytes.
std::vector<std::uint8_t> bmp_file(const rgb_bitmap& bitmap);

// Writes the .bmp file; throws std::runtime_error when it cannot.
void write_bmp(const rgb_bitmap& bitmap, const std::filesystem::path& file);

}  // namespace art
