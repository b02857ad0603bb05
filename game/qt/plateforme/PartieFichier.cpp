// Reading a saved game's file, and the words for a file that is refused.
#include "plateforme/PartieFichier.h"

#include "plateforme/FichierOrdinaire.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <vector>

namespace lumio {

namespace {

// Why the system would not give the file's bytes, in the player's words.
RefusPartie RefusLecture(const LectureOrdinaire &lecture) {
    const std::string detail = CauseEchecLecture(lecture);
    if (lecture.genre == "un dossier") return {"c'est un dossier, pas un fichier", detail};
    if (!lecture.genre.empty()) return {"c'est " + lecture.genre + ", pas un fichier de partie", detail};
    switch (lecture.erreur) {
    case ENOENT:
    case ENOTDIR:
        return {"le fichier n'existe pas", detail};
    case EACCES:
    case EPERM:
        return {"vous n'avez pas le droit de le lire", detail};
    default:
        return {"le système n'a pas pu le lire", detail};
    }
}

} // namespace

std::optional<RefusPartie> OuvrirPartieFichier(Jeu &jeu, const QByteArray &chemin) {
    // Whatever follows the last record is never read, so a huge file costs no more than a game.
    const LectureOrdinaire lecture =
        LireFichierOrdinaire(chemin, qint64(NombreEnregistrements) * qint64(TailleEnregistrement));
    if (!lecture.lu) return RefusLecture(lecture);
    const std::vector<std::uint8_t> octets(lecture.octets.begin(), lecture.octets.end());
    return OuvrirPartie(jeu, octets);
}

std::string TexteEchecOuverture(const QByteArray &chemin, const RefusPartie &refus) {
    // The player gets the file's name and a few words; the exact cause is for the error stream.
    const QString complet = QFile::decodeName(chemin);
    const QString nom = QFileInfo(complet).fileName();
    return "Impossible d'ouvrir la partie « " + (nom.isEmpty() ? complet : nom).toStdString() +
           " » : " + refus.raison + ".";
}

std::string CauseEchecOuverture(const QByteArray &chemin, const RefusPartie &refus) {
    return chemin.toStdString() + " : " + refus.detail;
}

void SignalerEchecOuverture(const QByteArray &chemin, const RefusPartie &refus) {
    std::fprintf(stderr, "sudoku-lumio : %s [%s]\n", TexteEchecOuverture(chemin, refus).c_str(),
                 CauseEchecOuverture(chemin, refus).c_str());
}

} // namespace lumio
