#include "core/ProgressScope.h"

#include <algorithm>

#include "core/UiPort.h"

namespace corv {

namespace {

constexpr int64_t kReports = 1000;

}  // namespace

ProgressScope::ProgressScope(UiPort& ui, const std::string& title, int64_t total)
    : m_ui(ui), m_stride(std::max<int64_t>(total / kReports, 1)) {
    m_ui.BeginProgress(title, std::max<int64_t>(total, 1));
}

ProgressScope::~ProgressScope() {
    m_ui.EndProgress();
}

bool ProgressScope::Pass(int64_t done) {
    m_next = done + m_stride;
    if (!m_cancelled && !m_ui.Progress(done)) m_cancelled = true;
    return !m_cancelled;
}

}  // namespace corv
