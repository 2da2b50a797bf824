#include "processing/SectionArithmetic.h"

#include <algorithm>

#include "AppState.h"
#include "core/AnalysisKind.h"
#include "core/Checked.h"
#include "core/Convert.h"
#include "core/EditScope.h"
#include "core/ProcessingLog.h"
#include "core/UiPort.h"
#include "processing/WorkSection.h"

namespace corv {

namespace {

struct Prompt {
    const char* caption;
    const char* text;
    const char* defaultText;
};

// The input boxes of the operations that ask for a number; Cancel gives the default.
const Prompt* BoxPrompt(SectionOp op) {
    static constexpr Prompt kMultiply{"Multiply ", "Multiply work. section with", "1"};
    static constexpr Prompt kAdd{"Summe", "Add to work. section", "0"};
    static constexpr Prompt kDivide{"Division", "Divide work.section by", "1"};
    static constexpr Prompt kInsert{"Insert points after F4-cursor", "How many points", "0"};
    switch (op) {
        case SectionOp::Multiply:
            return &kMultiply;
        case SectionOp::Add:
            return &kAdd;
        case SectionOp::Divide:
            return &kDivide;
        case SectionOp::Insert:
            return &kInsert;
        default:
            return nullptr;
    }
}

uint16_t RoundClip(double r) {
    return ClipRaw(RoundHalfEven(r));
}

// The whole recording: multiply, divide and add rescale the channel instead.
void Rescale(ChannelRecord& r, SectionOp op, double x) {
    if (op == SectionOp::Add) {
        r.CoeffB += x;
        return;
    }
    for (double* f : {&r.CoeffA, &r.CoeffB, &r.CoeffC, &r.yOffset})
        *f = op == SectionOp::Multiply ? *f * x : *f / x;
}

// The new raw word at index i (k counts from first) for the per-sample operations.
uint16_t NewWord(const ChannelStore& s, int c, SectionOp op, int32_t i, int64_t k, double x,
                 double slope, double pivot) {
    const ChannelRecord& r = s.Rec(c);
    int32_t err = 0;
    const auto value = [&] { return s.GetValue(i, c, err); };
    const bool byValue = r.CoeffC != 0;
    switch (op) {
        case SectionOp::Multiply:
            return byValue ? RawOfValue(s, c, value() * x)
                           : RoundClip((s.GetRaw(i, c) - pivot) * x + pivot);
        case SectionOp::Divide:
            return byValue ? RawOfValue(s, c, value() / x)
                           : RoundClip((s.GetRaw(i, c) - pivot) / x + pivot);
        case SectionOp::Add:
            return byValue ? RawOfValue(s, c, value() + x) : RoundClip(s.GetRaw(i, c) + pivot);
        case SectionOp::SetConstant:
            return RawOfValue(s, c, x);
        case SectionOp::Ramp:
        case SectionOp::Equalize:
            return RawOfValue(s, c, value() + static_cast<double>(k) * slope);
        default:
            return s.GetRaw(i, c);
    }
}

// The bank position of common index i, where the gap list counts.
int32_t GapPosition(const ChannelStore& s, int c, int64_t i) {
    return static_cast<int32_t>(i - s.Rec(c).CorrSmpDelay);
}

void DeleteWords(ChannelStore& s, int c, int32_t first, int32_t n) {
    ChannelRecord& r = s.Rec(c);
    s.Gaps[size_t(c)].Remove(GapPosition(s, c, first), n);
    for (int64_t i = first; i <= int64_t{r.DataCnt} - n; ++i)
        s.SetRaw(static_cast<int32_t>(i), s.GetRaw(static_cast<int32_t>(i + n), c), c);
    r.DataCnt -= n;
}

bool InsertWords(AppState& state, UiPort& ui, int c, int32_t first, double count, uint16_t f) {
    ChannelStore& s = state.store;
    ChannelRecord& r = s.Rec(c);
    if (r.DataCnt + count > s.MaxSamples) {
        ui.Message(" Rejected! Size exceeds limit.");
        return false;
    }
    const int32_t n = static_cast<int32_t>(count);
    for (int64_t i = r.DataCnt; i >= int64_t{first} + 1; --i)
        s.SetRaw(static_cast<int32_t>(i + n), s.GetRaw(static_cast<int32_t>(i), c), c);
    r.DataCnt += n;  // before the fill, so the new words are inside the channel
    s.Gaps[size_t(c)].Insert(GapPosition(s, c, first), n);
    for (int64_t i = int64_t{first} + 1; i <= int64_t{first} + n; ++i)
        s.SetRaw(static_cast<int32_t>(i), f, c);
    const double span = static_cast<double>(r.DataCnt) * r.SampRate;
    if (span > s.TotalSpan) s.TotalSpan = span;
    return true;
}

// Steps 4 to 12 of the routine, with x known; inside the undo step.
bool Apply(AppState& state, UiPort& ui, SectionOp op, int c, double x, double tRight, double tLeft,
           SectionIndexes sec) {
    ChannelStore& s = state.store;
    ChannelRecord& r = s.Rec(c);
    const double n = RoundHalfEven(x);
    double slope = 0;
    if (op == SectionOp::Ramp || op == SectionOp::Equalize)
        slope = x / (static_cast<double>(sec.last) - sec.first);
    if (x == 0 && (op == SectionOp::Divide || op == SectionOp::Insert || op == SectionOp::Delete))
        return false;
    if (x == 1 && (op == SectionOp::Multiply || op == SectionOp::Divide)) return false;
    const bool scaling =
        op == SectionOp::Multiply || op == SectionOp::Divide || op == SectionOp::Add;
    if (scaling && tLeft == 0 && tRight == s.TotalSpan) {
        Rescale(r, op, x);
        return true;
    }
    // Without a scale factor every raw word has the same value: the raw path has no pivot.
    if (scaling && r.CoeffA == 0 && r.CoeffC == 0) return false;
    const double pivot = op == SectionOp::Add ? x / r.CoeffA : (r.yOffset - r.CoeffB) / r.CoeffA;
    // The ramp is anchored at F4 even when sample 0, which never changes, lies there.
    const int32_t rampStart = sec.first;
    sec.first = std::max(sec.first, 1);
    if (sec.first >= sec.last) return false;
    const uint16_t f = s.GetRaw(sec.first, c);

    if (op == SectionOp::Insert) return InsertWords(state, ui, c, sec.first, n, f);
    if (op == SectionOp::Delete) {
        DeleteWords(s, c, sec.first, static_cast<int32_t>(n));
        return true;
    }
    if (op == SectionOp::ClampBelowZero) {
        const uint16_t z = RawOfValue(s, c, 0);
        for (int32_t i = sec.first; i <= sec.last; ++i)
            if (s.GetRaw(i, c) < z) s.SetRaw(i, z, c);
        return true;
    }
    for (int32_t i = sec.first; i <= sec.last; ++i)
        s.SetRaw(i, NewWord(s, c, op, i, int64_t{i} - rampStart, x, slope, pivot), c);
    // A constant the user sets is a value of his choosing, no longer a missing one; the
    // other operations change the repeated values, which stay unmeasured.
    if (op == SectionOp::SetConstant)
        s.Gaps[size_t(c)].Erase(GapPosition(s, c, sec.first), GapPosition(s, c, sec.last));
    return true;
}

// What the step may change: the section's words, or the whole channel when samples move;
// the record for the rescaling and the sample count.
EditScope ScopeOf(const AppState& state, SectionOp op, int c, SectionIndexes sec, double x) {
    EditScope scope;
    scope.Record(c);
    const int64_t dataCnt = state.store.Rec(c).DataCnt;
    if (op == SectionOp::Insert) {
        const int64_t n =
            std::clamp<int64_t>(static_cast<int64_t>(RoundHalfEven(x)), 0, state.store.MaxSamples);
        scope.WholeChannel(c, dataCnt + n);
    } else if (op == SectionOp::Delete) {
        scope.WholeChannel(c);
    } else {
        scope.Words(c, std::max(sec.first, 1), sec.last);
    }
    return scope;
}

}  // namespace

std::string SectionOpName(SectionOp op) {
    switch (op) {
        case SectionOp::Multiply:
            return "Multiply";
        case SectionOp::Add:
            return "Add";
        case SectionOp::Divide:
            return "Divide";
        case SectionOp::SetConstant:
            return "Set constant";
        case SectionOp::Ramp:
            return "Add ramp";
        case SectionOp::Equalize:
            return "Equalize F4 F5";
        case SectionOp::Insert:
            return "Insert points";
        case SectionOp::Delete:
            return "Delete points";
        case SectionOp::ClampBelowZero:
            return "Del. < 0";
    }
    return {};
}

bool ProcessSection(AppState& state, UiPort& ui, SectionOp op, int c, double x, double tRight,
                    double tLeft) {
    if (PolynomialRefused(state, ui, c)) return false;
    const SectionIndexes sec = SectionOf(state.store, c, tLeft, tRight);
    const int64_t width = int64_t{sec.last} - sec.first;
    if (op == SectionOp::Equalize) {
        if (width < 1) return false;
        int32_t err = 0;
        x = state.store.GetValue(sec.first, c, err) - state.store.GetValue(sec.last, c, err);
    }
    if (op == SectionOp::Ramp && (width < 1 || x == 0)) return false;
    if (op == SectionOp::Delete) x = static_cast<double>(width);
    if (op == SectionOp::Delete && width < 1) return false;
    BusyGuard busy(ui);
    return state.history.RunEdit(state, ui, SectionOpName(op), ScopeOf(state, op, c, sec, x),
                                 [&] { return Apply(state, ui, op, c, x, tRight, tLeft, sec); });
}

const char* SectionOpVerb(SectionOp op) {
    switch (op) {
        case SectionOp::Multiply:
            return "multiply";
        case SectionOp::Add:
            return "add";
        case SectionOp::Divide:
            return "divide";
        case SectionOp::SetConstant:
            return "set-constant";
        case SectionOp::Ramp:
            return "ramp";
        case SectionOp::Equalize:
            return "equalize";
        case SectionOp::Insert:
            return "insert-points";
        case SectionOp::Delete:
            return "delete-points";
        case SectionOp::ClampBelowZero:
            return "del-negative";
    }
    return "";
}

namespace {

// Runs the operation and logs it with the text typed into its prompt (none: no prompt).
bool RunLogged(AppState& state, UiPort& ui, SectionOp op, double x, double tRight,
               const std::string& typed) {
    const int c = state.ActiveChannel;
    if (!ProcessSection(state, ui, op, c, x, tRight, state.view.LeftCursor)) return false;
    std::vector<std::string> lines;
    // The script's question has no user to ask: the answer the user gave goes first.
    if (op == SectionOp::Delete) lines.emplace_back("answer ok");
    lines.push_back(SectionOpVerb(op) + (typed.empty() ? "" : " " + typed));
    LogEdit(state, lines, true);
    return true;
}

}  // namespace

bool RunSectionCommand(AppState& state, UiPort& ui, SectionOp op) {
    const int c = state.ActiveChannel;
    const ViewState& v = state.view;
    if (op == SectionOp::SetConstant && kAnalysisKind == 16) {
        ui.Message(" Set Constant not allowed for this channel.");
        return false;
    }
    // The polynomial refusal comes before any prompt.
    if (PolynomialRefused(state, ui, c)) return false;
    double x = 0;
    std::string typed;
    if (const Prompt* p = BoxPrompt(op)) {
        typed = ui.InputBox(p->caption, p->text, p->defaultText);
        x = StrToFloat(typed);
    } else if (op == SectionOp::SetConstant) {
        if (!ui.InputQuery("Set constant", "Set values = ", typed)) return false;
        x = StrToFloat(typed);
    } else if (op == SectionOp::Delete) {
        if (ui.Ask("Delete all points between F4 and F5", Buttons::OkCancel) != Answer::Ok)
            return false;
    }
    typed = LogText(typed);
    if (op == SectionOp::Insert) {
        // A count below one inserts nothing (a negative count would delete samples).
        if (RoundHalfEven(x) < 1) return false;
        return RunLogged(state, ui, op, x, state.store.TotalSpan, typed);
    }
    return RunLogged(state, ui, op, x, v.RightCursor, typed);
}

bool RunRampCommand(AppState& state, UiPort& ui, double amount) {
    return RunLogged(state, ui, SectionOp::Ramp, amount, state.view.RightCursor, LogNumber(amount));
}

}  // namespace corv
