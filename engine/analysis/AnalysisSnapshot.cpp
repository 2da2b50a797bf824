#include "analysis/AnalysisSnapshot.h"

#include <utility>

#include "AppState.h"

namespace corv {

namespace {

class AnalysisSnapshot final : public UndoSnapshot {
  public:
    explicit AnalysisSnapshot(const AnalysisState& saved) : m_saved(saved) {}
    void Swap(AppState& state) override { std::swap(m_saved, state.analysis); }
    [[nodiscard]] size_t Bytes() const override { return sizeof(m_saved); }

  private:
    AnalysisState m_saved;
};

}  // namespace

EditScope& WithAnalysis(EditScope& scope) {
    return scope.Extra(
        [](AppState& state) -> std::unique_ptr<UndoSnapshot> {
            return std::make_unique<AnalysisSnapshot>(state.analysis);
        },
        sizeof(AnalysisState));
}

}  // namespace corv
