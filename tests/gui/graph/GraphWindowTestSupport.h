#pragma once
// The demo recording loaded as the program loads it (setup file read over the defaults,
// then Start), for the graph window tests. A third channel can be made from the beak file.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QPointer>
#include <array>
#include <memory>
#include <string>

#include "AppState.h"
#include "DemoSupport.h"
#include "TestSupport.h"
#include "core/NumberFormat.h"
#include "core/RecordingUiPort.h"
#include "graph/GraphMenus.h"
#include "graph/GraphWindow.h"

namespace corv::test {

struct DemoRun {
    // weights: the WndSze of the three channels; withThird loads channel 3 from the beak
    // file as well.
    explicit DemoRun(std::array<int, 3> weights = {1, 1, 1}, bool withThird = false) {
        loaded = StartDemo(state, ui, "demo.cfg", [&](AppState& s) {
            if (withThird) {
                s.store.Rec(2) = s.store.Rec(0);
                s.store.Rec(2).Caption = "Beak again";
            }
            for (int c = 0; c < 3; ++c) s.store.Rec(c).WndSze = static_cast<uint8_t>(weights[c]);
        });
    }

    // Opens the window for a 1600 x 1000 screen.
    GraphWindow* Open() {
        window = GraphWindow::Open(state, ui, QSize(1600, 1000), nullptr);
        return window.data();
    }

    ~DemoRun() { delete window.data(); }

    AppState state;
    RecordingUiPort ui;
    bool loaded = false;
    QPointer<GraphWindow> window;
};

// The demo recording's graph window, opened for a 1600 x 1000 screen, for each test.
class DemoGraph : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(run.loaded);
        w = run.Open();
        ASSERT_NE(w, nullptr);
    }

    DemoRun run;
    GraphWindow* w = nullptr;
};

// Lets a window that closed itself go.
inline void ProcessDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline void Trigger(GraphWindow* w, const char* name) {
    QAction* a = w->Menus().Item(QString::fromLatin1(name));
    ASSERT_NE(a, nullptr) << name;
    ASSERT_TRUE(a->isEnabled()) << name;
    a->trigger();
}

// The left channel's value readout at time t, as the window formats it.
inline std::string ValueAtTime(const AppState& s, double t) {
    int32_t err = 0;
    const double dt = s.store.Rec(0).SampRate;
    return FormatFixed(s.store.GetValue(static_cast<int32_t>(t / dt), 0, err), 7, 4);
}

}  // namespace corv::test
