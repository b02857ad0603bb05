// The two print commands, on the very composer of the print dialogs, with no window at all.
#include "commande/Commandes.h"
#include "commande/LigneCommande.h"

#include "ChoixImprimante.h"
#include "Jeu.h"
#include "Options.h"
#include "SansFenetre.h"
#include "SourceHorloge.h"
#include "apparence/Polices.h"
#include "plateforme/EcritureSure.h"
#include "plateforme/FichierOrdinaire.h"
#include "plateforme/MagasinQSettings.h"
#include "plateforme/PartieFichier.h"
#include "plateforme/SurfaceImprimante.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>

namespace lumio {

namespace {

const char *const ErreurNombre = "Vous pouvez imprimer de 1 à 99 grilles.";

// An error of the command: what the user reads, and exit code 1.
struct Refus {
    QString texte;
};

QString Nom(const std::string &octets) {
    return QFile::decodeName(QByteArray::fromStdString(octets));
}

std::uint64_t LireGraine(const QString &texte) {
    bool ok = false;
    const qlonglong signe = texte.toLongLong(&ok);
    if (ok) return std::uint64_t(signe);
    const qulonglong grand = texte.toULongLong(&ok);
    if (ok) return grand;
    throw Refus{QStringLiteral("--graine attend un nombre entier.")};
}

int LireNiveau(const QString &v) {
    if (v.size() != 1 || v[0] < QLatin1Char('1') || v[0] > QLatin1Char('4'))
        throw Refus{QStringLiteral("Le niveau doit être 1, 2, 3 ou 4.")};
    return v[0].unicode() - '0';
}

// A file that holds something else than a PDF is never replaced: the arguments may have been
// given the wrong way round. (A pipe or a device is refused by the printer surface.)
void VerifierCible(const QByteArray &fichier) {
    const LectureOrdinaire debut = LireFichierOrdinaire(fichier, 5);
    if (!debut.lu || debut.octets.isEmpty() || debut.octets == "%PDF-") return;
    throw Refus{QStringLiteral("%1 existe et n'est pas un PDF : il n'est pas remplacé.")
                    .arg(Nom(fichier.toStdString()))};
}

void PreparerPdf(QPrinter &imprimante, const QString &fichier) {
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(fichier);
    imprimante.setCreator(QStringLiteral("Sudoku Lumio"));
    imprimante.setDocName(QStringLiteral("Sudoku Lumio"));
}

// Composes the pages into the PDF `fichier` (its name as the system spells it, whatever its
// bytes), replacing it only once they are all written; the caller has passed it to VerifierCible.
void ImprimerPdf(const std::string &fichier, const std::function<bool(Surface &)> &composer) {
    const QByteArray natif = QByteArray::fromStdString(fichier);
    QPrinter imprimante(QPrinter::HighResolution);
    PreparerPdf(imprimante, Nom(fichier));
    SurfaceImprimante page(imprimante);
    page.DefinirFichierNatif(natif);
    if (!composer(page))
        throw Refus{QStringLiteral("Impossible d'écrire %1 : %2").arg(Nom(fichier), page.Erreur())};
}

// Settings that cannot be used (a pipe, a device under their name) leave the command on its
// defaults: said once, on the error stream.
void DireReglagesPerdus(const MagasinQSettings &reglages) {
    if (!reglages.Refus().empty()) std::cerr << reglages.Refus() << " Les réglages par défaut sont pris.\n";
}

// Runs a print command in an application that never shows anything: the exit code.
int SansFenetre(int &argc, char **argv, const std::function<void()> &commande) {
    SansAffichage();
    // Interrupted, the command leaves no half-written PDF behind.
    ProtegerTemporaires();
    // Qt's remarks (a script run from cron or ssh has no session folder) are kept out of the
    // error stream, which is the command's answer, from the start of the program (Terminal.h).
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sudoku Lumio"));
    QApplication::setOrganizationName(QStringLiteral("Darvel"));
    InstallerSubstitutionsPolices();
    try {
        commande();
    } catch (const Refus &r) {
        if (!r.texte.isEmpty()) std::cerr << r.texte.toStdString() << '\n';
        return 1;
    }
    return 0;
}

} // namespace

void SansAffichage() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

int ImprimerGrilles(const AppelLigne &appel, int &argc, char **argv) {
    return SansFenetre(argc, argv, [&] {
        bool ok = false;
        const int nombre = Nom(appel.arguments[0]).toInt(&ok);
        if (!ok || nombre < 1 || nombre > LotMaximum) throw Refus{QString::fromUtf8(ErreurNombre)};
        const std::optional<int> niveau = appel.A("--niveau")
                                              ? std::optional<int>(LireNiveau(Nom(appel.Valeur("--niveau"))))
                                              : std::nullopt;
        const std::optional<std::uint64_t> graine =
            appel.A("--graine") ? std::optional(LireGraine(Nom(appel.Valeur("--graine")))) : std::nullopt;
        MagasinQSettings reglages;
        DireReglagesPerdus(reglages);
        const std::string cp = reglages.Lire(ReglageNiveau);
        std::unique_ptr<SourceHorloge> hasard =
            graine ? std::make_unique<SourceHorloge>(*graine) : std::make_unique<SourceHorloge>();
        auto lot = std::make_unique<LotGrilles>();
        VerifierCible(QByteArray::fromStdString(appel.arguments[1]));
        ImprimerPdf(appel.arguments[1], [&](Surface &page) {
            return ComposerLot(page, *hasard, *lot, nombre, niveau.value_or(NiveauDuReglage(cp)),
                               std::max(OptionNiveau(cp), 1), !appel.A("--sans-solutions"));
        });
    });
}

int ImprimerGrille(const AppelLigne &appel, int &argc, char **argv) {
    return SansFenetre(argc, argv, [&] {
        const std::string &fichier = appel.arguments[0];
        VerifierCible(QByteArray::fromStdString(fichier));
        const QByteArray partie =
            appel.arguments.size() > 1 ? QByteArray::fromStdString(appel.arguments[1]) : QByteArray();
        // The game as the window would hold it, on a window and a board nobody sees.
        MagasinQSettings reglages;
        DireReglagesPerdus(reglages);
        SurfaceNulle plateau;
        FenetreNulle fenetre;
        SansSon sons;
        Jeu jeu(plateau, fenetre, reglages, sons, SourceHorloge::Processus());
        jeu.Form_Load();
        if (!partie.isEmpty()) {
            if (const std::optional<RefusPartie> refus = OuvrirPartieFichier(jeu, partie)) {
                SignalerEchecOuverture(partie, *refus);
                throw Refus{};
            }
        }
        jeu.ImpressionAvecSolution = appel.A("--avec-solution");
        ImprimerPdf(fichier, [&](Surface &page) { return ComposerGrille(page, GrilleCourante(jeu)); });
    });
}

} // namespace lumio
