#include "processing/Polynom.h"

#include "AppState.h"
#include "core/Convert.h"
#include "core/EditScope.h"
#include "core/Errors.h"
#include "core/NumberFormat.h"
#include "core/ProcessingLog.h"

namespace corv {

namespace {

// Stores texts and flag in channel c's record; true when a field changed.
bool Store(AppState& state, int c, const PolynomTexts& texts, bool apply) {
    ChannelRecord& r = state.store.Rec(c);
    bool changed = false;
    for (char letter : kPolynomStoreOrder) {
        const double v = StrToFloat(texts[static_cast<size_t>(letter - 'A')]);
        double& field = PolynomCoefficient(r, letter);
        changed = changed || field != v;
        field = v;
    }
    const uint8_t flag = apply ? 1 : 0;
    changed = changed || r.bApplyPolynom != flag;
    r.bApplyPolynom = flag;
    return changed;
}

}  // namespace

double& PolynomCoefficient(ChannelRecord& r, char letter) {
    switch (letter) {
        case 'A':
            return r.a0;
        case 'B':
            return r.b1;
        case 'C':
            return r.a1;
        case 'D':
            return r.b2;
        case 'E':
            return r.a2;
        case 'F':
            return r.b3;
        case 'G':
            return r.a3;
        case 'H':
            return r.b4;
        case 'I':
            return r.a4;
        case 'J':
            return r.b5;
        case 'K':
            return r.a5;
        default:
            throw RangeError(std::string("No polynomial coefficient ") + letter);
    }
}

PolynomTexts PolynomTextsOf(const AppState& state, int c) {
    ChannelRecord r = state.store.Rec(c);
    PolynomTexts texts;
    for (char letter : kPolynomStoreOrder)
        texts[static_cast<size_t>(letter - 'A')] = FormatShortest(PolynomCoefficient(r, letter));
    return texts;
}

PolynomTexts IdentityPolynomTexts() {
    PolynomTexts texts;
    for (size_t k = 0; k < texts.size(); ++k) texts[k] = std::string(1, k == 'C' - 'A' ? '1' : '0');
    return texts;
}

bool SetApplyPolynom(AppState& state, UiPort& ui, int c, bool apply) {
    return state.history.RunEdit(state, ui, "Apply Polynom", EditScope().Record(c), [&] {
        uint8_t& flag = state.store.Rec(c).bApplyPolynom;
        const uint8_t wanted = apply ? 1 : 0;
        if (flag == wanted) return false;
        flag = wanted;
        LogCommand(state, apply ? "polynom-apply on" : "polynom-apply off", false, c);
        return true;
    });
}

bool StorePolynom(AppState& state, UiPort& ui, int c, const PolynomTexts& texts, bool apply) {
    return state.history.RunEdit(state, ui, "Polynom", EditScope().Record(c), [&] {
        // Logged first: a text that does not convert keeps what was stored before it, and
        // the replay stops at the same text. Without a change the step and its lines go.
        std::string line = "polynom";
        for (const std::string& t : texts) line += " " + LogText(t);
        LogCommand(state, line + (apply ? " apply" : " noapply"), false, c);
        const bool changed = Store(state, c, texts, apply);
        state.store.UpdatePolynomFlag(c);
        return changed;
    });
}

bool ResetPolynom(AppState& state, UiPort& ui, int c) {
    return state.history.RunEdit(state, ui, "Polynom reset", EditScope().Record(c), [&] {
        LogCommand(state, "polynom-reset", false, c);
        return Store(state, c, IdentityPolynomTexts(), false);
    });
}

}  // namespace corv
