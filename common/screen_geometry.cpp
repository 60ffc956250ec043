#include "common/screen_geometry.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

int HeldInInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

// value * numerator / denominator, rounded half away from zero.
int Scaled(int value, int numerator, int denominator) {
    int64_t product = int64_t{value} * numerator;
    int64_t half = denominator / 2;
    int64_t rounded =
        product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return HeldInInt(rounded);
}

int UsableDpi(int dpi) {
    return dpi > 0 ? dpi : kBaseDpi;
}

int64_t Right(const ScreenBox& b) {
    return int64_t{b.left} + b.width;
}
int64_t Bottom(const ScreenBox& b) {
    return int64_t{b.top} + b.height;
}

int64_t SharedArea(const ScreenBox& a, const ScreenBox& b) {
    int64_t w = std::min(Right(a), Right(b)) - std::max<int64_t>(a.left, b.left);
    int64_t h = std::min(Bottom(a), Bottom(b)) - std::max<int64_t>(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// The gap between two ranges on one axis, 0 when they meet.
int64_t Gap(int64_t aLow, int64_t aHigh, int64_t bLow, int64_t bHigh) {
    if (aHigh <= bLow) return bLow - aHigh;
    if (bHigh <= aLow) return aLow - bHigh;
    return 0;
}

// Where a range of `size` starting at `low` goes to lie inside [areaLow, areaLow + areaSize).
int HeldInRange(int low, int size, int areaLow, int areaSize) {
    if (size >= areaSize) return areaLow;
    return HeldInInt(std::clamp<int64_t>(low, areaLow, int64_t{areaLow} + areaSize - size));
}

std::vector<ScreenBox> WorkAreas(const std::vector<MonitorArea>& monitors) {
    std::vector<ScreenBox> areas;
    for (const MonitorArea& m : monitors) areas.push_back(m.work);
    return areas;
}

}  // namespace

int UnitsToPixels(int units, int dpi) {
    return Scaled(units, UsableDpi(dpi), kBaseDpi);
}

int PixelsToUnits(int pixels, int dpi) {
    return Scaled(pixels, kBaseDpi, UsableDpi(dpi));
}

ScreenBox UnitsToPixels(const ScreenBox& u, int dpi) {
    return {UnitsToPixels(u.left, dpi), UnitsToPixels(u.top, dpi), UnitsToPixels(u.width, dpi),
            UnitsToPixels(u.height, dpi)};
}

ScreenBox PixelsToUnits(const ScreenBox& p, int dpi) {
    return {PixelsToUnits(p.left, dpi), PixelsToUnits(p.top, dpi), PixelsToUnits(p.width, dpi),
            PixelsToUnits(p.height, dpi)};
}

bool Overlaps(const ScreenBox& a, const ScreenBox& b) {
    return SharedArea(a, b) > 0;
}

bool TouchesAnyArea(const ScreenBox& box, const std::vector<ScreenBox>& areas) {
    return std::any_of(areas.begin(), areas.end(),
                       [&](const ScreenBox& area) { return Overlaps(box, area); });
}

int NearestArea(const ScreenBox& box, const std::vector<ScreenBox>& areas) {
    int best = -1;
    int64_t bestShared = 0;
    for (int i = 0; i < static_cast<int>(areas.size()); ++i) {
        int64_t shared = SharedArea(box, areas[i]);
        if (shared > bestShared) best = i, bestShared = shared;
    }
    if (best >= 0) return best;
    // A zero-sized box touches nothing; it is measured from its corner like any other.
    double bestDistance = 0;
    for (int i = 0; i < static_cast<int>(areas.size()); ++i) {
        const ScreenBox& a = areas[i];
        double dx = static_cast<double>(Gap(box.left, Right(box), a.left, Right(a)));
        double dy = static_cast<double>(Gap(box.top, Bottom(box), a.top, Bottom(a)));
        double distance = dx * dx + dy * dy;
        if (best < 0 || distance < bestDistance) best = i, bestDistance = distance;
    }
    return best;
}

ScreenBox PullInside(const ScreenBox& box, const ScreenBox& area) {
    return {HeldInRange(box.left, box.width, area.left, area.width),
            HeldInRange(box.top, box.height, area.top, area.height), box.width, box.height};
}

ScreenBox QuestionPlace(const ScreenBox& shown, const ScreenBox& area) {
    if (PullInside(shown, area) == shown) return shown;
    return PullInside({area.left + (area.width - shown.width) / 2,
                       area.top + (area.height - shown.height) / 2, shown.width, shown.height},
                      area);
}

ScreenBox PulledIntoReach(const ScreenBox& box, const std::vector<MonitorArea>& monitors) {
    std::vector<ScreenBox> areas = WorkAreas(monitors);
    if (areas.empty() || TouchesAnyArea(box, areas)) return box;
    return PullInside(box, areas[NearestArea(box, areas)]);
}

WindowPlace PlaceUnits(const ScreenBox& units, const std::vector<MonitorArea>& monitors) {
    std::vector<ScreenBox> inUnits;
    for (const MonitorArea& m : monitors) inUnits.push_back(PixelsToUnits(m.whole, m.dpi));
    int nearest = NearestArea(units, inUnits);
    int dpi = nearest >= 0 ? monitors[nearest].dpi : kBaseDpi;
    ScreenBox pixels = PulledIntoReach(UnitsToPixels(units, dpi), monitors);
    // Monitors of mixed DPI do not tile the units as they tile the pixels: the size follows
    // the monitor the window ends up on, as the system's own DPI changes would make it.
    std::vector<ScreenBox> wholes;
    for (const MonitorArea& m : monitors) wholes.push_back(m.whole);
    int host = NearestArea(pixels, wholes);
    if (host >= 0 && monitors[host].dpi != dpi) {
        dpi = monitors[host].dpi;
        pixels.width = UnitsToPixels(units.width, dpi);
        pixels.height = UnitsToPixels(units.height, dpi);
        pixels = PulledIntoReach(pixels, monitors);
    }
    return {units, pixels, dpi};
}

ScreenBox UnitsOf(const WindowPlace& placed, const ScreenBox& pixels, int dpi) {
    ScreenBox units = placed.units;
    if (pixels.left != placed.pixels.left || pixels.top != placed.pixels.top) {
        units.left = PixelsToUnits(pixels.left, dpi);
        units.top = PixelsToUnits(pixels.top, dpi);
    }
    if (pixels.width != placed.pixels.width || pixels.height != placed.pixels.height ||
        dpi != placed.dpi) {
        units.width = PixelsToUnits(pixels.width, dpi);
        units.height = PixelsToUnits(pixels.height, dpi);
    }
    return units;
}

WindowPlace ReplaceOnScreens(const WindowPlace& placed, const ScreenBox& pixels, int dpi,
                             const std::vector<MonitorArea>& monitors) {
    ScreenBox units = UnitsOf(placed, pixels, dpi);
    bool moved = pixels.left != placed.pixels.left || pixels.top != placed.pixels.top;
    if (moved && TouchesAnyArea(pixels, WorkAreas(monitors))) return {units, pixels, dpi};
    return PlaceUnits(units, monitors);
}

DialogFit FitDialog(const ScreenBox& outer, int clientWidth, int clientHeight,
                    const ScreenBox& area) {
    DialogFit fit;
    int frameWidth = outer.width - clientWidth, frameHeight = outer.height - clientHeight;
    // The smaller of the two ratios wins; each applies only when its side does not fit.
    auto consider = [&](int room, int client) {
        if (client <= 0 || room >= client) return;
        room = std::max(room, 1);
        if (int64_t{room} * fit.denominator < int64_t{fit.numerator} * client)
            fit.numerator = room, fit.denominator = client;
    };
    consider(area.width - frameWidth, clientWidth);
    consider(area.height - frameHeight, clientHeight);
    ScreenBox box = outer;
    box.width = frameWidth + Scaled(clientWidth, fit.numerator, fit.denominator);
    box.height = frameHeight + Scaled(clientHeight, fit.numerator, fit.denominator);
    fit.box = PullInside(box, area);
    return fit;
}
