#include "graph/KeyHandling.h"

#include <algorithm>
#include <array>

#include "AppState.h"
#include "graph/YZoom.h"

namespace corv {

namespace {

constexpr KeyModifiers kPlain{};
constexpr KeyModifiers kShift{true, false, false};
constexpr KeyModifiers kCtrl{false, true, false};

constexpr KeyModifiers kCtrlShift{true, true, false};
constexpr std::array<KeyChord, 28> kMenuShortcuts = {{
    {Key::F1, kPlain},  {Key::F2, kPlain},  {Key::F3, kPlain}, {Key::F4, kPlain},
    {Key::F5, kPlain},  {Key::F6, kPlain},  {Key::F8, kPlain}, {Key::F9, kPlain},
    {Key::F10, kPlain}, {Key::F3, kShift},  {Key::F3, kCtrl},  {Key::F6, kCtrl},
    {Key::F10, kCtrl},  {Key::F10, kShift}, {Key::U, kCtrl},   {Key::D, kCtrl},
    {Key::M, kPlain},   {Key::N, kPlain},   {Key::D4, kPlain}, {Key::D5, kPlain},
    {Key::S, kPlain},   {Key::Q, kPlain},   {Key::W, kPlain},  {Key::F, kPlain},
    {Key::C, kCtrl},    {Key::Z, kCtrl},    {Key::Y, kCtrl},   {Key::Z, kCtrlShift},
}};

KeyCommand ShiftRule(Key key) {
    if (key == Key::F8) return KeyCommand::LeftShCursorMode;
    if (key == Key::F9) return KeyCommand::RightShCursorMode;
    return KeyCommand::None;
}

KeyCommand CtrlRule(Key key) {
    switch (key) {
        case Key::PageUp:
            return KeyCommand::YZoomIn;
        case Key::PageDown:
            return KeyCommand::YZoomOut;
        case Key::Left:
            return KeyCommand::PageLeft;
        case Key::Right:
            return KeyCommand::PageRight;
        default:
            return KeyCommand::None;
    }
}

KeyCommand PlainRule(Key key) {
    switch (key) {
        case Key::PageUp:
            return KeyCommand::StepUp;
        case Key::PageDown:
            return KeyCommand::StepDown;
        case Key::End:
            return KeyCommand::MoveEnd;
        case Key::Home:
            return KeyCommand::MoveHome;
        case Key::Left:
            return KeyCommand::MoveLeft;
        case Key::Up:
        case Key::E:
            return KeyCommand::YShiftUp;
        case Key::Right:
        case Key::D:
            return KeyCommand::MoveRight;
        case Key::Down:
        case Key::X:
            return KeyCommand::YShiftDown;
        default:
            return KeyCommand::None;
    }
}

}  // namespace

Key KeyOfChar(char c) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return static_cast<Key>(static_cast<int>(Key::A) + (c - 'A'));
    if (c >= '0' && c <= '9') return static_cast<Key>(static_cast<int>(Key::D0) + (c - '0'));
    return Key::Other;
}

std::span<const KeyChord> GraphMenuShortcuts() {
    return kMenuShortcuts;
}

KeyCommand DecideKey(Key key, KeyModifiers mods, std::span<const KeyChord> menuShortcuts) {
    const KeyChord chord{key, mods};
    if (std::find(menuShortcuts.begin(), menuShortcuts.end(), chord) != menuShortcuts.end())
        return KeyCommand::MenuShortcut;
    // The Shift and Ctrl rules use different keys, so at most one of them answers.
    if (mods.shift && ShiftRule(key) != KeyCommand::None) return ShiftRule(key);
    if (mods.ctrl) return CtrlRule(key);
    if (mods.shift || mods.alt) return KeyCommand::None;
    return PlainRule(key);
}

KeyResult RunKeyCommand(AppState& state, KeyCommand command, const StepMarkerImages& images) {
    if (command == KeyCommand::MenuShortcut) return {};
    KeyResult out;
    out.focusEdtFoc = true;
    RememberPositions(state.view);
    switch (command) {
        case KeyCommand::LeftShCursorMode:
            state.MouseMode = kModeLeftShCursor;
            break;
        case KeyCommand::RightShCursorMode:
            state.MouseMode = kModeRightShCursor;
            break;
        case KeyCommand::YZoomIn:
            out.redraw = YShift(state, -1, 1);
            break;
        case KeyCommand::YZoomOut:
            out.redraw = YShift(state, 1, -1);
            break;
        case KeyCommand::PageLeft:
            out.redraw = PageLeft(state);
            break;
        case KeyCommand::PageRight:
            out.redraw = PageRight(state);
            break;
        case KeyCommand::StepUp:
            out.redraw = StepUp(state, images);
            break;
        case KeyCommand::StepDown:
            out.redraw = StepDown(state, images);
            break;
        case KeyCommand::MoveEnd:
            out.redraw = MoveEnd(state);
            break;
        case KeyCommand::MoveHome:
            out.redraw = MoveHome(state);
            break;
        case KeyCommand::MoveLeft:
            out.redraw = MoveLeft(state);
            break;
        case KeyCommand::MoveRight:
            out.redraw = MoveRight(state);
            break;
        case KeyCommand::YShiftUp:
            out.redraw = YShift(state, 1, 1);
            break;
        case KeyCommand::YShiftDown:
            out.redraw = YShift(state, -1, -1);
            break;
        case KeyCommand::MenuShortcut:
        case KeyCommand::None:
            break;
    }
    return out;
}

}  // namespace corv
