// The main window's position and size as the per-user settings keep them:
// "MainLeft", "MainTop", "MainWidth" and "MainHeight" of the group
// "Settings", in twips (1/1440 inch), each stored as the text of a number and
// read back as a single-precision number. A key that is missing, or whose
// text is not a finite number, takes its default (1000, 1000, 6500, 6500).
#pragma once

#include <string_view>
#include <vector>

#include "editor/commands/CommandServices.hpp"

namespace quillon::editor {

inline constexpr std::string_view kMainLeft = "MainLeft";
inline constexpr std::string_view kMainTop = "MainTop";
inline constexpr std::string_view kMainWidth = "MainWidth";
inline constexpr std::string_view kMainHeight = "MainHeight";

// Twips of the window's left and top edges, width and height.
struct WindowPlacement {
    float left = 1000;
    float top = 1000;
    float width = 6500;
    float height = 6500;
};

WindowPlacement ReadWindowPlacement(const SettingsStore& store);
// Written as whole twips, in the order left, top, width, height.
void WriteWindowPlacement(SettingsStore& store, const WindowPlacement& placement);

// pixels = twips x logical dots per inch / 1440, rounded to the nearest pixel.
int TwipsToPixels(float twips, double dotsPerInch);
float PixelsToTwips(int pixels, double dotsPerInch);

// A rectangle of the desktop, in pixels.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The window where it may stand: as it is when it overlaps one of the
// screens, else moved to the primary screen's top left corner (its size kept,
// but no larger than that screen).
ScreenRect PlaceOnScreens(const ScreenRect& window, const std::vector<ScreenRect>& screens,
                          const ScreenRect& primary);

}  // namespace quillon::editor
