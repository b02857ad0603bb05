// The printed page: the game's drawing calls in millimetres on a QPrinter.
#pragma once

#include "plateforme/SurfacePeintre.h"

#include <QString>

class QPrinter;

namespace lumio {

// Millimetres from the top-left corner of the printable area; pens in pixels of a 600 dpi page
// on every printer, so that paper shows the lines of the game's own PDF. The job
// starts with the first drawing, so a job that draws nothing prints nothing. A PDF file is
// written beside its name and takes it only once whole: a job that fails or is abandoned
// leaves whatever file was there untouched.
class SurfaceImprimante : public SurfacePeintre {
  public:
    // A PDF is drawn at this resolution, and a page's pixel is one of it on any printer: a pen of
    // 1 is a laser printer's hairline, 0.042 mm.
    static constexpr int ResolutionPdf = 600;

    explicit SurfaceImprimante(QPrinter &imprimante);
    ~SurfaceImprimante() override;

    void MettreEnPage(double &largeur, double &hauteur) override;
    bool NouvellePage() override;
    bool FinImpression() override;
    void AbandonnerImpression() override;

    // Why the last job failed, in French; empty when it did not.
    QString Erreur() const { return erreur_; }

    // The PDF's name as the system spells it, whatever its bytes (a name from the command line
    // need not be UTF-8); without it, the printer's output file name is taken.
    void DefinirFichierNatif(const QByteArray &nom) { natif_ = nom; }

  protected:
    // Starts the job at its first drawing; false once it has failed.
    bool Pret() override;

  private:
    enum class Etat { Libre, EnCours, Echec };
    // Millimetres and pen pixels on the printer's present resolution.
    void MesurerImprimante();
    void Echouer(const QString &raison);
    // Puts the PDF being written in place of its final name.
    bool PublierPdf();
    void OublierPdf();
    // Lets go of the new file and gives the printer back the name it was told.
    void RendreNomDemande();
    QString EchecEcriture() const;

    QPrinter &imprimante_;
    Etat etat_ = Etat::Libre;
    QString erreur_;
    QByteArray natif_;
    QString fichierDemande_;        // what the printer was told, given back after the job
    QByteArray final_, temporaire_; // the file the PDF replaces, and the one it is written in
    int descripteur_ = -1;          // the new file, kept open when the printer reaches it by /proc
};

} // namespace lumio
