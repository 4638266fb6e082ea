#include "bench/render/turned_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include <emmintrin.h>

namespace bench::render {
namespace {

// Filter weights have 7 bits, as in pixman's bilinear filter: a weight and its complement sum
// to 128, and the vertical pass of four 8-bit channels stays within 16 bits.
constexpr int weight_bits = 7;
constexpr int weight_one = 1 << weight_bits;
constexpr double fixed_one = 65536.0;

struct pixels {
    unsigned char* data = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    explicit pixels(cairo_surface_t* s)
        : data(cairo_image_surface_get_data(s)),
          width(cairo_image_surface_get_width(s)),
          height(cairo_image_surface_get_height(s)),
          stride(cairo_image_surface_get_stride(s)) {}

    const std::uint32_t* row(int y) const {
        return reinterpret_cast<const std::uint32_t*>(data +
                                                      static_cast<std::ptrdiff_t>(y) * stride);
    }
    std::uint32_t* row(int y) {
        return reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    }
};

struct box {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;  // past the last column
    int y1 = 0;  // past the last row
};

// Whether drawing straight into the target draws what cairo would.
bool plain_target(cairo_t* cr) {
    cairo_surface_t* target = cairo_get_target(cr);
    if (cairo_get_group_target(cr) != target || cairo_get_operator(cr) != CAIRO_OPERATOR_OVER ||
        cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_image_surface_get_format(target) != CAIRO_FORMAT_ARGB32) {
        return false;
    }
    double offset_x = 0;
    double offset_y = 0;
    cairo_surface_get_device_offset(target, &offset_x, &offset_y);
    double scale_x = 0;
    double scale_y = 0;
    cairo_surface_get_device_scale(target, &scale_x, &scale_y);
    if (offset_x != 0 || offset_y != 0 || scale_x != 1 || scale_y != 1) {
        return false;
    }
    // Unclipped: the clip, in device pixels, is one rectangle holding the whole surface.
    cairo_matrix_t user;
    cairo_get_matrix(cr, &user);
    cairo_identity_matrix(cr);
    cairo_rectangle_list_t* clip = cairo_copy_clip_rectangle_list(cr);
    cairo_set_matrix(cr, &user);
    bool whole = clip->status == CAIRO_STATUS_SUCCESS && clip->num_rectangles == 1;
    if (whole) {
        const cairo_rectangle_t& r = clip->rectangles[0];
        whole = r.x <= 0 && r.y <= 0 && r.x + r.width >= cairo_image_surface_get_width(target) &&
                r.y + r.height >= cairo_image_surface_get_height(target);
    }
    cairo_rectangle_list_destroy(clip);
    return whole;
}

// The device pixels the picture can reach: its corners, one pixel out, taken to the device.
box reach(const cairo_matrix_t& device_to_picture, int width, int height) {
    cairo_matrix_t to_device = device_to_picture;
    cairo_matrix_invert(&to_device);
    double x0 = HUGE_VAL;
    double y0 = HUGE_VAL;
    double x1 = -HUGE_VAL;
    double y1 = -HUGE_VAL;
    for (const double px : {-1.0, width + 1.0}) {
        for (const double py : {-1.0, height + 1.0}) {
            double x = px;
            double y = py;
            cairo_matrix_transform_point(&to_device, &x, &y);
            x0 = std::min(x0, x);
            y0 = std::min(y0, y);
            x1 = std::max(x1, x);
            y1 = std::max(y1, y);
        }
    }
    const auto held = [](double v) {
        return std::clamp(v, -farthest_device_pixel, farthest_device_pixel);
    };
    return {static_cast<int>(std::floor(held(x0))), static_cast<int>(std::floor(held(y0))),
            static_cast<int>(std::ceil(held(x1))) + 1, static_cast<int>(std::ceil(held(y1))) + 1};
}

box meet(const box& a, const box& b) {
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

// Each 8-bit channel of `p` times `a` / 255, rounded.
std::uint32_t times(std::uint32_t p, std::uint32_t a) {
    std::uint32_t rb = (p & 0x00FF00FFu) * a + 0x00800080u;
    rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    std::uint32_t ag = ((p >> 8) & 0x00FF00FFu) * a + 0x00800080u;
    ag = (ag + ((ag >> 8) & 0x00FF00FFu)) & 0xFF00FF00u;
    return rb | ag;
}

// The filtered pixel from the two pixels of the upper row and the two of the lower row, with
// the weights of the right column and the lower row.
std::uint32_t blend(const void* upper, const void* lower, int right, int down) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i top =
        _mm_unpacklo_epi8(_mm_loadl_epi64(static_cast<const __m128i*>(upper)), zero);
    const __m128i bottom =
        _mm_unpacklo_epi8(_mm_loadl_epi64(static_cast<const __m128i*>(lower)), zero);
    const __m128i column =
        _mm_add_epi16(_mm_mullo_epi16(top, _mm_set1_epi16(static_cast<short>(weight_one - down))),
                      _mm_mullo_epi16(bottom, _mm_set1_epi16(static_cast<short>(down))));
    const __m128i paired = _mm_unpacklo_epi16(column, _mm_srli_si128(column, 8));
    __m128i sum = _mm_madd_epi16(paired, _mm_set1_epi32(right << 16 | (weight_one - right)));
    sum = _mm_srli_epi32(sum, 2 * weight_bits);
    sum = _mm_packs_epi32(sum, sum);
    return static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(sum, sum)));
}

// The picture's pixel, transparent outside it.
std::uint32_t pixel_or_clear(const pixels& p, int x, int y) {
    if (x < 0 || y < 0 || x >= p.width || y >= p.height) {
        return 0;
    }
    return p.row(y)[x];
}

// The filtered picture at a point in 16.16 fixed point, already moved back half a pixel.
std::uint32_t sample(const pixels& p, std::int64_t fx, std::int64_t fy) {
    const int x = static_cast<int>(fx >> 16);
    const int y = static_cast<int>(fy >> 16);
    const int right = static_cast<int>((fx >> (16 - weight_bits)) & (weight_one - 1));
    const int down = static_cast<int>((fy >> (16 - weight_bits)) & (weight_one - 1));
    if (static_cast<unsigned>(x) < static_cast<unsigned>(p.width - 1) &&
        static_cast<unsigned>(y) < static_cast<unsigned>(p.height - 1)) {
        const std::uint32_t* upper = p.row(y) + x;
        return blend(upper, p.row(y + 1) + x, right, down);
    }
    const std::uint32_t upper[2] = {pixel_or_clear(p, x, y), pixel_or_clear(p, x + 1, y)};
    const std::uint32_t lower[2] = {pixel_or_clear(p, x, y + 1), pixel_or_clear(p, x + 1, y + 1)};
    return blend(upper, lower, right, down);
}

// The columns [from, to) of a row where a coordinate a + step * x stays within (-1, size).
void narrow(double a, double step, int size, double& from, double& to) {
    if (step == 0) {
        if (!(a > -1 && a < size)) {
            to = from;
        }
        return;
    }
    double lo = (-1 - a) / step;
    double hi = (size - a) / step;
    if (lo > hi) {
        std::swap(lo, hi);
    }
    from = std::max(from, std::floor(lo) - 1);
    to = std::min(to, std::ceil(hi) + 1);
}

}  // namespace

bool draw_turned_picture(cairo_t* cr, cairo_surface_t* picture,
                         const cairo_matrix_t& device_to_picture, const mask_at* mask) {
    if (!plain_target(cr) || cairo_surface_get_type(picture) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_image_surface_get_format(picture) != CAIRO_FORMAT_ARGB32 ||
        (mask != nullptr && (cairo_surface_get_type(mask->mask) != CAIRO_SURFACE_TYPE_IMAGE ||
                             cairo_image_surface_get_format(mask->mask) != CAIRO_FORMAT_A8))) {
        return false;
    }
    cairo_surface_t* target = cairo_get_target(cr);
    cairo_surface_flush(target);
    cairo_surface_flush(picture);
    pixels out(target);
    const pixels source(picture);
    box area =
        meet({0, 0, out.width, out.height}, reach(device_to_picture, source.width, source.height));
    const unsigned char* mask_data = nullptr;
    int mask_stride = 0;
    if (mask != nullptr) {
        cairo_surface_flush(mask->mask);
        mask_data = cairo_image_surface_get_data(mask->mask);
        mask_stride = cairo_image_surface_get_stride(mask->mask);
        area = meet(area, {mask->x, mask->y, mask->x + cairo_image_surface_get_width(mask->mask),
                           mask->y + cairo_image_surface_get_height(mask->mask)});
    }
    if (area.x0 >= area.x1 || area.y0 >= area.y1 || source.width == 0 || source.height == 0) {
        return true;
    }
    const cairo_matrix_t& m = device_to_picture;
    const auto step_x = static_cast<std::int64_t>(std::llround(m.xx * fixed_one));
    const auto step_y = static_cast<std::int64_t>(std::llround(m.yx * fixed_one));
    for (int y = area.y0; y < area.y1; ++y) {
        // The picture point of the row's pixel centres, half a pixel back for the filter.
        const double u = m.xy * (y + 0.5) + m.x0 + m.xx * 0.5 - 0.5;
        const double v = m.yy * (y + 0.5) + m.y0 + m.yx * 0.5 - 0.5;
        double from = area.x0;
        double to = area.x1;
        narrow(u, m.xx, source.width, from, to);
        narrow(v, m.yx, source.height, from, to);
        if (from >= to) {
            continue;
        }
        const int x0 = static_cast<int>(from);
        const int x1 = static_cast<int>(to);
        auto fx = static_cast<std::int64_t>(std::llround((u + m.xx * x0) * fixed_one));
        auto fy = static_cast<std::int64_t>(std::llround((v + m.yx * x0) * fixed_one));
        std::uint32_t* row = out.row(y);
        const unsigned char* mask_row =
            mask_data == nullptr
                ? nullptr
                : mask_data + static_cast<std::ptrdiff_t>(y - mask->y) * mask_stride;
        for (int x = x0; x < x1; ++x, fx += step_x, fy += step_y) {
            // Wholly outside the picture, the filter reads nothing but clear pixels.
            if (static_cast<std::uint64_t>((fx >> 16) + 1) >
                    static_cast<std::uint64_t>(source.width) ||
                static_cast<std::uint64_t>((fy >> 16) + 1) >
                    static_cast<std::uint64_t>(source.height)) {
                continue;
            }
            const unsigned coverage = mask_row == nullptr ? 0xFFu : mask_row[x - mask->x];
            if (coverage == 0) {
                continue;
            }
            std::uint32_t s = sample(source, fx, fy);
            if (coverage != 0xFF) {
                s = times(s, coverage);
            }
            const std::uint32_t alpha = s >> 24;
            if (alpha == 0xFF) {
                row[x] = s;
            } else if (s != 0) {
                row[x] = s + times(row[x], 0xFF - alpha);
            }
        }
    }
    cairo_surface_mark_dirty_rectangle(target, area.x0, area.y0, area.x1 - area.x0,
                                       area.y1 - area.y0);
    return true;
}

}  // namespace bench::render
