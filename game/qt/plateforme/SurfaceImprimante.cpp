// A printed page: the print job on a QPrinter, and a PDF file written safely.
#include "plateforme/SurfaceImprimante.h"
#include "plateforme/EcritureSure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumio {

namespace {

bool EstPdf(const QPrinter &p) {
    return p.outputFormat() == QPrinter::PdfFormat && !p.outputFileName().isEmpty();
}

} // namespace

void SurfaceImprimante::MesurerImprimante() {
    const double points = imprimante_.resolution();
    Mesurer(imprimante_, points / 25.4, points / ResolutionPdf);
}

SurfaceImprimante::SurfaceImprimante(QPrinter &imprimante) : imprimante_(imprimante) {
    MesurerImprimante();
}

SurfaceImprimante::~SurfaceImprimante() {
    AbandonnerImpression();
}

void SurfaceImprimante::MettreEnPage(double &largeur, double &hauteur) {
    AbandonnerImpression();
    erreur_.clear();
    imprimante_.setPageSize(QPageSize(QPageSize::A4));
    imprimante_.setPageOrientation(QPageLayout::Portrait);
    imprimante_.setFullPage(false);
    // One copy of every page, whatever the print dialog offered.
    imprimante_.setCopyCount(1);
    imprimante_.setPrintRange(QPrinter::AllPages);
    if (imprimante_.outputFormat() == QPrinter::PdfFormat) {
        imprimante_.setResolution(ResolutionPdf);
        // A file has no unprintable edge: the grids stand exactly where they are placed.
        imprimante_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    }
    MesurerImprimante();
    const QRectF zone = imprimante_.pageLayout().paintRect(QPageLayout::Millimeter);
    largeur = zone.width();
    hauteur = zone.height();
}

bool SurfaceImprimante::Pret() {
    if (etat_ == Etat::EnCours) return true;
    if (etat_ == Etat::Echec) return false;
    if (EstPdf(imprimante_)) {
        fichierDemande_ = imprimante_.outputFileName();
        // Writing through a link replaces the file it points to, not the link.
        final_ = CibleReelle(natif_.isEmpty() ? QFile::encodeName(fichierDemande_) : natif_);
        struct stat cible {};
        if (::stat(final_.constData(), &cible) == 0) {
            if (S_ISDIR(cible.st_mode)) {
                Echouer(QStringLiteral("c'est un dossier"));
                return false;
            }
            if (!S_ISREG(cible.st_mode)) {
                Echouer(QStringLiteral("ce n'est pas un fichier ordinaire"));
                return false;
            }
            // A file its owner made read-only is kept as a folder without write permission keeps
            // its files, even from root, who could replace it.
            if (::access(final_.constData(), W_OK) != 0 || (cible.st_mode & 0222) == 0) {
                Echouer(RaisonSysteme(EACCES));
                return false;
            }
        }
        temporaire_ = ModeleTemporaire(final_);
        descripteur_ = CreerTemporaire(temporaire_);
        if (descripteur_ < 0) {
            const int erreur = errno;
            temporaire_.clear();
            Echouer(RaisonSysteme(erreur));
            return false;
        }
        // The printer opens its file by a name in Unicode: a folder whose name is not one reaches
        // the same file through its open descriptor.
        const QString nom = QFile::decodeName(temporaire_);
        if (QFile::encodeName(nom) == temporaire_) {
            ::close(descripteur_);
            descripteur_ = -1;
            imprimante_.setOutputFileName(nom);
        } else {
            imprimante_.setOutputFileName(QStringLiteral("/proc/self/fd/%1").arg(descripteur_));
        }
    }
    if (!Commencer(imprimante_)) {
        Echouer(QStringLiteral("l'impression n'a pas pu commencer"));
        return false;
    }
    etat_ = Etat::EnCours;
    return true;
}

void SurfaceImprimante::Echouer(const QString &raison) {
    if (erreur_.isEmpty()) erreur_ = raison;
    if (Peintre().isActive()) {
        imprimante_.abort();
        Terminer();
    }
    OublierPdf();
    etat_ = Etat::Echec;
}

void SurfaceImprimante::OublierPdf() {
    if (temporaire_.isEmpty()) return;
    AbandonnerTemporaire(temporaire_);
    RendreNomDemande();
}

void SurfaceImprimante::RendreNomDemande() {
    if (descripteur_ >= 0) ::close(descripteur_);
    descripteur_ = -1;
    temporaire_.clear();
    imprimante_.setOutputFileName(fichierDemande_);
}

bool SurfaceImprimante::PublierPdf() {
    if (temporaire_.isEmpty()) return true;
    const int fd = ::open(temporaire_.constData(), O_RDWR | O_CLOEXEC);
    // The writer reports no failed write (a full disk): a whole PDF ends with its end marker.
    struct stat etat {};
    char queue[17] = {};
    bool entier = fd >= 0 && ::fstat(fd, &etat) == 0 && etat.st_size > 16 &&
                  ::pread(fd, queue, 16, etat.st_size - 16) == 16 && std::strstr(queue, "%%EOF");
    if (!entier) {
        if (fd >= 0) ::close(fd);
        Echouer(EchecEcriture());
        return false;
    }
    // The file takes the permissions a new file gets, or those of the file it replaces.
    const int erreur = Remplacer(fd, temporaire_, final_, DroitsNouveauFichier(final_));
    RendreNomDemande();
    if (erreur != 0) {
        Echouer(RaisonSysteme(erreur));
        return false;
    }
    return true;
}

QString SurfaceImprimante::EchecEcriture() const {
    return temporaire_.isEmpty() ? QStringLiteral("l'imprimante a refusé le travail")
                                 : QStringLiteral("l'écriture du fichier a échoué (disque plein ?)");
}

bool SurfaceImprimante::NouvellePage() {
    if (etat_ != Etat::EnCours) return etat_ == Etat::Libre;
    if (!imprimante_.newPage() || imprimante_.printerState() == QPrinter::Error) {
        Echouer(EchecEcriture());
        return false;
    }
    return true;
}

bool SurfaceImprimante::FinImpression() {
    if (etat_ != Etat::EnCours) return etat_ == Etat::Libre;
    if (!Terminer() || imprimante_.printerState() == QPrinter::Error) {
        Echouer(EchecEcriture());
        return false;
    }
    if (!PublierPdf()) return false;
    etat_ = Etat::Libre;
    return true;
}

void SurfaceImprimante::AbandonnerImpression() {
    if (etat_ == Etat::Libre) return;
    if (Peintre().isActive()) {
        imprimante_.abort();
        Terminer();
    }
    OublierPdf();
    etat_ = Etat::Libre;
}

} // namespace lumio
