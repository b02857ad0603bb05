// Numeric and Boolean conversions of stored texts.
#include "Conversions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace lumio {

namespace {

bool EstBlanc(char c) {
    return c == ' ' || c == '\t';
}

// The power of ten of the first significant digit of a number written as LireNombre keeps it
// (sign, digits, point, exponent): 2 for "123", -3 for "0.0012", 400 for "1e400". Only its sign
// matters, so a huge exponent saturates.
long long PuissanceDeDix(const std::string &s) {
    std::size_t i = s[0] == '+' || s[0] == '-' ? 1 : 0;
    long long entiers = 0, rang = -1, zeros = 0; // rang: place of the first significant integer digit
    bool fraction = false, trouve = false;
    for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
        if (s[i] == '.') {
            fraction = true;
        } else if (!fraction) {
            if (!trouve && s[i] != '0') trouve = true, rang = entiers;
            ++entiers;
        } else if (!trouve) {
            if (s[i] != '0')
                trouve = true;
            else
                ++zeros;
        }
    }
    const long long p = rang >= 0 ? entiers - 1 - rang : -(zeros + 1);
    long long exposant = 0, signe = 1;
    if (i < s.size()) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) signe = s[i++] == '-' ? -1 : 1;
        for (; i < s.size(); ++i)
            exposant = std::min(exposant * 10 + (s[i] - '0'), 1000000000LL);
    }
    return p + signe * exposant;
}

// Reads the longest number at the start of `s` from `i`; returns how many characters it took
// (0 when there is no number there).
std::size_t LireNombre(const std::string &s, std::size_t i, double &valeur) {
    std::size_t debut = i;
    std::string chiffres;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) chiffres += s[i++];
    bool vus = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        chiffres += s[i++];
        vus = true;
    }
    if (i < s.size() && s[i] == '.') {
        std::size_t j = i + 1;
        std::string fraction = ".";
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j])))
            fraction += s[j++];
        if (vus || fraction.size() > 1) {
            chiffres += fraction;
            vus = vus || fraction.size() > 1;
            i = j;
        }
    }
    if (!vus) {
        valeur = 0;
        return 0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exposant = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exposant += s[j++];
        std::size_t debutChiffres = j;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j])))
            exposant += s[j++];
        if (j > debutChiffres) {
            chiffres += exposant;
            i = j;
        }
    }
    // Read with the C rules, whatever locale the toolkit has set: under a French one strtod would
    // stop at the point of "3.5" and read 3.
    const char *premier = chiffres.c_str() + (chiffres[0] == '+' ? 1 : 0);
    const auto lu = std::from_chars(premier, chiffres.c_str() + chiffres.size(), valeur);
    // Past the range of a double the value is an infinity of the right sign, never 0: "1e400" is
    // a very large number, not false and not a best time of 0:00. Below it, a mantissa with a
    // non-zero digit stays non-zero.
    if (lu.ec == std::errc::result_out_of_range) {
        const double signe = chiffres[0] == '-' ? -1.0 : 1.0;
        valeur = PuissanceDeDix(chiffres) > 0 ? signe * std::numeric_limits<double>::infinity()
                                              : signe * std::numeric_limits<double>::denorm_min();
    }
    return i - debut;
}

std::string SansBlancs(const std::string &s) {
    std::size_t a = 0, b = s.size();
    while (a < b && EstBlanc(s[a]))
        ++a;
    while (b > a && EstBlanc(s[b - 1]))
        --b;
    return s.substr(a, b - a);
}

} // namespace

double ValeurNumerique(const std::string &texte) {
    std::size_t i = 0;
    while (i < texte.size() && EstBlanc(texte[i]))
        ++i;
    double v = 0;
    LireNombre(texte, i, v);
    return v;
}

long long ArrondiPair(double v) {
    if (std::isnan(v)) return 0;
    if (v > 9.2e18) return 9200000000000000000LL;
    if (v < -9.2e18) return -9200000000000000000LL;
    return static_cast<long long>(std::nearbyint(v)); // the default rounding mode: halves to even
}

std::optional<double> NombreExact(const std::string &texte) {
    std::string s = SansBlancs(texte);
    double v = 0;
    std::size_t n = LireNombre(s, 0, v);
    if (n == 0 || n != s.size()) return std::nullopt;
    return v;
}

std::optional<bool> Booleen(const std::string &texte) {
    std::string mot = Minuscules(SansBlancs(texte));
    if (mot == "vrai" || mot == "true") return true;
    if (mot == "faux" || mot == "false") return false;
    if (auto v = NombreExact(texte)) return *v != 0;
    return std::nullopt;
}

std::optional<std::int16_t> Entier16(const std::string &texte) {
    auto v = NombreExact(texte);
    if (!v || *v != std::floor(*v) || *v < -32768 || *v > 32767) return std::nullopt;
    return static_cast<std::int16_t>(*v);
}

std::string Minuscules(std::string s) {
    // Byte by byte and ASCII only: the locale the toolkit sets must not touch UTF-8 text.
    for (char &c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

std::string AvecSigne(long long n) {
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

} // namespace lumio
