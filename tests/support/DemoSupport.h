#pragma once
// The bundled demo recording loaded as the program loads it: a setup file of demo/ read over
// the defaults, then Start.

#include <gtest/gtest.h>

#include <functional>

#include "AppState.h"
#include "TestSupport.h"
#include "core/RecordingUiPort.h"
#include "files/StartSequence.h"
#include "settings/Defaults.h"
#include "settings/SetupFile.h"

namespace corv::test {

// `adjust` may change the settings read before the banks are made and Start runs.
inline ::testing::AssertionResult StartDemo(AppState& s, RecordingUiPort& ui,
                                            const char* setup = "demo.cfg",
                                            const std::function<void(AppState&)>& adjust = {}) {
    const std::filesystem::path cfg = SourceDir() / "demo" / setup;
    SetDefaults(s, SourceDir() / "build" / "corvandell");
    if (!ReadSetupFile(s, cfg)) return ::testing::AssertionFailure() << "cannot read " << cfg;
    s.folders.SetupPath = cfg.string();
    if (adjust) adjust(s);
    s.store.AllocateBanks(ui);
    if (RunStart(s, ui) != StartOutcome::Loaded) {
        auto failure = ::testing::AssertionFailure() << setup << " does not load:";
        for (const auto& m : ui.Messages()) failure << " \"" << m << "\"";
        return failure;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace corv::test
