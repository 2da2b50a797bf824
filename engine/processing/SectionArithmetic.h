#pragma once
// The work-section arithmetic of the Process and Filter menus: one routine behind
// Multiply, Add, Divide, Set constant, Add ramp (ramp and equalize), Insert points, Delete
// points and Del. < 0. It works on the raw words of the active channel between the cursors
// and runs as one undo step. Sample 0 is never changed; results are rounded half to even
// and clipped into 0..65535. When the section is the whole recording, multiply, divide and
// add change the channel's scaling instead of its samples.

#include <cstdint>
#include <string>

namespace corv {

struct AppState;
class UiPort;

enum class SectionOp {
    Multiply,
    Add,
    Divide,
    SetConstant,
    Ramp,
    Equalize,
    Insert,
    Delete,
    ClampBelowZero,
};

// The undo step's name of an operation ("Multiply", "Insert points", ...).
[[nodiscard]] std::string SectionOpName(SectionOp op);
// The script verb that repeats it ("multiply", "insert-points", ...).
[[nodiscard]] const char* SectionOpVerb(SectionOp op);

// The routine: op on channel c between the times tLeft and tRight with the amount x (the
// prompt's number; the ramp's amount; ignored by equalize, delete and the clamp). Returns
// true when the command reached its end (the channel is then marked modified).
bool ProcessSection(AppState& state, UiPort& ui, SectionOp op, int c, double x, double tRight,
                    double tLeft);

// The menu command: asks for the number where the operation has a prompt (input box or
// query, or the Delete confirmation), then runs ProcessSection on the active channel
// between the cursors. Text that is not a number raises ConversionError before anything
// changes. Returns true when the channel changed.
bool RunSectionCommand(AppState& state, UiPort& ui, SectionOp op);

// Add ramp with the amount from the ramp dialog (mode "&Ramp offset").
bool RunRampCommand(AppState& state, UiPort& ui, double amount);

}  // namespace corv
