#pragma once
// The smoothing kernels of Filter > Smooth over the active channel's WorkSection. Every
// result is computed from the samples as they were before the command (windows at the end
// read the unchanged samples after the section, 0 beyond the channel); the sample at the
// section's first index is never changed, nothing after its last index is written.

#include <cstdint>
#include <string>
#include <vector>

namespace corv {

struct AppState;
class UiPort;

enum class SmoothKernel {
    K121,      // 1-2-1
    K1241,     // 1-2-4-10-4-2-1
    K11232,    // 1-1-2-3-2-1-1
    Trimmed7,  // seven-point mean without its highest and lowest sample ("1-1-1-1")
};

// The undo step's name ("Smooth 1-2-1", ...).
[[nodiscard]] std::string SmoothKernelName(SmoothKernel k);
// The kernel's word in the script's smooth verb ("121", "124", "1123", "1111").
[[nodiscard]] std::string SmoothKernelVerb(SmoothKernel k);

// The results for the positions first+1 .. first+count of the words x, where x[0] is the
// sample at first and x holds count + 4 words (the samples up to three after the last
// position). Pure, for the command and the benchmark.
void SmoothWords(SmoothKernel k, const uint16_t* x, size_t count, uint16_t* out);

// Smooths the section between the cursors of the active channel as one undo step. Needs at
// least three samples; returns true when it ran.
bool SmoothSection(AppState& state, UiPort& ui, SmoothKernel k);

}  // namespace corv
