#include "processing/Synchronise.h"

#include <cmath>
#include <sstream>

#include "AppState.h"
#include "core/Convert.h"
#include "core/NumberFormat.h"
#include "core/UiPort.h"
#include "processing/TimingCheck.h"

namespace corv {

std::array<int, 3> ParseSyncChannels(const std::string& text) {
    std::array<int, 3> numbers{};
    if (text.size() < 2) return numbers;
    std::istringstream words(text);
    std::string word;
    for (size_t k = 0; k < numbers.size() && words >> word; ++k) numbers[k] = StrToInt(word);
    return numbers;
}

std::optional<std::array<double, 4>> SyncProposals(const AppState& state, int p, int q) {
    const double t4 = state.view.LeftCursor;
    const double t5 = state.view.RightCursor;
    const auto k = [&](int c, double t) {
        const int32_t rate = state.store.Rec(c).SampRate;
        return rate > 0 ? std::trunc(t / rate) : 0.0;
    };
    const double kp4 = k(p, t4), kp5 = k(p, t5), kq4 = k(q, t4), kq5 = k(q, t5);
    if (kp4 == 0 || kp5 == 0 || kq4 == 0 || kq5 == 0) return std::nullopt;
    return std::array<double, 4>{t5 / kp4, t4 / kp5, t4 / kq5, t5 / kq4};
}

std::string SyncProposalText(int p, int q, const std::array<double, 4>& s) {
    const std::string sp = "SI " + std::to_string(p + 1) + "=";
    const std::string sq = "SI " + std::to_string(q + 1) + "=";
    const auto f = [](double v) { return FormatWidthDec(v, 9, 3); };
    return sp + f(s[0]) + " or " + sp + f(s[1]) + " or " + sq + f(s[2]) + " or " + sq + f(s[3]);
}

bool Synchronise(AppState& state, UiPort& ui) {
    std::string answer = " ";
    if (!ui.InputQuery("SI-adjust", "Enter # of 2 channels sep. by space. Example: '1 2'", answer))
        return false;
    const std::array<int, 3> n = ParseSyncChannels(answer);
    // Numbers above 3 name no channel either.
    if (n[0] < 1 || n[1] < 1 || n[0] > kChannelCount || n[1] > kChannelCount) {
        ui.Message("Invalid channel number");
        return false;
    }
    if (n[0] == n[1]) {
        ui.Message("Channels must be different");
        return false;
    }
    if (n[2] > 0) {
        ui.Message(" Too many channels selected");
        return false;
    }
    const int p = n[0] - 1;
    const int q = n[1] - 1;
    if (!state.store.ChannelPresent[static_cast<size_t>(p)] ||
        !state.store.ChannelPresent[static_cast<size_t>(q)])
        return false;
    if (!SameTiming(state, ui, p, q, false)) return false;
    const std::optional<std::array<double, 4>> s = SyncProposals(state, p, q);
    if (!s) {
        ui.Message(" No proposal: a cursor lies in the first sampling interval of channel " +
                   std::to_string(p + 1) + " or " + std::to_string(q + 1) +
                   ". Move F4 and F5 further into the recording.");
        return false;
    }
    ui.Message(SyncProposalText(p, q, *s));
    return true;
}

}  // namespace corv
