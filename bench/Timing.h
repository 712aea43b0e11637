#pragma once

#include <functional>

// The batches that MedianSeconds times for each measurement.
constexpr int kTimingBatches = 7;

// The time of one call of `work` in seconds: the median of several batches, each batch made of
// enough calls to last well beyond the clock's resolution, so that short calls are timed too.
double MedianSeconds(const std::function<void()>& work);
