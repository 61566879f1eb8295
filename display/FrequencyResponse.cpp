#include "display/FrequencyResponse.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace display {

namespace {

const double kLog10Top = std::log10(kGridTopFrequency);

// The two loops below are written so that the compiler vectorises them: no
// branches, selects done on bit patterns, logarithm and arc tangent by
// polynomials. They are built for three instruction sets and the best one the
// processor has is picked at load time. Inputs outside the polynomials' range
// (a zero or infinite ratio, 0/0) are reported, and the caller redoes that
// section with the library functions.

[[gnu::always_inline]] inline double Select(bool condition, double yes, double no) {
    const std::uint64_t mask = -static_cast<std::uint64_t>(condition);
    return std::bit_cast<double>((std::bit_cast<std::uint64_t>(yes) & mask) |
                                 (std::bit_cast<std::uint64_t>(no) & ~mask));
}

// Natural logarithm of a positive normal double, to a few ulp.
[[gnu::always_inline]] inline double LogNormal(double r) {
    // Split r = 2^e * m with m in [sqrt(1/2), sqrt(2)) using integer arithmetic
    // only; the offset 1024 keeps every intermediate unsigned.
    const std::uint64_t u = std::bit_cast<std::uint64_t>(r);
    const std::uint64_t t = u - 0x3FE6A09E667F3BCDull + 0x4000000000000000ull;
    const double e = std::bit_cast<double>((t >> 52) | 0x4330000000000000ull) - (4503599627370496.0 + 1024.0);
    const double m = std::bit_cast<double>(u - (t & 0xFFF0000000000000ull) + 0x4000000000000000ull);
    // ln m = 2 atanh(s) with |s| <= 0.1716; the series is exact to double here.
    const double s = (m - 1.0) / (m + 1.0);
    const double z = s * s;
    double p = 1.0 / 19;
    p = p * z + 1.0 / 17;
    p = p * z + 1.0 / 15;
    p = p * z + 1.0 / 13;
    p = p * z + 1.0 / 11;
    p = p * z + 1.0 / 9;
    p = p * z + 1.0 / 7;
    p = p * z + 1.0 / 5;
    p = p * z + 1.0 / 3;
    p = p * z + 1.0;
    return e * std::numbers::ln2 + 2.0 * s * p;
}

// Arc tangent (Cephes' reduction and rational approximation), any non-NaN x.
[[gnu::always_inline]] inline double ArcTan(double x) {
    const double a = std::fabs(x);
    const bool high = a > 2.414213562373095;  // tan(3 pi / 8)
    const bool middle = !high & (a > 0.66);
    const double num = Select(high, -1.0, Select(middle, a - 1.0, a));
    const double den = Select(high, a, Select(middle, a + 1.0, 1.0));
    const double y0 = Select(high, std::numbers::pi / 2, Select(middle, std::numbers::pi / 4, 0.0));
    const double r = num / den;
    const double z = r * r;
    const double p = (((-8.750608600031904122785e-1 * z - 1.615753718733365076637e1) * z -
                       7.500855792314704667340e1) * z - 1.228866684490136173410e2) * z -
                     6.485021904942025371773e1;
    const double q = ((((z + 2.485846490142306297962e1) * z + 1.650270098316988542046e2) * z +
                       4.328810604912902668951e2) * z + 4.853903996359136964868e2) * z +
                     1.945506571482613964425e2;
    return std::copysign(y0 + (r + r * (z * p / q)), x);
}

// The kernels get AVX-512 and AVX2 versions, picked at load time, where the
// compiler can clone for them; elsewhere they are built once, plain.
#if defined(__x86_64__) && defined(__GNUC__)
#define KERNEL_CLONES [[gnu::target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")]]
#else
#define KERNEL_CLONES
#endif

constexpr double kMinNormal = 2.2250738585072014e-308;
constexpr double kMaxNormal = 1.7976931348623157e308;

KERNEL_CLONES
bool MagnitudeKernel(const ResponseGrid& g, const BiquadCoefficients& c, double* __restrict out) {
    const double b0 = c.b0, b1 = c.b1, b2 = c.b2, a0 = c.a0, a1 = c.a1, a2 = c.a2;
    const double* __restrict c1 = g.Cos1.data();
    const double* __restrict s1 = g.Sin1.data();
    const double* __restrict c2 = g.Cos2.data();
    const double* __restrict s2 = g.Sin2.data();
    int ok = 1;
    for (int i = 0; i < kResponsePoints; ++i) {
        const double nr = b0 + b1 * c1[i] + b2 * c2[i];
        const double ni = b1 * s1[i] + b2 * s2[i];
        const double dr = a0 + a1 * c1[i] + a2 * c2[i];
        const double di = a1 * s1[i] + a2 * s2[i];
        // 20 log10(|N| / |D|) = -10 log10(|D|^2 / |N|^2)
        const double ratio = (dr * dr + di * di) / (nr * nr + ni * ni);
        ok &= std::isgreaterequal(ratio, kMinNormal) & std::islessequal(ratio, kMaxNormal);
        out[i] = (-10.0 / std::numbers::ln10) * LogNormal(ratio);
    }
    return ok != 0;
}

KERNEL_CLONES
bool PhaseKernel(const ResponseGrid& g, const BiquadCoefficients& c, double* __restrict out) {
    const double b0 = c.b0, b1 = c.b1, b2 = c.b2, a0 = c.a0, a1 = c.a1, a2 = c.a2;
    const double* __restrict c1 = g.Cos1.data();
    const double* __restrict s1 = g.Sin1.data();
    const double* __restrict c2 = g.Cos2.data();
    const double* __restrict s2 = g.Sin2.data();
    int ok = 1;
    for (int i = 0; i < kResponsePoints; ++i) {
        const double nr = b0 + b1 * c1[i] + b2 * c2[i];
        const double ni = b1 * s1[i] + b2 * s2[i];
        const double dr = a0 + a1 * c1[i] + a2 * c2[i];
        const double di = a1 * s1[i] + a2 * s2[i];
        const double q = (dr * ni - di * nr) / (dr * nr + di * ni);
        ok &= (q == q);
        out[i] = ArcTan(q) * PhaseUnitScale;
    }
    return ok != 0;
}

struct Terms {
    double nr, ni, dr, di;
};

// b == a: H is 1 everywhere (a 0 dB peak or shelf, the flat code). Written
// as exact zeros: evaluating it would leave rounding residue wherever the
// compiler fuses the phase's cross products.
bool IsIdentity(const BiquadCoefficients& c) {
    return c.b0 == c.a0 && c.b1 == c.a1 && c.b2 == c.a2;
}

Terms At(const ResponseGrid& g, const BiquadCoefficients& c, int i) {
    return {c.b0 + c.b1 * g.Cos1[i] + c.b2 * g.Cos2[i], c.b1 * g.Sin1[i] + c.b2 * g.Sin2[i],
            c.a0 + c.a1 * g.Cos1[i] + c.a2 * g.Cos2[i], c.a1 * g.Sin1[i] + c.a2 * g.Sin2[i]};
}

}  // namespace

const ResponseGrid& ResponseGrid::Get() {
    static const ResponseGrid grid = [] {
        ResponseGrid g;
        for (int i = 0; i < kResponsePoints; ++i) {
            const double f = GridFrequency(i);
            const double w = std::numbers::pi * f / kGridTopFrequency;
            g.Frequency[i] = f;
            g.Cos1[i] = std::cos(-w);
            g.Sin1[i] = std::sin(-w);
            g.Cos2[i] = std::cos(-2.0 * w);
            g.Sin2[i] = std::sin(-2.0 * w);
        }
        return g;
    }();
    return grid;
}

double GridFrequency(int i) {
    return std::pow(10.0, i * kLog10Top / kResponsePoints);
}

double GridX(double frequency) {
    return std::log10(frequency) / kLog10Top * kResponsePoints;
}

void EvaluateMagnitude(const BiquadCoefficients& c, std::span<double, kResponsePoints> out) {
    if (IsIdentity(c)) {
        std::ranges::fill(out, 0.0);
        return;
    }
    const ResponseGrid& g = ResponseGrid::Get();
    if (MagnitudeKernel(g, c, out.data()))
        return;
    for (int i = 0; i < kResponsePoints; ++i) {
        const Terms t = At(g, c, i);
        const double n = std::hypot(t.nr, t.ni);
        const double d = std::hypot(t.dr, t.di);
        out[i] = (n == 0.0 && d == 0.0) ? 0.0 : -20.0 * std::log10(d / n);
    }
}

void EvaluatePhase(const BiquadCoefficients& c, std::span<double, kResponsePoints> out) {
    if (IsIdentity(c)) {
        std::ranges::fill(out, 0.0);
        return;
    }
    const ResponseGrid& g = ResponseGrid::Get();
    if (PhaseKernel(g, c, out.data()))
        return;
    for (int i = 0; i < kResponsePoints; ++i) {
        const Terms t = At(g, c, i);
        const double q = (t.dr * t.ni - t.di * t.nr) / (t.dr * t.nr + t.di * t.ni);
        out[i] = std::isnan(q) ? 0.0 : std::atan(q) * PhaseUnitScale;
    }
}

}  // namespace display
