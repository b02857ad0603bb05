// The two print commands of the command line, on the very composer of the print dialogs.
#include "commande/ImpressionCommande.h"

#include "ChoixImprimante.h"
#include "Options.h"
#include "SourceHorloge.h"
#include "apparence/Polices.h"
#include "fenetres/Dialogues.h"
#include "fenetres/frmMain.h"
#include "plateforme/MagasinQSettings.h"
#include "plateforme/SurfaceImprimante.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <algorithm>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

namespace lumio {

const char *const AideImpression =
    "sudoku-lumio --imprimer-grilles N FICHIER.pdf [--niveau 1-4] [--sans-solutions] [--graine ENTIER]\n"
    "  Génère N grilles nouvelles (1 à 99) et les écrit dans FICHIER.pdf, deux par page A4,\n"
    "  suivies de leurs solutions (sauf avec --sans-solutions). Le niveau est par défaut celui\n"
    "  des préférences ; --graine ENTIER redonne les mêmes grilles à chaque fois.\n"
    "sudoku-lumio --imprimer FICHIER.pdf [--avec-solution] [PARTIE.sdk]\n"
    "  Écrit dans FICHIER.pdf la grille de la partie de démarrage, ou de PARTIE.sdk : les\n"
    "  chiffres donnés seulement, ou tous les chiffres avec --avec-solution.\n"
    "  Aucune des deux n'ouvre de fenêtre ni ne demande d'écran. Le fichier n'est remplacé\n"
    "  qu'une fois entièrement écrit, et jamais s'il existe sans être un PDF.\n"
    "  Code de sortie : 0 si le PDF est écrit, 1 sinon, avec la raison sur la sortie d'erreur.\n";

namespace {

const char *const CommandeLot = "--imprimer-grilles";
const char *const CommandeGrille = "--imprimer";
const char *const ErreurNombre = "Vous pouvez imprimer de 1 à 99 grilles.";

// An error of the command: what the user reads, and exit code 1.
struct Refus {
    QString texte;
};

// Nobody hears a command that only writes a file.
class SansSon : public LecteurSons {
  public:
    void Jouer(const std::string &) override {}
};

struct Demande {
    bool lot = false;
    QString fichier;
    QString partie;
    int nombre = 0;
    std::optional<int> niveau;
    std::optional<std::uint64_t> graine;
    bool avecSolutions = true;
    bool avecSolution = false;
};

QString Argument(const char *a) {
    return QFile::decodeName(a);
}

std::uint64_t LireGraine(const QString &texte) {
    bool ok = false;
    const qlonglong signe = texte.toLongLong(&ok);
    if (ok) return std::uint64_t(signe);
    const qulonglong grand = texte.toULongLong(&ok);
    if (ok) return grand;
    throw Refus{QStringLiteral("--graine attend un nombre entier.")};
}

Demande LireDemande(int argc, char *argv[], int commande) {
    Demande d;
    d.lot = std::strcmp(argv[commande], CommandeLot) == 0;
    const QString nom = Argument(argv[commande]);
    std::vector<QString> positions;
    bool finOptions = false;
    for (int i = 1; i < argc; ++i) {
        if (i == commande) continue;
        const QString a = Argument(argv[i]);
        auto Valeur = [&]() {
            if (i + 1 >= argc) throw Refus{a + QStringLiteral(" attend une valeur.")};
            return Argument(argv[++i]);
        };
        const bool nombre = a.size() > 1 && a[1].isDigit();
        if (finOptions || !a.startsWith(QLatin1Char('-')) || a == QStringLiteral("-") || nombre) {
            positions.push_back(a);
        } else if (a == QStringLiteral("--")) {
            finOptions = true;
        } else if (d.lot && a == QStringLiteral("--niveau")) {
            const QString v = Valeur();
            if (v.size() != 1 || v[0] < QLatin1Char('1') || v[0] > QLatin1Char('4'))
                throw Refus{QStringLiteral("Le niveau doit être 1, 2, 3 ou 4.")};
            d.niveau = v[0].unicode() - '0';
        } else if (d.lot && a == QStringLiteral("--sans-solutions")) {
            d.avecSolutions = false;
        } else if (d.lot && a == QStringLiteral("--graine")) {
            d.graine = LireGraine(Valeur());
        } else if (!d.lot && a == QStringLiteral("--avec-solution")) {
            d.avecSolution = true;
        } else {
            throw Refus{QStringLiteral("Option inconnue pour %1 : %2").arg(nom, a)};
        }
    }
    if (d.lot) {
        if (positions.size() != 2)
            throw Refus{QStringLiteral("%1 attend un nombre de grilles et un fichier PDF.").arg(nom)};
        bool ok = false;
        d.nombre = positions[0].toInt(&ok);
        if (!ok || d.nombre < 1 || d.nombre > LotMaximum) throw Refus{QString::fromUtf8(ErreurNombre)};
        d.fichier = positions[1];
    } else {
        if (positions.empty() || positions.size() > 2)
            throw Refus{QStringLiteral("%1 attend un fichier PDF, puis éventuellement une partie.").arg(nom)};
        d.fichier = positions[0];
        if (positions.size() == 2) d.partie = positions[1];
    }
    return d;
}

// A file that holds something else than a PDF is never replaced: the arguments may have been
// given the wrong way round.
void VerifierCible(const QString &fichier) {
    const QFileInfo cible(fichier);
    if (!cible.isFile() || cible.size() == 0) return;
    QFile f(fichier);
    if (f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-") return;
    throw Refus{QStringLiteral("%1 existe et n'est pas un PDF : il n'est pas remplacé.").arg(fichier)};
}

void Publier(SurfaceImprimante &page, bool reussi, const QString &fichier) {
    if (!reussi) throw Refus{QStringLiteral("Impossible d'écrire %1 : %2").arg(fichier, page.Erreur())};
}

void PreparerPdf(QPrinter &imprimante, const QString &fichier) {
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(fichier);
    imprimante.setCreator(QStringLiteral("Sudoku Lumio"));
    imprimante.setDocName(QStringLiteral("Sudoku Lumio"));
}

void ImprimerLot(const Demande &d) {
    MagasinQSettings reglages;
    const std::string cp = reglages.Lire("CP", "1");
    std::unique_ptr<SourceHorloge> hasard =
        d.graine ? std::make_unique<SourceHorloge>(*d.graine) : std::make_unique<SourceHorloge>();
    auto lot = std::make_unique<LotGrilles>();
    QPrinter imprimante(QPrinter::HighResolution);
    PreparerPdf(imprimante, d.fichier);
    SurfaceImprimante page(imprimante);
    const bool reussi = ComposerLot(page, *hasard, *lot, d.nombre, d.niveau.value_or(NiveauDuReglage(cp)),
                                    std::max(OptionNiveau(cp), 1), d.avecSolutions);
    Publier(page, reussi, d.fichier);
}

void ImprimerGrille(const Demande &d) {
    // Opening a pipe or a device would wait for a writer that may never come.
    const QFileInfo partie(d.partie);
    if (!d.partie.isEmpty() && !partie.isFile())
        throw Refus{QStringLiteral("Impossible d'ouvrir la partie %1 : %2.")
                        .arg(d.partie, partie.exists() ? QStringLiteral("ce n'est pas un fichier")
                                                       : QStringLiteral("elle n'existe pas"))};
    MagasinQSettings reglages;
    SansSon sons;
    DialoguesQt dialogues;
    frmMain fenetre(reglages, sons, SourceHorloge::Processus(), dialogues, false);
    // The reason a saved game does not open goes to the error stream, never to a box.
    fenetre.DefinirCapture(true);
    fenetre.Form_Load();
    if (!d.partie.isEmpty() && !fenetre.OuvrirFichier(d.partie)) throw Refus{};
    fenetre.jeu().ImpressionAvecSolution = d.avecSolution;
    QPrinter imprimante(QPrinter::HighResolution);
    PreparerPdf(imprimante, d.fichier);
    SurfaceImprimante page(imprimante);
    Publier(page, ComposerGrille(page, GrilleCourante(fenetre.jeu())), d.fichier);
    fenetre.Fermer();
}

} // namespace

namespace {

// A script run from cron or ssh has no session folder; Qt's remark about it is no error of the
// command, and the error stream is the command's answer.
QtMessageHandler messagesQt = nullptr;
void SansRemarqueDeSession(QtMsgType type, const QMessageLogContext &contexte, const QString &message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths: "))) return;
    if (messagesQt) messagesQt(type, contexte, message);
}

int Commande(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], CommandeLot) == 0 || std::strcmp(argv[i], CommandeGrille) == 0) return i;
    return 0;
}

} // namespace

int ImprimerSansFenetre(int argc, char *argv[], bool &traite) {
    traite = Commande(argc, argv) != 0;
    if (!traite) return 0;

    // Nothing is ever shown: without a platform of the user's choice, the offscreen one needs no
    // display and starts faster than any other.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    messagesQt = qInstallMessageHandler(SansRemarqueDeSession);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sudoku Lumio"));
    QApplication::setOrganizationName(QStringLiteral("Darvel"));
    InstallerSubstitutionsPolices();
    try {
        // Qt has taken its own options out of the command line.
        const Demande d = LireDemande(argc, argv, Commande(argc, argv));
        VerifierCible(d.fichier);
        if (d.lot)
            ImprimerLot(d);
        else
            ImprimerGrille(d);
    } catch (const Refus &r) {
        if (!r.texte.isEmpty()) std::cerr << r.texte.toStdString() << '\n';
        return 1;
    }
    return 0;
}

} // namespace lumio
