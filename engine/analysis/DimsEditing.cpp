#include "analysis/DimsEditing.h"

#include "AppState.h"
#include "analysis/AnalysisSnapshot.h"
#include "core/AnalysisKind.h"
#include "core/Checked.h"
#include "core/ProcessingLog.h"

namespace corv {

namespace {

bool IsDim(const DimList& list, int k) {
    return k >= 0 && k < list.count;
}

}  // namespace

int DimAt(const AppState& state, int c, double t, int32_t& index) {
    index = Trunc<int32_t>(t / state.store.Rec(c).SampRate);
    const DimList& list = state.analysis.dimList;
    int found = -1;
    for (int k = 0; k < list.count; ++k) {
        const Dim& d = list.dims[static_cast<size_t>(k)];
        if (d.start <= index && index < d.end) found = k;
    }
    return found;
}

bool DeleteDim(DimList& list, int k) {
    if (!IsDim(list, k)) return false;
    for (int j = k + 1; j < list.count; ++j)
        list.dims[static_cast<size_t>(j - 1)] = list.dims[static_cast<size_t>(j)];
    --list.count;
    return true;
}

bool MergeDim(DimList& list, int k) {
    if (!IsDim(list, k) || !IsDim(list, k + 1)) return false;
    list.dims[static_cast<size_t>(k)].end = list.dims[static_cast<size_t>(k + 1)].end;
    return DeleteDim(list, k + 1);
}

bool DivideDim(DimList& list, int k, int32_t i) {
    if (!IsDim(list, k) || list.count >= kMaxDims) return false;
    Dim& d = list.dims[static_cast<size_t>(k)];
    if (!(int64_t{d.start} + 1 < i && int64_t{i} < int64_t{d.end} - 1)) return false;
    ++list.count;
    for (int j = list.count - 1; j >= k + 1; --j)
        list.dims[static_cast<size_t>(j)] = list.dims[static_cast<size_t>(j - 1)];
    list.dims[static_cast<size_t>(k + 1)].start = i;
    d.end = i - 1;
    return true;
}

std::vector<DimExtent> DimExtents(const DimList& list) {
    std::vector<DimExtent> out;
    for (int k = 0; k < list.count; ++k) {
        const Dim& d = list.dims[static_cast<size_t>(k)];
        out.push_back({d.start, d.end});
    }
    return out;
}

std::string DimsEditName(DimsEdit edit) {
    switch (edit) {
        case DimsEdit::Delete:
            return "Delete dim";
        case DimsEdit::MergeWithNext:
            return "Merge dims";
        case DimsEdit::Divide:
            return "Divide dim";
    }
    return {};
}

namespace {

// The beak channel's record is declared as well, so that an undo redraws its strip with
// the dims; the dims are no data of the channel, so it is not marked modified.
EditScope DimsScope() {
    EditScope scope;
    WithAnalysis(scope.Record(kBeakChannel).KeepModifiedFlags());
    return scope;
}

}  // namespace

bool MoveDimEnd(AppState& state, UiPort& ui, int k, bool start, int32_t index) {
    return state.history.RunEdit(state, ui, "Move dim end", DimsScope(), [&] {
        DimList& list = state.analysis.dimList;
        if (!IsDim(list, k)) return false;
        Dim& d = list.dims[static_cast<size_t>(k)];
        int32_t& end = start ? d.start : d.end;
        if (end == index || (start ? index >= d.end : index <= d.start)) return false;
        end = index;
        LogCommand(state,
                   "dims-move " + std::to_string(k) + (start ? " start " : " end ") +
                       std::to_string(index),
                   false);
        return true;
    });
}

bool EditDims(AppState& state, UiPort& ui, DimsEdit edit, int k, int32_t index) {
    return state.history.RunEdit(state, ui, DimsEditName(edit), DimsScope(), [&] {
        DimList& list = state.analysis.dimList;
        // Logged first; an edit that cannot act drops its step and the lines with it.
        const std::string dim = " " + std::to_string(k);
        switch (edit) {
            case DimsEdit::Delete:
                LogCommand(state, "dims-delete" + dim, false);
                return DeleteDim(list, k);
            case DimsEdit::MergeWithNext:
                LogCommand(state, "dims-merge" + dim, false);
                return MergeDim(list, k);
            case DimsEdit::Divide:
                LogCommand(state, "dims-divide" + dim + " " + std::to_string(index), false);
                return DivideDim(list, k, index);
        }
        return false;
    });
}

}  // namespace corv
