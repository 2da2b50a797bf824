#pragma once
// A program run for the main dialog tests: the program folder is a scratch folder and the
// messages go to a recording port.

#include <QCoreApplication>
#include <QFocusEvent>
#include <QWidget>
#include <memory>
#include <optional>

#include "AppState.h"
#include "TestSupport.h"
#include "core/Application.h"
#include "core/RecordingUiPort.h"
#include "settings/MainDialog.h"

namespace corv::test {

struct ProgramRun {
    explicit ProgramRun(const TempDir& folder,
                        const std::optional<std::filesystem::path>& setupFile = std::nullopt)
        : app(folder.Path() / "corvandell", &ui) {
        started = app.Start(setupFile);
    }
    MainDialog& Dialog() { return app.Dialog(); }
    AppState& State() { return app.State(); }

    RecordingUiPort ui;
    Application app;
    bool started = false;
};

// The control loses the focus to another control of the form.
inline void Leave(QWidget* w) {
    QFocusEvent e(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(w, &e);
}

}  // namespace corv::test
