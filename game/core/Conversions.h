// Conversions of the texts kept in the settings store and in saved games.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lumio {

// Numeric value of a text: leading blanks skipped, reading stops at the first character that
// cannot continue a number; a text that does not begin with a number gives 0. A number too large
// for a double is an infinity, which every range check refuses.
double ValeurNumerique(const std::string &texte);

// The nearest integer, halves going to the even one; past ±9.2e18 (infinities too), that bound.
long long ArrondiPair(double v);

// The value of a text that holds a number and nothing else (blanks around it allowed).
std::optional<double> NombreExact(const std::string &texte);

// A Boolean word ("Vrai"/"True", "Faux"/"False", in any letter case) or a number (non-zero is
// true). Anything else cannot be converted.
std::optional<bool> Booleen(const std::string &texte);

// A whole number of seconds kept as text (a best time), or nothing when the text is not a
// whole number that fits in 16 bits.
std::optional<std::int16_t> Entier16(const std::string &texte);

// The text with its ASCII capitals lowered (level names, Boolean words).
std::string Minuscules(std::string s);

// Decimal text of a number with the sign position of saved games: " 754", "-3".
std::string AvecSigne(long long n);

} // namespace lumio
