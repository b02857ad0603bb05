// A printed page: the print job on a QPrinter, and a PDF file written safely.
#include "plateforme/SurfaceImprimante.h"

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
#include <sys/stat.h>
#include <unistd.h>

namespace lumio {

namespace {

// The usual reasons a file cannot be written, in the program's language.
QString RaisonSysteme(int erreur) {
    switch (erreur) {
    case EACCES:
    case EPERM:
        return QStringLiteral("permission refusée");
    case ENOENT:
        return QStringLiteral("le dossier n'existe pas");
    case ENOTDIR:
        return QStringLiteral("le chemin ne mène pas à un dossier");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("le disque est plein");
    case EROFS:
        return QStringLiteral("le disque est en lecture seule");
    case ENAMETOOLONG:
        return QStringLiteral("le nom est trop long");
    default:
        return QString::fromLocal8Bit(std::strerror(erreur));
    }
}

bool EstPdf(const QPrinter &p) {
    return p.outputFormat() == QPrinter::PdfFormat && !p.outputFileName().isEmpty();
}

} // namespace

SurfaceImprimante::SurfaceImprimante(QPrinter &imprimante) : imprimante_(imprimante) {
    Mesurer(imprimante_, imprimante_.resolution() / 25.4);
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
    Mesurer(imprimante_, imprimante_.resolution() / 25.4);
    const QRectF zone = imprimante_.pageLayout().paintRect(QPageLayout::Millimeter);
    largeur = zone.width();
    hauteur = zone.height();
}

bool SurfaceImprimante::Pret() {
    if (etat_ == Etat::EnCours) return true;
    if (etat_ == Etat::Echec) return false;
    if (EstPdf(imprimante_)) {
        fichierDemande_ = imprimante_.outputFileName();
        QFileInfo demande(fichierDemande_);
        // Writing through a link replaces the file it points to, not the link.
        fichierFinal_ = demande.canonicalFilePath();
        if (fichierFinal_.isEmpty())
            fichierFinal_ = demande.isSymLink() ? demande.symLinkTarget() : demande.absoluteFilePath();
        const QFileInfo cible(fichierFinal_);
        if (cible.isDir()) {
            Echouer(QStringLiteral("c'est un dossier"));
            return false;
        }
        if (cible.exists() && !cible.isFile()) {
            Echouer(QStringLiteral("ce n'est pas un fichier ordinaire"));
            return false;
        }
        QByteArray modele = QFile::encodeName(cible.absolutePath() + QStringLiteral("/.") + cible.fileName() +
                                              QStringLiteral(".XXXXXX"));
        const int f = ::mkstemp(modele.data());
        if (f < 0) {
            Echouer(RaisonSysteme(errno));
            return false;
        }
        ::close(f);
        fichierTemporaire_ = QFile::decodeName(modele);
        imprimante_.setOutputFileName(fichierTemporaire_);
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
    if (fichierTemporaire_.isEmpty()) return;
    QFile::remove(fichierTemporaire_);
    fichierTemporaire_.clear();
    imprimante_.setOutputFileName(fichierDemande_);
}

bool SurfaceImprimante::PublierPdf() {
    if (fichierTemporaire_.isEmpty()) return true;
    QFile fichier(fichierTemporaire_);
    // The writer reports no failed write (a full disk): a whole PDF ends with its end marker.
    bool entier = fichier.open(QIODevice::ReadWrite) && fichier.size() > 16;
    if (entier) {
        fichier.seek(fichier.size() - 16);
        entier = fichier.read(16).contains("%%EOF");
    }
    if (!entier) {
        Echouer(EchecEcriture());
        return false;
    }
    // The file takes the permissions a new file gets, or those of the file it replaces.
    struct stat ancien {};
    mode_t droits = 0666;
    if (::stat(QFile::encodeName(fichierFinal_).constData(), &ancien) == 0) {
        droits = ancien.st_mode & 07777;
    } else {
        const mode_t masque = ::umask(0);
        ::umask(masque);
        droits &= ~masque;
    }
    const bool sur = ::fchmod(fichier.handle(), droits) == 0 && ::fsync(fichier.handle()) == 0;
    fichier.close();
    if (!sur || std::rename(QFile::encodeName(fichierTemporaire_).constData(),
                            QFile::encodeName(fichierFinal_).constData()) != 0) {
        Echouer(RaisonSysteme(errno));
        return false;
    }
    fichierTemporaire_.clear();
    imprimante_.setOutputFileName(fichierDemande_);
    return true;
}

QString SurfaceImprimante::EchecEcriture() const {
    return fichierTemporaire_.isEmpty() ? QStringLiteral("l'imprimante a refusé le travail")
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
