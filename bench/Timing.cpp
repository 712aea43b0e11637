#include "bench/Timing.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kBatchSeconds = 0.05;

double BatchSeconds(const std::function<void()>& work, long calls) {
    const Clock::time_point start = Clock::now();
    for (long call = 0; call < calls; ++call) {
        work();
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

double MedianSeconds(const std::function<void()>& work) {
    // The batches that find the number of calls also warm the caches and the allocator up,
    // and are not kept.
    long calls = 1;
    for (double seconds = BatchSeconds(work, calls); seconds < kBatchSeconds;
         seconds = BatchSeconds(work, calls)) {
        calls *= 2;
    }
    std::vector<double> perCall;
    for (int batch = 0; batch < kTimingBatches; ++batch) {
        perCall.push_back(BatchSeconds(work, calls) / static_cast<double>(calls));
    }
    std::nth_element(perCall.begin(), perCall.begin() + kTimingBatches / 2, perCall.end());
    return perCall[kTimingBatches / 2];
}
