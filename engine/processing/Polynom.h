#pragma once
// The rational calibration polynomial of a channel as the Polynom dialog edits it. The
// dialog names the coefficients by letters: A = a0, C = a1, E = a2, G = a3, I = a4, K = a5
// (numerator) and B = b1, D = b2, F = b3, H = b4, J = b5 (denominator). Every change runs
// as an undo step of the channel record.

#include <array>
#include <string>

namespace corv {

struct AppState;
struct ChannelRecord;
class UiPort;

inline constexpr int kPolynomLetters = 11;
// The letters in the order they are stored: the numerator, then the denominator.
inline constexpr std::array<char, kPolynomLetters> kPolynomStoreOrder = {
    'A', 'C', 'E', 'G', 'I', 'K', 'B', 'D', 'F', 'H', 'J'};

// Texts indexed by letter, A at 0 .. K at 10.
using PolynomTexts = std::array<std::string, kPolynomLetters>;

// The coefficient a letter 'A'..'K' names.
[[nodiscard]] double& PolynomCoefficient(ChannelRecord& r, char letter);
// The edit texts of channel c's coefficients, in shortest form.
[[nodiscard]] PolynomTexts PolynomTextsOf(const AppState& state, int c);
// The texts of the identity polynomial (C "1", every other "0").
[[nodiscard]] PolynomTexts IdentityPolynomTexts();

// The check box: bApplyPolynom of channel c becomes 1 or 0 at once.
bool SetApplyPolynom(AppState& state, UiPort& ui, int c, bool apply);
// OK: converts the texts in store order, storing each as soon as it converts; then
// bApplyPolynom from `apply` and UpdatePolynomFlag. A text that does not convert raises
// ConversionError; the coefficients stored before it stay (and can be undone).
bool StorePolynom(AppState& state, UiPort& ui, int c, const PolynomTexts& texts, bool apply);
// Reset: the identity polynomial with bApplyPolynom 0, stored at once.
bool ResetPolynom(AppState& state, UiPort& ui, int c);

}  // namespace corv
