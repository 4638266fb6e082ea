// What a page is sent of each window, laid over the canvas it holds as the page lays it, gives it
// the window's own pixels after every frame of the climb, through changes of lighting.
#include <map>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <stb/stb_image.h>

#include "bench/serve/live_panel.h"

namespace {

using nlohmann::json;
// Each window's canvas as the page holds it: its width, and its pixels row after row.
using canvases = std::map<int, std::pair<std::size_t, std::vector<std::uint32_t>>>;

constexpr char base64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/=";

// The canvases after a message, as the page takes it: made anew, blank, when a layout comes; each
// tile's opaque pixels laid over its window's.
canvases after(canvases windows, const json& message) {
    for (const json& window : message.contains("layout") ? message["layout"]["windows"] : json()) {
        const std::size_t width = window["width"], height = window["height"];
        windows[window["number"]] = {width, std::vector<std::uint32_t>(width * height)};
    }
    for (const json& tile : message["tiles"]) {
        std::vector<stbi_uc> png;
        for (std::uint32_t group = 0, bits = 0; const char c : tile["png"].get<std::string>()) {
            group = group << 6 | static_cast<std::uint32_t>(std::string_view(base64).find(c) & 63);
            if ((bits += 6) >= 8 && c != '=') {
                png.push_back(static_cast<stbi_uc>(group >> (bits -= 8)));
            }
        }
        int w = 0, h = 0, channels = 0;
        auto* pixels = reinterpret_cast<std::uint32_t*>(
            stbi_load_from_memory(png.data(), std::ssize(png), &w, &h, &channels, 4));
        auto& [width, canvas] = windows.at(tile["window"]);
        const std::size_t x = tile["x"], y = tile["y"];
        for (int i = 0; i < w * h; ++i) {
            auto& shown = canvas.at((y + i / w) * width + x + i % w);
            shown = pixels[i] >> 24 != 0 ? pixels[i] : shown;
        }
        stbi_image_free(pixels);
    }
    return windows;
}

TEST(WindowChanges, PageHoldsTheWindowsPixelsFrameAfterFrame) {
    const auto folder = std::filesystem::path(VAREK_MODULE_PATH).parent_path();
    bench::serve::live_panel panel({VAREK_MODULE_PATH, folder / "panel" / "panel.cfg", 240.0});
    auto [first, last] = panel.snapshot();
    canvases page = after({}, first);
    for (int frame = 1; frame <= 30; ++frame) {
        // Night at 6, the panel lights at 12, night again at 18, day at 24 and again at 30.
        if (frame % 6 == 0) {
            frame == 12 ? panel.set_variable("PANEL_LIGHTS", 1) : panel.set_night(frame < 24);
        }
        panel.step();
        for (const auto& message : panel.changes().wait(last, std::chrono::milliseconds(0))) {
            page = after(std::move(page), json::parse(message.data));
            last = message.number;
        }
        const json now = panel.snapshot().first;
        const canvases drawn = after({}, now);
        for (const int w : now["open"]) {
            EXPECT_TRUE(page.at(w) == drawn.at(w)) << "window " << w << ", frame " << frame;
        }
    }
}

}  // namespace
