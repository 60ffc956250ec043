// screen_geometry.h — where windows go on the user's screens: 96-DPI units against pixels,
// the monitors' work areas, and pulling a window that stands on no screen back into reach.
// Files keep places and sizes in 96-DPI units; pixels exist only at the window boundary.
#pragma once
#include <vector>

inline constexpr int kBaseDpi = 96;

// A rectangle on the virtual screen: a place and a size.
struct ScreenBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScreenBox&) const = default;
};

// One monitor as the system reports it: the whole of it, its work area (without the task bar)
// and its DPI, all in pixels of the virtual screen.
struct MonitorArea {
    ScreenBox whole;
    ScreenBox work;
    int dpi = kBaseDpi;
};

// Rounded half away from zero, so that units -> pixels -> units gives the units back at every
// DPI from 96 up, left of the primary screen as well; a DPI of 0 or less counts as 96.
int UnitsToPixels(int units, int dpi);
int PixelsToUnits(int pixels, int dpi);
ScreenBox UnitsToPixels(const ScreenBox& units, int dpi);
ScreenBox PixelsToUnits(const ScreenBox& pixels, int dpi);

// Whether the two share at least one pixel.
bool Overlaps(const ScreenBox& a, const ScreenBox& b);
bool TouchesAnyArea(const ScreenBox& box, const std::vector<ScreenBox>& areas);

// The area sharing most of `box`, else the one closest to it; -1 when there is none.
int NearestArea(const ScreenBox& box, const std::vector<ScreenBox>& areas);

// `box` moved, at its size, the least distance that puts it wholly inside `area`; a box
// wider or taller than the area starts at its left or top edge.
ScreenBox PullInside(const ScreenBox& box, const ScreenBox& area);

// Where a question box goes: where the system put it when that lies wholly inside `area`, else
// centred in `area`.
ScreenBox QuestionPlace(const ScreenBox& shown, const ScreenBox& area);

// `box` where it is when it shares a pixel with a work area, else pulled inside the nearest.
ScreenBox PulledIntoReach(const ScreenBox& box, const std::vector<MonitorArea>& monitors);

// Where a window stands for a box of 96-DPI units: the DPI of the monitor the units fall on
// (each monitor scaled to units about the virtual screen's origin), and the pixels.
struct WindowPlace {
    ScreenBox units;   // what the window stands for, as the file keeps it
    ScreenBox pixels;  // where it was put
    int dpi = kBaseDpi;
};

// The place for `units`: on the monitor it falls on, or pulled into the nearest work area when
// it shares no pixel with any. `units` is kept as it was, so that the stored place survives a
// note shown elsewhere for a while.
WindowPlace PlaceUnits(const ScreenBox& units, const std::vector<MonitorArea>& monitors);

// What a window put at `placed` now stands for, now that it has `pixels` at `dpi`: each of the
// place and the size the window still has is the stored one; a moved or resized one is read
// back from the pixels.
ScreenBox UnitsOf(const WindowPlace& placed, const ScreenBox& pixels, int dpi);

// After the screens changed: the window's new place, `pixels` (its present box) kept when it
// still shares a pixel with a work area, and the stored place taken up again when the window
// was shown away from it and that place is on a screen again.
WindowPlace ReplaceOnScreens(const WindowPlace& placed, const ScreenBox& pixels, int dpi,
                             const std::vector<MonitorArea>& monitors);

// A dialog on a screen too small for it shrinks, controls and font alike, by
// numerator / denominator (1 / 1 when it fits), and then stands inside the area.
struct DialogFit {
    ScreenBox box;
    int numerator = 1;
    int denominator = 1;
};

// For a dialog of `outer` whose client area is `clientWidth` by `clientHeight`: the caption and
// frame keep their size, only the client area shrinks.
DialogFit FitDialog(const ScreenBox& outer, int clientWidth, int clientHeight,
                    const ScreenBox& area);
