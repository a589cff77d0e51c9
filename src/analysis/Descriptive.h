#pragma once

#include <span>

namespace vitalis {

// Small statistics over plain arrays of whole numbers, shared by every analysis step.

// Sum as double divided by the count; 0 for an empty array.
double Mean(std::span<const int> values);
// Sum accumulated in single precision and divided in single precision: the precision in
// which the period means are kept.
float SinglePrecisionMean(std::span<const int> values);
// Population standard deviation (divides by n, not n - 1); -1 for an empty array.
double StdDev(std::span<const int> values);
// Standard error of the mean, StdDev / sqrt(n); -1 for an empty array.
double StdErr(std::span<const int> values);
// Position of the largest (smallest) value; on ties the last position holding it. -1 when
// the array is empty.
int IndexOfMax(std::span<const int> values);
int IndexOfMin(std::span<const int> values);

}  // namespace vitalis
