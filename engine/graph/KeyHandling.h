#pragma once
// The graph window's keys. Menu shortcuts are served first, so a key that is a shortcut
// never reaches the window's key handler; of the rest, Shift+F8/F9 choose the Sh cursors,
// Ctrl with the page and arrow keys zooms the value axis or pages the window, and the
// plain keys move marks, change the key step or shift the value axis.

#include <cstdint>
#include <span>

#include "graph/CursorMoves.h"

namespace corv {

struct AppState;

// The keys the window tells apart; every other key is Other.
// clang-format off
enum class Key : uint8_t {
    Other,
    F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
    Left, Right, Up, Down, Home, End, PageUp, PageDown,
    Escape, Enter,
    D0, D1, D2, D3, D4, D5, D6, D7, D8, D9,  // the digit row
    A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z,
};
// clang-format on

// The letter key of 'a'..'z' or 'A'..'Z', the digit key of '0'..'9'; Other for the rest.
[[nodiscard]] Key KeyOfChar(char c);

struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool operator==(const KeyModifiers&) const = default;
};

// A key with the exact modifiers a shortcut asks for.
struct KeyChord {
    Key key = Key::Other;
    KeyModifiers mods;
    bool operator==(const KeyChord&) const = default;
};

// The shortcuts of the graph window's menus: F1..F6, F8..F10, Shift+F3, Ctrl+F3, Ctrl+F6,
// Ctrl+F10, Shift+F10 (x-Zoom), Ctrl+U, Ctrl+D, M, N, 4, 5 (Baseline), S, Q, W, Ctrl+Z,
// Ctrl+Y and Ctrl+Shift+Z (Edit).
[[nodiscard]] std::span<const KeyChord> GraphMenuShortcuts();

enum class KeyCommand {
    MenuShortcut,       // served by the menu; the key handler does not run
    None,               // the handler runs (focus, remembered positions) but changes nothing
    LeftShCursorMode,   // Shift+F8
    RightShCursorMode,  // Shift+F9
    YZoomIn,            // Ctrl+PgUp
    YZoomOut,           // Ctrl+PgDn
    PageLeft,           // Ctrl+Left
    PageRight,          // Ctrl+Right
    StepUp,             // PgUp
    StepDown,           // PgDn
    MoveEnd,            // End
    MoveHome,           // Home
    MoveLeft,           // Left
    MoveRight,          // Right, D
    YShiftUp,           // Up, E
    YShiftDown,         // Down, X
};

// What a key press does. Shortcuts match their modifiers exactly. The Shift rules apply
// whenever Shift is held and the Ctrl rules whenever Ctrl is held (Alt does not stop
// them); the plain keys act only with no Shift, Ctrl or Alt.
[[nodiscard]] KeyCommand DecideKey(Key key, KeyModifiers mods,
                                   std::span<const KeyChord> menuShortcuts);

struct KeyResult {
    uint32_t redraw = 0;       // jobs for RedrawPending
    bool focusEdtFoc = false;  // the zero-width edit takes the focus from the read-outs
};

// Runs a key command on the state: remembers the mark positions first (the handler does
// at every key that reaches it), then moves, zooms or changes the mode.
KeyResult RunKeyCommand(AppState& state, KeyCommand command, const StepMarkerImages& images);

}  // namespace corv
