// The printed page: the game's drawing calls in millimetres on a QPrinter.
#pragma once

#include "interfaces/Surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>
#include <map>
#include <tuple>

class QPrinter;

namespace lumio {

// Millimetres from the top-left corner of the printable area; pens in printer dots. The job
// starts with the first drawing, so a job that draws nothing prints nothing. A PDF file is
// written beside its name and takes it only once whole: a job that fails or is abandoned
// leaves whatever file was there untouched.
class SurfaceImprimante : public Surface {
  public:
    // A PDF is drawn at this resolution: a pen of 1 is a laser printer's hairline.
    static constexpr int ResolutionPdf = 600;

    explicit SurfaceImprimante(QPrinter &imprimante);
    ~SurfaceImprimante() override;
    SurfaceImprimante(const SurfaceImprimante &) = delete;
    SurfaceImprimante &operator=(const SurfaceImprimante &) = delete;

    void Remplir(double x1, double y1, double x2, double y2, Couleur c) override;
    void Encadrer(double x1, double y1, double x2, double y2, double plume, Couleur c) override;
    void Ligne(double x1, double y1, double x2, double y2, double plume, Couleur c) override;
    double LargeurTexte(const std::string &texte, const Police &police) override;
    double HauteurTexte(const std::string &texte, const Police &police) override;
    void Ecrire(double x, double y, const std::string &texte, const Police &police, Couleur c) override;
    void Decouper(double x1, double y1, double x2, double y2) override;
    void SansDecoupe() override;

    void MettreEnPage(double &largeur, double &hauteur) override;
    bool NouvellePage() override;
    bool FinImpression() override;
    void AbandonnerImpression() override;

    // Why the last job failed, in French; empty when it did not.
    QString Erreur() const { return erreur_; }

  private:
    enum class Etat { Libre, EnCours, Echec };
    // Starts the job at its first drawing; false once it has failed.
    bool Commencer();
    void Echouer(const QString &raison);
    // Puts the PDF being written in place of its final name.
    bool PublierPdf();
    void OublierPdf();
    QString EchecEcriture() const;
    double D(double mm) const { return mm * pointsParMm_; }
    QFont PoliceQt(const Police &police) const;
    const QFontMetricsF &Mesures(const Police &police);

    QPrinter &imprimante_;
    QPainter peintre_;
    Etat etat_ = Etat::Libre;
    double pointsParMm_ = 1;
    QString erreur_;
    QString fichierDemande_, fichierFinal_, fichierTemporaire_;
    std::map<std::tuple<std::string, double, bool>, QFontMetricsF> mesures_;
};

} // namespace lumio
