// The weighted blur's quotient N / M (M = (2 radius + 10)^2, N at most 255 M) and whether it is a
// whole number, in single precision so that the vectoriser takes four lanes at a time.
// With t = N x (1 / M) + 1 / (2M), each rounded to float: the exact N / M + 1 / (2M) lies at
// least 1 / (2M) > 1e-4 from a whole number and the roundings move it by less than 5e-5, so
// trunc(t) = N / M in integer division, and the fraction t - trunc(t) is below 1 / M exactly
// when N / M is whole. A test tries every N for every fractional radius.
#pragma once

#include <cstdint>

namespace qzr {

struct WholeQuotient {
    explicit WholeQuotient(std::uint32_t divisor)
        : inverse(1.0f / float(divisor)),
          half(0.5f / float(divisor)),
          limit(1.0f / float(divisor)) {}

    // t for a sum n (a whole number below 2^24, so exact as a float).
    float Shifted(float n) const { return n * inverse + half; }
    static int Quotient(float shifted) { return static_cast<int>(shifted); }
    bool IsWhole(float shifted, int quotient) const { return shifted - float(quotient) < limit; }

    float inverse;
    float half;
    float limit;  // below this fraction of t, N / M is whole
};

}  // namespace qzr
