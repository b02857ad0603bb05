// Synthesises the game's eight WAV sounds (small bells, marimba and plucks) into a folder.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace lumio {

constexpr int Taux = 44100;
constexpr double Pi = 3.14159265358979323846;
// Partials above this are left out: they would only add hiss, and alias near Nyquist.
constexpr double FrequenceMax = 16000.0;

using Echantillons = std::vector<double>;

// One sine component of a timbre: its frequency as a multiple of the note's, its level, and
// how long it rings compared with the note's fundamental (upper partials die first).
struct Partiel {
    double rapport, niveau, tenue;
};

struct Timbre {
    std::vector<Partiel> partiels;
    double attaque;      // seconds of the raised-cosine onset; a few ms avoids the click
    double decroissance; // time constant of the fundamental's exponential decay, seconds
};

// Equal-tempered pitch of a MIDI note number (69 = A 440 Hz).
double Hauteur(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Rises from 0 to 1 along half a cosine: no corner in the waveform, so no click.
double Rampe(double t, double duree) {
    if (duree <= 0 || t >= duree) return 1.0;
    if (t <= 0) return 0.0;
    return 0.5 - 0.5 * std::cos(Pi * t / duree);
}

// Wooden bar: the overtone near four times the fundamental gives the hollow knock of a marimba.
const Timbre Marimba{{{1.0, 1.0, 1.0}, {3.93, 0.28, 0.22}, {9.2, 0.05, 0.08}}, 0.004, 0.30};

// Small bell: inharmonic partials make the shimmer; they fade faster than the fundamental.
const Timbre Cloche{
    {{1.0, 1.0, 1.0}, {2.0, 0.30, 0.55}, {2.76, 0.28, 0.40}, {5.40, 0.10, 0.22}, {8.93, 0.04, 0.12}},
    0.003,
    0.45};

// Soft plucked string: harmonics falling off steeply, the higher ones dying sooner.
Timbre Pincee() {
    Timbre t{{}, 0.003, 0.22};
    for (int n = 1; n <= 8; ++n)
        t.partiels.push_back({double(n), 1.0 / std::pow(n, 1.8), 1.0 / std::pow(n, 0.7)});
    return t;
}

// Mellow horn-like voice for the fanfare: a slower swell and a fuller set of harmonics.
Timbre Cuivre() {
    Timbre t{{}, 0.018, 0.55};
    for (int n = 1; n <= 6; ++n)
        t.partiels.push_back({double(n), 1.0 / std::pow(n, 2.0), 1.0 / std::pow(n, 0.4)});
    return t;
}

// Adds one note to the mix; it stops at the end of its duration with a short fade.
void AjouterNote(Echantillons &mix, double debut, double frequence, double duree, double volume,
                 const Timbre &timbre) {
    const std::size_t premier = std::size_t(std::lround(debut * Taux));
    const std::size_t longueur = std::size_t(std::lround(duree * Taux));
    const double fondu = std::min(0.03, duree / 3);
    for (std::size_t i = 0; i < longueur && premier + i < mix.size(); ++i) {
        const double t = double(i) / Taux;
        double s = 0;
        for (const Partiel &p : timbre.partiels) {
            const double f = frequence * p.rapport;
            if (f >= FrequenceMax) continue;
            s += p.niveau * std::exp(-t / (timbre.decroissance * p.tenue)) * std::sin(2 * Pi * f * t);
        }
        mix[premier + i] += volume * s * Rampe(t, timbre.attaque) * Rampe(duree - t, fondu);
    }
}

// A tone whose pitch glides exponentially from f0 to f1; the phase is accumulated so the
// changing pitch stays continuous.
void AjouterGlissando(Echantillons &mix, double debut, double f0, double f1, double duree, double volume) {
    const std::size_t premier = std::size_t(std::lround(debut * Taux));
    const std::size_t longueur = std::size_t(std::lround(duree * Taux));
    double phase = 0;
    for (std::size_t i = 0; i < longueur && premier + i < mix.size(); ++i) {
        const double t = double(i) / Taux;
        const double f = f0 * std::pow(f1 / f0, t / duree);
        phase += 2 * Pi * f / Taux;
        const double s = std::sin(phase) + 0.25 * std::sin(2 * phase) + 0.08 * std::sin(3 * phase);
        const double enveloppe = Rampe(t, 0.012) * Rampe(duree - t, 0.06) * std::exp(-t / 0.35);
        mix[premier + i] += volume * s * enveloppe;
    }
}

// Scales the mix to the wanted peak, then releases its last fifth (at most 150 ms) so a
// ringing note dies away instead of being cut off.
void Finir(Echantillons &mix, double crete) {
    double max = 0;
    for (double s : mix)
        max = std::max(max, std::abs(s));
    if (max > 0)
        for (double &s : mix)
            s *= crete / max;
    const std::size_t fondu = std::min(mix.size() / 5, std::size_t(Taux * 0.15));
    for (std::size_t i = 0; i < fondu; ++i)
        mix[mix.size() - 1 - i] *= Rampe(double(i), double(fondu));
}

Echantillons Silence(double duree) {
    return Echantillons(std::size_t(std::lround(duree * Taux)), 0.0);
}

// ---- the eight sounds ----

// Plays on every digit, so it must stay short and quiet: one damped marimba knock.
Echantillons PlacerLettre() {
    Echantillons m = Silence(0.11);
    Timbre bois = Marimba;
    bois.decroissance = 0.035;
    AjouterNote(m, 0, Hauteur(81), 0.11, 1.0, bois);
    Finir(m, 0.22);
    return m;
}

// A bright fifth upwards on bells.
Echantillons Ok() {
    Echantillons m = Silence(0.70);
    AjouterNote(m, 0.00, Hauteur(84), 0.70, 0.8, Cloche);
    AjouterNote(m, 0.11, Hauteur(91), 0.59, 1.0, Cloche);
    Finir(m, 0.45);
    return m;
}

// A low, soft falling tritone on the marimba: clearly "no", without being harsh.
Echantillons Erreur() {
    Echantillons m = Silence(0.65);
    Timbre bois = Marimba;
    bois.decroissance = 0.40;
    AjouterNote(m, 0.00, Hauteur(58), 0.65, 1.0, bois);
    AjouterNote(m, 0.16, Hauteur(52), 0.49, 1.0, bois);
    Finir(m, 0.45);
    return m;
}

// A rising major arpeggio that rings on as a chord.
Echantillons Accueil() {
    Echantillons m = Silence(1.10);
    const int notes[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i)
        AjouterNote(m, 0.09 * i, Hauteur(notes[i]), 1.10 - 0.09 * i, 1.0, Marimba);
    Finir(m, 0.45);
    return m;
}

// Sweeps down, then lands on a low pluck: the board is wiped back to its start.
Echantillons Recommencer() {
    Echantillons m = Silence(0.60);
    AjouterGlissando(m, 0.0, 1400.0, 330.0, 0.30, 0.7);
    AjouterNote(m, 0.26, Hauteur(60), 0.34, 0.9, Pincee());
    Finir(m, 0.40);
    return m;
}

// A few quick, high, quiet bell glints.
Echantillons Indice() {
    Echantillons m = Silence(0.55);
    Timbre clochette = Cloche;
    clochette.decroissance = 0.16;
    const int notes[] = {96, 100, 103, 108};
    const double volumes[] = {0.6, 0.8, 0.7, 1.0};
    for (int i = 0; i < 4; ++i)
        AjouterNote(m, 0.045 * i, Hauteur(notes[i]), 0.55 - 0.045 * i, volumes[i], clochette);
    Finir(m, 0.30);
    return m;
}

// A soft scale running down an octave on plucked strings, as the digits fill the board.
Echantillons AffichSol() {
    Echantillons m = Silence(1.00);
    const int notes[] = {84, 83, 81, 79, 77, 76, 74, 72};
    for (int i = 0; i < 8; ++i)
        AjouterNote(m, 0.075 * i, Hauteur(notes[i]), 1.00 - 0.075 * i, 0.8, Pincee());
    Finir(m, 0.38);
    return m;
}

// Fanfare: a quick rising arpeggio on horns, then the full chord an octave up, held.
Echantillons Bravo() {
    Echantillons m = Silence(1.40);
    const int notes[] = {67, 72, 76, 79};
    for (int i = 0; i < 4; ++i)
        AjouterNote(m, 0.085 * i, Hauteur(notes[i]), 0.30, 0.8, Cuivre());
    for (int n : {72, 76, 79, 84})
        AjouterNote(m, 0.36, Hauteur(n), 1.04, 0.6, Cuivre());
    AjouterNote(m, 0.36, Hauteur(96), 1.04, 0.25, Cloche);
    Finir(m, 0.50);
    return m;
}

// ---- WAV output ----

void Octets(std::string &o, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i)
        o.push_back(char((v >> (8 * i)) & 0xFF));
}

// 16-bit PCM, mono, little-endian whatever the host.
bool EcrireWav(const std::string &chemin, const Echantillons &e) {
    std::string o;
    const std::uint32_t donnees = std::uint32_t(e.size() * 2);
    o += "RIFF";
    Octets(o, 36 + donnees, 4);
    o += "WAVEfmt ";
    Octets(o, 16, 4);
    Octets(o, 1, 2); // PCM
    Octets(o, 1, 2); // mono
    Octets(o, Taux, 4);
    Octets(o, Taux * 2, 4);
    Octets(o, 2, 2);
    Octets(o, 16, 2);
    o += "data";
    Octets(o, donnees, 4);
    for (double s : e) {
        const long v = std::clamp(std::lround(s * 32767.0), -32767L, 32767L);
        Octets(o, std::uint32_t(std::uint16_t(std::int16_t(v))), 2);
    }
    std::ofstream f(chemin, std::ios::binary);
    f.write(o.data(), std::streamsize(o.size()));
    return bool(f);
}

} // namespace lumio

int main(int argc, char **argv) {
    using namespace lumio;
    if (argc < 2) {
        std::fprintf(stderr, "usage: generer-sons DOSSIER\n");
        return 2;
    }
    const std::string dossier = argv[1];
    const std::pair<const char *, std::function<Echantillons()>> sons[] = {
        {"Ok.wav", Ok},
        {"erreur.wav", Erreur},
        {"accueil.wav", Accueil},
        {"Recommencer.wav", Recommencer},
        {"PlacerLettre.wav", PlacerLettre},
        {"AffichSol.wav", AffichSol},
        {"Bravo.wav", Bravo},
        {"Indice.wav", Indice},
    };
    for (const auto &[nom, fabriquer] : sons) {
        if (!EcrireWav(dossier + "/" + nom, fabriquer())) {
            std::fprintf(stderr, "generer-sons: impossible d'écrire %s/%s\n", dossier.c_str(), nom);
            return 1;
        }
    }
    return 0;
}
