#include "analysis/RegressionLines.h"

namespace vitalis {
namespace {

// One Liang-Barsky step: narrows [enter, leave] for the edge p * t <= q.
bool Narrow(double p, double q, double& enter, double& leave) {
    if (p == 0.0) return q >= 0.0;
    const double t = q / p;
    if (p < 0.0) {
        if (t > leave) return false;
        if (t > enter) enter = t;
    } else {
        if (t < enter) return false;
        if (t < leave) leave = t;
    }
    return true;
}

}  // namespace

std::optional<ValueSegment> ClipToBox(const ValueSegment& s, const ValueBox& box) {
    const double dx = s.x2 - s.x1;
    const double dy = s.y2 - s.y1;
    double enter = 0.0;
    double leave = 1.0;
    if (!Narrow(-dx, s.x1 - box.xMin, enter, leave) || !Narrow(dx, box.xMax - s.x1, enter, leave) ||
        !Narrow(-dy, s.y1 - box.yMin, enter, leave) || !Narrow(dy, box.yMax - s.y1, enter, leave)) {
        return std::nullopt;
    }
    return ValueSegment{s.x1 + enter * dx, s.y1 + enter * dy, s.x1 + leave * dx, s.y1 + leave * dy};
}

std::optional<ValueSegment> DiaOnSysLine(const CorrelationData& d, const ValueBox& box) {
    if (d.diaOnSysSlope == 0.0 && d.diaOnSysIntercept == 0.0) return std::nullopt;
    const double a = d.diaOnSysSlope;
    const double b = d.diaOnSysIntercept;
    return ClipToBox({box.xMin, a * box.xMin + b, box.xMax, a * box.xMax + b}, box);
}

std::optional<ValueSegment> SysOnDiaLine(const CorrelationData& d, const ValueBox& box) {
    if (d.sysOnDiaSlope == 0.0 && d.sysOnDiaIntercept == 0.0) return std::nullopt;
    const double c = d.sysOnDiaSlope;
    const double e = d.sysOnDiaIntercept;
    return ClipToBox({c * box.yMin + e, box.yMin, c * box.yMax + e, box.yMax}, box);
}

}  // namespace vitalis
