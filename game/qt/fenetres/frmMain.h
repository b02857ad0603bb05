// The main window: menu bar, the board's client area, labels, palette and command buttons.
#pragma once

#include "Jeu.h"
#include "fenetres/Dialogues.h"
#include "interfaces/Fenetre.h"
#include "plateforme/SurfaceImage.h"
#include "plateforme/SurfaceImprimante.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPrinter>
#include <QTimer>
#include <array>
#include <map>
#include <memory>

class QAction;
class QLineEdit;
class QMenu;

namespace lumio {

class AnnonceurPlateau;
class Avis;
class BarreEtat;
class frmMain;
class DialogImpression;
class DialogImpressionMult;
class FichierReprise;
class Options1;
struct RefusPartie;

// The client area: shows the persistent board image over the window colour, and turns presses,
// clicks, double clicks and drops on its own surface (not on its controls) into the game's
// handlers.
class ZoneClient : public QWidget {
    Q_OBJECT
  public:
    explicit ZoneClient(frmMain &fenetre);
    QImage &Image() { return image_; }
    void DefinirCouleurFond(const QColor &c);
    QColor CouleurFond() const { return fond_; }

  protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;

  private:
    bool SurLaSurface(const QPointF &p) const;
    frmMain &fenetre_;
    QImage image_;
    QColor fond_;
    bool pressionEnCours_ = false;
    bool apresDoubleClic_ = false;
};

// One picture of the digit palette (imgChiffre(1..9)).
class ImageChiffre : public QLabel {
    Q_OBJECT
  public:
    ImageChiffre(int index, QWidget *parent);
    int Index() const { return index_; }
    int ImageCourante() const { return image_; }
    void MontrerImage(int k);

  signals:
    void Presse(int index);
    void Clique(int index);

  protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

  private:
    int index_;
    QPoint departGlisser_;
    int image_ = 0;
    bool presse_ = false;
};

// The MIME type of a palette picture being dragged.
inline const char *TypeGlisserChiffre = "application/x-sudoku-lumio-chiffre";

class frmMain : public QMainWindow, public Fenetre {
    Q_OBJECT
  public:
    // `montrer` false builds the window without ever showing it (pictures, headless commands).
    frmMain(MagasinReglages &reglages, LecteurSons &sons, SourceAleatoire &hasard, Dialogues &dialogues,
            bool montrer = true, QWidget *parent = nullptr);
    ~frmMain() override;

    // The start-up sequence: settings, theme, board, first game, or the game of `fichier` when
    // one is given and opens.
    void Form_Load(const QString &fichier = QString());
    // The same with the file's name as the system spells it, which may not be UTF-8.
    void Form_Load(const QByteArray &fichierNatif);

    // Saved games: the two menu commands, and what they do once a file is chosen. Both say
    // what went wrong in a message box and return false; the game in progress is then untouched.
    void Ouvrir();
    void Enregistrer();
    bool OuvrirFichier(const QString &chemin);
    bool OuvrirFichierNatif(const QByteArray &chemin);
    bool EnregistrerFichier(const QString &chemin);
    // Where the file dialogs open: "Parties" beside the program, else the documents folder.
    static QString DossierParties();
    // A window rendered to a picture without being shown: failures go to stderr, not to a box.
    void DefinirCapture(bool capture) { capture_ = capture; }
    // Closes without asking (the player already answered, or nobody is there to ask).
    void Fermer();

    // The interrupted game (frmMainReprise.cpp). Once `fichier` is given, the game in progress is
    // kept in it after each change and every few seconds of clock, and a start without a file
    // first offers the game a stopped program left.
    void ActiverReprise(std::unique_ptr<FichierReprise> fichier);
    // Keeps the game as it stands now, then ends the program without a question (a stop signal).
    void TerminerEnGardant();
    // The session is ending: the game is kept and the window will close without a question.
    void FinDeSession();
    // The program is to end (a stop signal came while it started).
    bool FinDemandee() const { return finConservee_; }
    FichierReprise *Reprise() const { return reprise_.get(); }
    // The help window on its first page (the help installed with the game unless `collection`
    // names another), or a message saying why it cannot open; and the about window, modal.
    void AfficherAide(const QString &collection = QString());
    void AfficherAPropos();

    Jeu &jeu() { return *jeu_; }
    ZoneClient &zone() { return *zone_; }
    QImage &image() { return zone_->Image(); }
    ImageChiffre *imgChiffre(int i) const { return palette_.at(std::size_t(i - 1)); }
    QAction *Action(const QString &nom) const;
    QLineEdit *CoupN() const { return coupN_; }
    QTimer &tmrSecondes() { return tmrSecondes_; }
    // The client area as the player sees it, at the screen's density (1 unless scaled).
    QImage CaptureClient();

    // Fenetre
    void Montrer() override;
    TailleClient Taille() const override;
    void MontrerImagePalette(int i, int k) override;
    void DefinirLibelle(int n, const std::string &texte) override;
    std::string TexteLibelle(int n) const override;
    void MontrerLibelle(int n, bool visible) override;
    void ActiverChrono(bool actif) override;
    bool ChronoActif() const override;
    void CocherMode(int index, bool coche) override;
    bool ModeCoche(int index) const override;
    void CocherPause(bool coche) override;
    bool PauseCochee() const override;
    void DonnerFocusCoupN() override;
    Reponse BoiteMessage(const Message &m) override;
    std::string BoiteSaisie(const std::string &invite, const std::string &titre, const std::string &defaut,
                            int xTwips, int yTwips, const std::string &pourLecteur) override;
    void AfficherMeilleursTemps() override;
    void AfficherOptions() override;
    void AppliquerTheme(const Theme &t) override;
    Couleur CouleurFondSysteme() const override;
    bool TraiterEvenements() override;

    // The options dialog while it is open.
    Options1 *Options() const;

    // The six command buttons, TovCommand1 .. TovCommand6.
    QWidget *TovCommand(int n) const { return boutons_.at(std::size_t(n - 1)); }

    // Printing (frmMainImpression.cpp): the print command, the batch dialog, the printer chosen
    // last, and the dialogs once they have been shown.
    void CommandeImprimer();
    void OuvrirImpressionMult();
    int ChoisirImprimante() override;
    Surface *PageImprimante() override;
    QPrinter *Imprimante() const { return imprimante_.get(); }
    DialogImpression *dialogImpression() const { return dialogImpression_; }
    DialogImpressionMult *dialogImpressionMult() const { return dialogImpressionMult_; }

    // The solution command, which may run a long search with the window kept live.
    void LancerSolution();

    // Qt key code to the game's key codes: only the numeric keypad enters digits, unless
    // `lecteur`, a screen reader being there.
    static int CodeTouche(const QKeyEvent &e, bool lecteur = false);

  protected:
    bool eventFilter(QObject *objet, QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;

  private:
    void CreerMenus();
    void CreerControles();
    void BrancherOptions();       // the menu entry and the picture that open the options
    void BrancherAide();          // the "&?" menu, F1 and the web picture
    void BrancherAccessibilite(); // names for a screen reader, the board's cells, status and notice
    void AnnoncerPalette();
    void AnnoncerLibelle();
    // Shows one of the game's own windows in front, brought back if minimised (maximised stays).
    static void MontrerDevant(QWidget &fenetre);
    QAction *AjouterAction(QMenu *menu, const QString &nom, const QString &texte,
                           const QKeySequence &raccourci, bool actif);
    QLabel *Libelle(int n) const { return libelles_.at(std::size_t(n - 1)); }
    // A saved game that could not be opened or written: a critical box, or stderr in a capture.
    void SignalerEchec(const std::string &texte);
    // The interrupted game: offered at start-up, written soon after a change, settled at the end
    // (kept for a stop signal or a logout, forgotten for a confirmed quit).
    bool ReprendrePartie();
    // `horloge`: only the clock moved, which a laptop's disk need not be woken for.
    void PlanifierReprise(bool horloge = false);
    void GarderPartie();
    void ConclureReprise();

    MagasinReglages &reglages_;
    LecteurSons &sons_;
    SourceAleatoire &hasard_;
    Dialogues &dialogues_;
    bool montrer_;
    bool capture_ = false;

    ZoneClient *zone_ = nullptr;
    std::unique_ptr<SurfaceImage> surface_;
    std::unique_ptr<Jeu> jeu_;
    std::array<QLabel *, 3> libelles_{};
    std::array<ImageChiffre *, 9> palette_{};
    std::array<QWidget *, 6> boutons_{};
    QElapsedTimer dureeRecherche_;
    bool curseurAttente_ = false;
    bool interruptionDemandee_ = false;
    bool fermetureDemandee_ = false;
    QLineEdit *coupN_ = nullptr;
    QTimer tmrSecondes_;
    std::map<QString, QAction *> actions_;
    bool modeCoche_[3] = {false, false, false};
    bool pauseCochee_ = false;
    bool fermetureConfirmee_ = false;
    std::unique_ptr<QPrinter> imprimante_;
    std::unique_ptr<SurfaceImprimante> page_;
    DialogImpression *dialogImpression_ = nullptr;
    DialogImpressionMult *dialogImpressionMult_ = nullptr;
    QPointer<Options1> options_;
    BarreEtat *barreEtat_ = nullptr;
    Avis *avis_ = nullptr;
    std::unique_ptr<AnnonceurPlateau> annonceur_; // destroyed before the game it listens to
    std::unique_ptr<FichierReprise> reprise_;
    QTimer minuterieReprise_;
    std::string repriseEcrite_; // what the file holds, so that an unchanged game is not written again
    bool repriseChangee_ = false; // something besides the clock changed since the file was written
    bool repriseConclue_ = false;
    bool echecRepriseSignale_ = false;
    bool finConservee_ = false; // the program ends with its game kept (signal, logout)
};

} // namespace lumio
