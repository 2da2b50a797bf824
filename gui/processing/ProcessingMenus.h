#pragma once
// The graph window's Process, Filter and Edit menu commands: each processing command asks
// through its prompt or dialog, changes the active channel as one undo step and redraws
// its strip, the overview and the read-outs; Edit > Undo and Redo take steps back and
// forth and name them in their captions.

namespace corv {

class GraphWindow;
struct AppState;
class UiPort;

void WireProcessingMenus(GraphWindow& window, AppState& state, UiPort& ui);

// Sets the captions ("Undo Smooth 1-2-1") and the enabling of Edit > Undo and Redo.
void UpdateUndoItems(GraphWindow& window, const AppState& state);

}  // namespace corv
