#include "editor/commands/WindowSettings.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace quillon::editor {

namespace {

float ReadTwips(const SettingsStore& store, std::string_view key, float fallback) {
    const std::optional<std::string> text = store.Read(key);
    if (!text) return fallback;
    std::string_view digits = *text;
    while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    float value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        !std::isfinite(value)) {
        return fallback;
    }
    return value;
}

void WriteTwips(SettingsStore& store, std::string_view key, float twips) {
    store.Write(key, std::to_string(std::lround(twips)));
}

bool Overlaps(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

}  // namespace

WindowPlacement ReadWindowPlacement(const SettingsStore& store) {
    const WindowPlacement defaults;
    return WindowPlacement{ReadTwips(store, kMainLeft, defaults.left),
                           ReadTwips(store, kMainTop, defaults.top),
                           ReadTwips(store, kMainWidth, defaults.width),
                           ReadTwips(store, kMainHeight, defaults.height)};
}

void WriteWindowPlacement(SettingsStore& store, const WindowPlacement& placement) {
    WriteTwips(store, kMainLeft, placement.left);
    WriteTwips(store, kMainTop, placement.top);
    WriteTwips(store, kMainWidth, placement.width);
    WriteTwips(store, kMainHeight, placement.height);
}

int TwipsToPixels(float twips, double dotsPerInch) {
    const double pixels = std::round(twips * dotsPerInch / 1440.0);
    return static_cast<int>(std::clamp(pixels, -1.0e6, 1.0e6));
}

float PixelsToTwips(int pixels, double dotsPerInch) {
    return static_cast<float>(std::round(pixels * 1440.0 / dotsPerInch));
}

ScreenRect PlaceOnScreens(const ScreenRect& window, const std::vector<ScreenRect>& screens,
                          const ScreenRect& primary) {
    for (const ScreenRect& screen : screens) {
        if (Overlaps(window, screen)) return window;
    }
    return ScreenRect{primary.left, primary.top, std::min(window.width, primary.width),
                      std::min(window.height, primary.height)};
}

}  // namespace quillon::editor
