#pragma once
// The generators' random values, from a fixed seed.

#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <random>

namespace vantora::tools::demo {

// Plain arithmetic over the engine's raw output, so a seed gives the same
// facility with every standard library.
class Rng {
public:
    explicit Rng(unsigned seed) : engine_(seed) {}
    // lo..hi, both included.
    int range(int lo, int hi) {
        return lo + static_cast<int>(engine_() % static_cast<unsigned>(hi - lo + 1));
    }
    double real(double lo, double hi) {
        return lo + (hi - lo) * (static_cast<double>(engine_()) / 4294967296.0);
    }
    bool chance(double p) { return real(0.0, 1.0) < p; }
    // Roughly bell-shaped around the middle of lo..hi.
    double bell(double lo, double hi) { return (real(lo, hi) + real(lo, hi) + real(lo, hi)) / 3; }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& a) {
        return a[static_cast<std::size_t>(range(0, static_cast<int>(N) - 1))];
    }
    // Index by weights.
    int weighted(std::initializer_list<int> weights) {
        int total = 0;
        for (int w : weights)
            total += w;
        int r = range(0, total - 1);
        int i = 0;
        for (int w : weights) {
            if (r < w)
                return i;
            r -= w;
            ++i;
        }
        return i - 1;
    }

private:
    std::mt19937 engine_;
};

inline double round2(double v) {
    return std::round(v * 100.0) / 100.0;
}

} // namespace vantora::tools::demo
