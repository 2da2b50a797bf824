#include "processing/Smoothing.h"

#include <algorithm>
#include <array>

#include "AppState.h"
#include "core/EditScope.h"
#include "core/ProcessingLog.h"
#include "core/UiPort.h"
#include "processing/WorkSection.h"

namespace corv {

namespace {

struct Weights {
    std::array<uint32_t, 7> w;
    size_t n;  // weights used
    uint32_t div;
};

// The full kernels and the shortened ones of the positions f+2 and f+3.
constexpr Weights kFull1241{{1, 2, 4, 10, 4, 2, 1}, 7, 24};
constexpr Weights kFull11232{{1, 1, 2, 3, 2, 1, 1}, 7, 11};
constexpr Weights kFullMean{{1, 1, 1, 1, 1, 1, 1}, 7, 7};
constexpr Weights kFive1241{{1, 2, 4, 2, 1, 0, 0}, 5, 10};
constexpr Weights kFive11232{{1, 1, 2, 1, 1, 0, 0}, 5, 6};
constexpr Weights kFiveMean{{1, 1, 1, 1, 1, 0, 0}, 5, 5};

uint16_t Weighted(const uint16_t* x, const Weights& k) {
    uint32_t sum = 0;
    for (size_t j = 0; j < k.n; ++j) sum += k.w[j] * x[j];
    return static_cast<uint16_t>(sum / k.div);
}

// The centred seven-point kernel 1 a b c b a 1 over x[i-3..i+3] for i = from .. to-1.
template <uint32_t A, uint32_t B, uint32_t C, uint32_t D>
void Centred(const uint16_t* x, size_t from, size_t to, uint16_t* out) {
    for (size_t i = from; i < to; ++i) {
        const uint32_t sum = uint32_t{x[i - 3]} + x[i + 3] + A * (uint32_t{x[i - 2]} + x[i + 2]) +
                             B * (uint32_t{x[i - 1]} + x[i + 1]) + C * uint32_t{x[i]};
        out[i] = static_cast<uint16_t>(sum / D);
    }
}

// Leaves out the highest and the lowest of the seven and rounds the mean of the other
// five; a fifth of a whole number is never exactly half-way, so adding 2 before the
// division rounds to the nearest. Which of equal extremes is left out does not change the
// sum. The maxima and minima are built from pairs, then fours, so each step is one pass of
// plain element-wise operations over a block, which the compiler turns into vector code.
void Trimmed(const uint16_t* x, size_t from, size_t to, uint16_t* out) {
    constexpr size_t kBlock = 2048;
    std::array<uint16_t, kBlock + 8> hi2, lo2, hi4, lo4;
    for (size_t start = from; start < to; start += kBlock) {
        const size_t n = std::min(kBlock, to - start);
        const uint16_t* w = x + start - 3;  // w[k] .. w[k + 6] is the window of start + k
        for (size_t k = 0; k < n + 5; ++k) {
            const uint16_t a = w[k], b = w[k + 1];  // by value: vectorizes, references do not
            hi2[k] = a > b ? a : b;
            lo2[k] = a < b ? a : b;
        }
        for (size_t k = 0; k < n + 3; ++k) {
            hi4[k] = std::max(hi2[k], hi2[k + 2]);
            lo4[k] = std::min(lo2[k], lo2[k + 2]);
        }
        uint16_t* o = out + start;
        for (size_t k = 0; k < n; ++k) {
            const uint32_t sum =
                uint32_t{w[k]} + w[k + 1] + w[k + 2] + w[k + 3] + w[k + 4] + w[k + 5] + w[k + 6];
            const uint32_t hi = std::max(hi4[k], hi4[k + 3]);
            const uint32_t lo = std::min(lo4[k], lo4[k + 3]);
            o[k] = static_cast<uint16_t>((sum - hi - lo + 2) / 5);
        }
    }
}

}  // namespace

std::string SmoothKernelName(SmoothKernel k) {
    switch (k) {
        case SmoothKernel::K121:
            return "Smooth 1-2-1";
        case SmoothKernel::K1241:
            return "Smooth 1-2-4-10";
        case SmoothKernel::K11232:
            return "Smooth 1-1-2-3-2";
        case SmoothKernel::Trimmed7:
            return "Smooth 1-1-1-1";
    }
    return {};
}

std::string SmoothKernelVerb(SmoothKernel k) {
    switch (k) {
        case SmoothKernel::K121:
            return "121";
        case SmoothKernel::K1241:
            return "124";
        case SmoothKernel::K11232:
            return "1123";
        case SmoothKernel::Trimmed7:
            return "1111";
    }
    return {};
}

void SmoothWords(SmoothKernel k, const uint16_t* x, size_t count, uint16_t* out) {
    // out[i - 1] is the result at x[i]; o is shifted so that o[i] is that result.
    uint16_t* o = out - 1;
    const size_t end = count + 1;  // one past the last position
    if (count >= 1) o[1] = static_cast<uint16_t>((uint32_t{x[1]} + x[2]) / 2);
    if (k == SmoothKernel::K121) {
        for (size_t i = 2; i < end; ++i)
            o[i] = static_cast<uint16_t>((uint32_t{x[i - 1]} + 2u * x[i] + x[i + 1]) / 4);
        return;
    }
    const bool thirds = k != SmoothKernel::K1241;
    if (end > 2)
        o[2] = static_cast<uint16_t>(thirds ? (uint32_t{x[1]} + x[2] + x[3]) / 3
                                            : (uint32_t{x[1]} + 2u * x[2] + x[3]) / 4);
    const Weights& five = k == SmoothKernel::K1241    ? kFive1241
                          : k == SmoothKernel::K11232 ? kFive11232
                                                      : kFiveMean;
    const Weights& full = k == SmoothKernel::K1241    ? kFull1241
                          : k == SmoothKernel::K11232 ? kFull11232
                                                      : kFullMean;
    // Positions 3 and 4 take the words from position 1 on: the window has not yet its
    // three samples on the left. The padding words after the section are read as zeros.
    if (end > 3) o[3] = Weighted(x + 1, five);
    if (end > 4) o[4] = Weighted(x + 1, full);
    if (end <= 5) return;
    switch (k) {
        case SmoothKernel::K1241:
            Centred<2, 4, 10, 24>(x, 5, end, o);
            break;
        case SmoothKernel::K11232:
            Centred<1, 2, 3, 11>(x, 5, end, o);
            break;
        default:
            Trimmed(x, 5, end, o);
            break;
    }
}

bool SmoothSection(AppState& state, UiPort& ui, SmoothKernel k) {
    const int c = state.ActiveChannel;
    const SectionIndexes sec =
        SectionOf(state.store, c, state.view.LeftCursor, state.view.RightCursor);
    if (int64_t{sec.last} <= int64_t{sec.first} + 1) return false;
    BusyGuard busy(ui);
    const EditScope scope = EditScope().Words(c, int64_t{sec.first} + 1, sec.last);
    const bool changed = state.history.RunEdit(state, ui, SmoothKernelName(k), scope, [&] {
        // x[0] is the sample at first; the three samples after last are read, not written.
        const std::vector<uint16_t> x = ReadWords(state.store, c, sec.first, int64_t{sec.last} + 3);
        const size_t count = static_cast<size_t>(sec.last - sec.first);
        std::vector<uint16_t> out(count);
        SmoothWords(k, x.data(), count, out.data());
        WriteWords(state.store, c, int64_t{sec.first} + 1, out.data(), count);
        return true;
    });
    if (changed) LogEdit(state, "smooth " + SmoothKernelVerb(k), true);
    return changed;
}

}  // namespace corv
