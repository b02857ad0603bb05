// Logical lines of an INI file: headers, keys, and lines that go on after a backslash.
#include "plateforme/SectionIni.h"

#include <functional>

namespace lumio {

namespace {

bool Blanc(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Calls `ligne(debut, fin)` for each logical line of `ini`, `fin` past its line end.
void ParcourirLignes(const QByteArray &ini, const std::function<void(qsizetype, qsizetype)> &ligne) {
    qsizetype debut = 0;
    while (debut < ini.size()) {
        qsizetype fin = debut;
        for (;;) {
            const qsizetype nl = ini.indexOf('\n', fin);
            if (nl < 0) {
                fin = ini.size();
                break;
            }
            // An odd number of backslashes before the line end carries the value on.
            qsizetype k = nl;
            while (k > fin && ini[k - 1] == '\r')
                --k;
            qsizetype obliques = 0;
            while (k - obliques > fin && ini[k - obliques - 1] == '\\')
                ++obliques;
            fin = nl + 1;
            if (obliques % 2 == 0) break;
        }
        ligne(debut, fin);
        debut = fin;
    }
}

// The first character of a line that is not a blank.
qsizetype Premier(const QByteArray &ini, qsizetype debut, qsizetype fin) {
    while (debut < fin && Blanc(ini[debut]))
        ++debut;
    return debut;
}

// The name of a section header line, or false when the line is no header.
bool Entete(const QByteArray &ini, qsizetype debut, qsizetype fin, QByteArray &nom) {
    debut = Premier(ini, debut, fin);
    if (debut >= fin || ini[debut] != '[') return false;
    const qsizetype ferme = ini.indexOf(']', debut);
    const qsizetype bout = ferme < 0 || ferme >= fin ? fin : ferme;
    nom = ini.mid(debut + 1, bout - debut - 1).trimmed();
    return true;
}

QByteArray Cle(const QByteArray &ini, qsizetype debut, qsizetype fin) {
    const qsizetype egal = ini.indexOf('=', debut);
    return egal < 0 || egal >= fin ? QByteArray() : ini.mid(debut, egal - debut).trimmed();
}

} // namespace

QByteArray ExtraireSection(const QByteArray &ini, const QByteArray &section) {
    QByteArray resultat = "[" + section + "]\n";
    bool dedans = false;
    ParcourirLignes(ini, [&](qsizetype debut, qsizetype fin) {
        QByteArray nom;
        if (Entete(ini, debut, fin, nom)) {
            dedans = nom == section;
            return;
        }
        if (!dedans) return;
        resultat.append(ini.constData() + debut, fin - debut);
        if (!resultat.endsWith('\n')) resultat += '\n';
    });
    return resultat;
}

QByteArray RemplacerCles(const QByteArray &ini, const QByteArray &section, const QSet<QByteArray> &cles,
                         const QByteArray &lignes) {
    QByteArray resultat;
    resultat.reserve(ini.size() + lignes.size() + section.size() + 4);
    bool dedans = false, place = false;
    ParcourirLignes(ini, [&](qsizetype debut, qsizetype fin) {
        QByteArray nom;
        if (Entete(ini, debut, fin, nom)) {
            dedans = nom == section;
            resultat.append(ini.constData() + debut, fin - debut);
            if (dedans && !place) {
                if (!resultat.endsWith('\n')) resultat += '\n';
                resultat += lignes;
                place = true;
            }
            return;
        }
        if (dedans && cles.contains(Cle(ini, debut, fin))) return;
        resultat.append(ini.constData() + debut, fin - debut);
    });
    if (!place) {
        if (!resultat.isEmpty() && !resultat.endsWith('\n')) resultat += '\n';
        if (!resultat.isEmpty()) resultat += '\n';
        resultat += "[" + section + "]\n" + lignes;
    }
    return resultat;
}

} // namespace lumio
