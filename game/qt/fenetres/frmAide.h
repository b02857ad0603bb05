// The help window: the game's compiled help, with its contents, its index and a full-text search.
#pragma once

#include <QMainWindow>
#include <QTextBrowser>
#include <memory>

class QHelpEngine;
class QLabel;
class QLineEdit;
class QListWidget;
class QSplitter;
class QTabWidget;

namespace lumio {

// Shows the pages of the help collection, pictures drawn at the screen's density.
class NavigateurAide : public QTextBrowser {
    Q_OBJECT
  public:
    NavigateurAide(QHelpEngine &moteur, QWidget *parent);
    QVariant loadResource(int type, const QUrl &nom) override;

  private:
    friend class frmAide;
    QHelpEngine &moteur_;
    int largeurImages_ = 520;
};

class frmAide : public QMainWindow {
    Q_OBJECT
  public:
    // The collection at `chemin`, ready to show; nullptr and `raison` (in French) when it cannot
    // be read.
    static std::unique_ptr<QHelpEngine> ChargerCollection(const QString &chemin, QString &raison);

    frmAide(std::unique_ptr<QHelpEngine> moteur, QWidget *parent);
    ~frmAide() override;

    // The page the help opens on.
    QUrl PageAccueil() const;
    void MontrerAccueil();
    void Rechercher(const QString &texte);

    NavigateurAide *Navigateur() const { return navigateur_; }
    QListWidget *Resultats() const { return resultats_; }

  private:
    void CreerOnglets();
    // Shares the width between the contents and the page, pictures fitted to the page.
    void Repartir();
    // Makes the contents wide enough for their longest title, once they are known.
    void ElargirSommaire();
    void CreerActions();
    void AfficherResultats(int nombre);

    std::unique_ptr<QHelpEngine> moteur_;
    NavigateurAide *navigateur_ = nullptr;
    QSplitter *separateur_ = nullptr;
    QTabWidget *onglets_ = nullptr;
    QLineEdit *motIndex_ = nullptr;
    QLineEdit *motRecherche_ = nullptr;
    QListWidget *resultats_ = nullptr;
    QLabel *etatRecherche_ = nullptr;
    QString rechercheEnAttente_;
    bool indexation_ = false;
};

} // namespace lumio
