#include "analysis/PieSectors.h"

#include <cmath>

namespace vitalis {

std::vector<PieSector> PieSectors(const std::array<double, 3>& fractions) {
    std::vector<PieSector> sectors;
    double cumulative = 0.0;
    for (size_t i = 0; i < fractions.size(); ++i) {
        const double share = fractions[i];
        if (!(share > 0.0)) continue;
        PieSector sector;
        sector.share = static_cast<PieShare>(i);
        sector.fraction = share;
        sector.startDegrees = cumulative * 360.0;
        sector.sweepDegrees = share * 360.0;
        cumulative += share;
        sectors.push_back(sector);
    }
    return sectors;
}

LabelAlignment AlignmentForAngle(double degrees) {
    double a = std::fmod(degrees, 360.0);
    if (a < 0) a += 360.0;
    // Clockwise from three o'clock: 0-90 lower right, 90-180 lower left, 180-270 upper left,
    // 270-360 upper right.
    if (a < 90.0) return {true, true};
    if (a < 180.0) return {false, true};
    if (a < 270.0) return {false, false};
    return {true, false};
}

}  // namespace vitalis
