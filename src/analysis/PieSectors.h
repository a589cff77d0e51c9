#pragma once

#include <array>
#include <vector>

namespace vitalis {

// The shares a pie shows, in drawing order.
enum class PieShare { Above = 0, Within = 1, Below = 2 };

// One drawn sector. Angles are in degrees, clockwise from three o'clock, as a screen's y axis
// runs downwards.
struct PieSector {
    PieShare share = PieShare::Above;
    double fraction = 0.0;
    double startDegrees = 0.0;
    double sweepDegrees = 0.0;
    double MiddleDegrees() const { return startDegrees + sweepDegrees / 2.0; }
};

// The sectors of the above, within and below fractions: each starts where the previous one
// ended (cumulative fraction x 360). A share of zero, or less, gets no sector, so an
// all-within period is one full circle without slivers.
std::vector<PieSector> PieSectors(const std::array<double, 3>& fractions);

// Where a sector's percentage sits against its anchor point on the rim, by the quadrant of
// the sector's middle angle: to the right of the pie the text starts at the anchor, to the
// left it ends there; below the pie the text hangs from the anchor, above it stands on it.
struct LabelAlignment {
    bool alignLeft = true;  // text starts at the anchor (else ends there)
    bool alignTop = true;   // text hangs below the anchor (else stands above it)
};
LabelAlignment AlignmentForAngle(double degrees);

}  // namespace vitalis
