// The main window: menus, the persistent board image, labels, palette and input routing.
#include "fenetres/frmMain.h"

#include "accessibilite/AccessibilitePlateau.h"
#include "apparence/Boutons.h"
#include "apparence/PaletteClaire.h"
#include "apparence/Pictogrammes.h"
#include "fenetres/ImageAnimee.h"
#include "fenetres/frmImages.h"
#include "fenetres/frmScore.h"
#include "plateforme/CouleurQt.h"
#include "plateforme/FichierReprise.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDrag>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <functional>

namespace lumio {

namespace {

constexpr int LargeurClient = 730, HauteurClient = 517;

qreal RatioEcran() {
    const QScreen *ecran = QGuiApplication::primaryScreen();
    return ecran ? ecran->devicePixelRatio() : 1.0;
}

// The key codes of the main keyboard's digit row, 1 to 9, as X and Wayland number the keys.
constexpr quint32 CodeNatifChiffre1 = 10;
bool ClavierNatifX() {
    const QString p = QGuiApplication::platformName();
    return p == QLatin1String("xcb") || p.startsWith(QLatin1String("wayland"));
}

int BoutonVb(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return BoutonGauche;
    case Qt::RightButton:
        return BoutonDroit;
    case Qt::MiddleButton:
        return BoutonMilieu;
    default:
        return 0;
    }
}

// The focus holder lies outside the client area, where nobody sees a text cursor: it takes the
// focus without the line edit's blinking one, whose timer would wake the game twice a second.
class PorteurFocus : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent *e) override { QWidget::focusInEvent(e); }
};

} // namespace

// ---------------------------------------------------------------- ZoneClient

ZoneClient::ZoneClient(frmMain &fenetre) : QWidget(&fenetre), fenetre_(fenetre) {
    setObjectName("ZoneClient");
    setFixedSize(LargeurClient, HauteurClient);
    setAcceptDrops(true);
    const qreal ratio = RatioEcran();
    image_ = QImage(QSize(LargeurClient, HauteurClient) * ratio, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::transparent);
    fond_ = palette().color(QPalette::Window);
}

void ZoneClient::DefinirCouleurFond(const QColor &c) {
    fond_ = c;
    // The buttons read their host's colour for the corners their shape leaves out.
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
    update();
}

void ZoneClient::paintEvent(QPaintEvent *e) {
    QPainter p(this);
    p.fillRect(e->rect(), fond_);
    p.drawImage(QPointF(0, 0), image_);
}

bool ZoneClient::SurLaSurface(const QPointF &p) const {
    return childAt(p.toPoint()) == nullptr;
}

void ZoneClient::mousePressEvent(QMouseEvent *e) {
    pressionEnCours_ = SurLaSurface(e->position());
    if (!pressionEnCours_) return;
    // A button that kept the focus would otherwise go on taking the keys meant for the board.
    fenetre_.DonnerFocusCoupN();
    fenetre_.jeu().Form_MouseDown(BoutonVb(e->button()), e->position().x(), e->position().y());
}

void ZoneClient::mouseReleaseEvent(QMouseEvent *) {
    // Qt sends press, release, double click, release; the game expects press, click, double
    // click. The release that ends a double click is no click of its own.
    if (apresDoubleClic_) {
        apresDoubleClic_ = false;
        return;
    }
    if (!pressionEnCours_) return;
    pressionEnCours_ = false;
    fenetre_.jeu().Form_Click();
}

void ZoneClient::mouseDoubleClickEvent(QMouseEvent *e) {
    if (!SurLaSurface(e->position())) return;
    apresDoubleClic_ = true;
    pressionEnCours_ = false;
    fenetre_.jeu().Form_DblClick();
}

void ZoneClient::dragEnterEvent(QDragEnterEvent *e) {
    if (e->mimeData()->hasFormat(TypeGlisserChiffre)) e->acceptProposedAction();
}

void ZoneClient::dragMoveEvent(QDragMoveEvent *e) {
    if (e->mimeData()->hasFormat(TypeGlisserChiffre)) e->acceptProposedAction();
}

void ZoneClient::dropEvent(QDropEvent *e) {
    if (!e->mimeData()->hasFormat(TypeGlisserChiffre)) return;
    e->acceptProposedAction();
    // Only the window's own surface takes a drop; a drop on a control does nothing.
    if (!SurLaSurface(e->position())) return;
    fenetre_.jeu().Form_DragDrop(e->position().x(), e->position().y());
}

// ---------------------------------------------------------------- ImageChiffre

ImageChiffre::ImageChiffre(int index, QWidget *parent) : QLabel(parent), index_(index) {
    setObjectName(QStringLiteral("imgChiffre%1").arg(index));
    setFixedSize(frmImages::Taille, frmImages::Taille);
    MontrerImage(index);
}

void ImageChiffre::MontrerImage(int k) {
    image_ = k;
    setPixmap(frmImages::imgChiffre(k, devicePixelRatioF() > 1 ? devicePixelRatioF() : RatioEcran()));
}

void ImageChiffre::mousePressEvent(QMouseEvent *e) {
    // A press chooses the digit at once; moving away with the button held drags the picture.
    presse_ = true;
    departGlisser_ = e->position().toPoint();
    emit Presse(index_);
}

void ImageChiffre::mouseMoveEvent(QMouseEvent *e) {
    if (!presse_ || !(e->buttons() & Qt::LeftButton)) return;
    if ((e->position().toPoint() - departGlisser_).manhattanLength() < QApplication::startDragDistance())
        return;
    presse_ = false;
    auto *drag = new QDrag(this);
    auto *mime = new QMimeData;
    mime->setData(TypeGlisserChiffre, QByteArray::number(index_));
    drag->setMimeData(mime);
    drag->setPixmap(pixmap());
    drag->setHotSpot(QPoint(width() / 2, height() / 2));
    drag->exec(Qt::CopyAction);
}

void ImageChiffre::mouseReleaseEvent(QMouseEvent *e) {
    if (presse_ && rect().contains(e->position().toPoint())) emit Clique(index_);
    presse_ = false;
}

// ---------------------------------------------------------------- frmMain

frmMain::frmMain(MagasinReglages &reglages, LecteurSons &sons, SourceAleatoire &hasard, Dialogues &dialogues,
                 bool montrer, QWidget *parent)
    : QMainWindow(parent), reglages_(reglages), sons_(sons), hasard_(hasard), dialogues_(dialogues),
      montrer_(montrer) {
    setObjectName("frmMain");
    setWindowTitle(QStringLiteral("Sudoku Lumio"));
    zone_ = new ZoneClient(*this);
    setCentralWidget(zone_);
    surface_ = std::make_unique<SurfaceImage>(zone_->Image());
    surface_->changement = [this](const QRectF &r) {
        zone_->update(r.toAlignedRect());
        PlanifierReprise();
    };
    jeu_ = std::make_unique<Jeu>(*surface_, *this, reglages_, sons_, hasard_);

    CreerMenus();
    CreerControles();
    BrancherOptions();
    BrancherAide();
    BrancherAccessibilite();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    tmrSecondes_.setObjectName("tmrSecondes");
    tmrSecondes_.setInterval(1000);
    connect(&tmrSecondes_, &QTimer::timeout, this, [this] {
        jeu_->tmrSecondes_Timer();
        // The clock alone is kept every five seconds; a stop signal keeps it to the second.
        if (jeu_->SecondesEcoulees % 5 == 0) PlanifierReprise(true);
    });
    // Several changes of one event are written once, when the event is over.
    minuterieReprise_.setSingleShot(true);
    minuterieReprise_.setInterval(0);
    connect(&minuterieReprise_, &QTimer::timeout, this, [this] { GarderPartie(); });
    qApp->installEventFilter(this);
}

frmMain::~frmMain() {
    qApp->removeEventFilter(this);
}

QAction *frmMain::AjouterAction(QMenu *menu, const QString &nom, const QString &texte,
                                const QKeySequence &raccourci, bool actif) {
    auto *a = menu->addAction(texte);
    a->setObjectName(nom);
    a->setShortcut(raccourci);
    a->setShortcutContext(Qt::WindowShortcut);
    a->setEnabled(actif);
    actions_[nom] = a;
    return a;
}

QAction *frmMain::Action(const QString &nom) const {
    auto it = actions_.find(nom);
    return it == actions_.end() ? nullptr : it->second;
}

void frmMain::CreerMenus() {
    // Entries whose command is not built yet stay disabled.
    QMenu *partie = menuBar()->addMenu(QStringLiteral("&Partie"));
    partie->setObjectName("mnuPartie");
    connect(AjouterAction(partie, "mnuJeuNouveau", "&Nouvelle partie", QKeySequence("Ctrl+N"), true),
            &QAction::triggered, this, [this] { jeu_->mnuJeuNouveau_Click(); });
    partie->addSeparator();
    connect(AjouterAction(partie, "Ouvrir", "&Ouvrir une partie...", QKeySequence("Ctrl+O"), true),
            &QAction::triggered, this, [this] { Ouvrir(); });
    connect(AjouterAction(partie, "Enregistrer", "&Enregistrer la partie...", {}, true), &QAction::triggered,
            this, [this] { Enregistrer(); });
    partie->addSeparator();
    connect(AjouterAction(partie, "Imprimer", "&Imprimer la grille", QKeySequence("Ctrl+I"), true),
            &QAction::triggered, this, [this] { CommandeImprimer(); });
    connect(AjouterAction(partie, "ImpressionMult", "Impressions &multiples", {}, true), &QAction::triggered,
            this, [this] { OuvrirImpressionMult(); });
    partie->addSeparator();
    connect(AjouterAction(partie, "mnuJeuScore", "Meilleurs &temps", {}, true), &QAction::triggered, this,
            [this] { jeu_->AfficherMeilleursTemps(); });
    QAction *pause = AjouterAction(partie, "PauseChrono", "&Pause", QKeySequence(Qt::Key_F3), true);
    pause->setCheckable(true);
    connect(pause, &QAction::triggered, this, [this] {
        jeu_->SPause();
        // The check mark follows the game's pause, not Qt's own toggling.
        Action("PauseChrono")->setChecked(pauseCochee_);
    });
    partie->addSeparator();
    connect(AjouterAction(partie, "mnuJeuQuitter", "&Quitter", {}, true), &QAction::triggered, this,
            &QWidget::close);

    QMenu *jeu = menuBar()->addMenu(QStringLiteral("&Jeu"));
    jeu->setObjectName("mnuJeu");
    connect(AjouterAction(jeu, "mnuRecommencer", "&Recommencer la partie", QKeySequence(Qt::Key_F4), true),
            &QAction::triggered, this, [this] { jeu_->mnuRecommencer_Click(); });
    connect(AjouterAction(jeu, "mnuVerifier", "&Vérifier", QKeySequence(Qt::Key_F5), true),
            &QAction::triggered, this, [this] { jeu_->CommandeVerifier(); });
    connect(AjouterAction(jeu, "mnuIndice", "&Demander indice", QKeySequence(Qt::Key_F6), true),
            &QAction::triggered, this, [this] { jeu_->CommandeIndice(); });
    connect(AjouterAction(jeu, "mnuSolution", "Voir &solution", QKeySequence(Qt::Key_F7), true),
            &QAction::triggered, this, [this] { LancerSolution(); });

    QMenu *options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName("mnuOptions");
    AjouterAction(options, "LancerOptions", "Préférence", QKeySequence(Qt::Key_F2), false);

    QMenu *mode = menuBar()->addMenu(QStringLiteral("&Mode"));
    mode->setObjectName("mnuMode");
    for (int i = 1; i <= 2; ++i) {
        QAction *a = AjouterAction(mode, QStringLiteral("mnuModeChoix%1").arg(i),
                                   i == 1 ? "&Jeu" : "&Création", {}, true);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, i] {
            jeu_->mnuModeChoix(i);
            for (int k = 1; k <= 2; ++k)
                Action(QStringLiteral("mnuModeChoix%1").arg(k))->setChecked(modeCoche_[k]);
        });
    }

    QMenu *aide = menuBar()->addMenu(QStringLiteral("&?"));
    aide->setObjectName("inte");
    AjouterAction(aide, "mnuContactAuteur", "&Contacter l'auteur", {}, false);
    AjouterAction(aide, "Aide", "&Aide", {}, false);
    aide->addSeparator();
    AjouterAction(aide, "Apropos", "A &propos", {}, false);
}

void frmMain::CreerControles() {
    struct Place {
        const char *nom, *texte;
        int x, y, l, h;
    };
    const Place places[] = {{"Label1", "Type de Jeu", 512, 472, 177, 25},
                            {"Label2", "", 512, 448, 89, 25},
                            {"Label3", "Chrono", 600, 448, 89, 25}};
    for (int n = 0; n < 3; ++n) {
        auto *l = new QLabel(QString::fromUtf8(places[n].texte), zone_);
        l->setObjectName(places[n].nom);
        l->setGeometry(places[n].x, places[n].y, places[n].l, places[n].h);
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
        QFont f(QStringLiteral("Comic Sans MS"));
        f.setPixelSize(15);
        f.setBold(true);
        l->setFont(f);
        libelles_[std::size_t(n)] = l;
    }
    for (int i = 1; i <= 9; ++i) {
        auto *img = new ImageChiffre(i, zone_);
        img->move(106 + 33 * (i - 1), 464);
        connect(img, &ImageChiffre::Presse, this, [this](int d) {
            DonnerFocusCoupN();
            jeu_->imgChiffre_Click(d);
        });
        connect(img, &ImageChiffre::Clique, this, [this](int d) { jeu_->imgChiffre_Click(d); });
        palette_[std::size_t(i - 1)] = img;
    }
    struct Commande {
        int n;
        const char *texte, *bulle;
        int haut;
        std::function<void()> action;
        Pictogramme image;
    };
    const Commande commandes[] = {
        {1, "Solution", "Afficher la solution", 32, [this] { LancerSolution(); }, Pictogramme::Solution},
        {6, "Vérifier", "Vérifier les chiffres placés", 96, [this] { jeu_->CommandeVerifier(); },
         Pictogramme::Verifier},
        {2, "Indice", "Dévoiler un chiffre", 160, [this] { jeu_->CommandeIndice(); }, Pictogramme::Indice},
        {4, "Imprimer", "Imprimer la grille", 224, [this] { CommandeImprimer(); }, Pictogramme::Imprimer},
        {5, "Impr. grilles", "Imprimer de 1 à 99 grilles prêtes à jouer", 288,
         [this] { OuvrirImpressionMult(); }, Pictogramme::ImprGrilles},
        {3, "Nouvelle", "Commencer une nouvelle partie", 352,
         [this] {
             jeu_->mnuJeuNouveau_Click();
             DonnerFocusCoupN();
         },
         Pictogramme::Nouvelle},
    };
    for (const Commande &c : commandes) {
        QWidget *b = CreerBouton(zone_, QStringLiteral("TovCommand%1").arg(c.n), QString::fromUtf8(c.texte),
                                 QRect(512, c.haut, 177, 41), c.action);
        DefinirBulleBouton(b, QString::fromUtf8(c.bulle));
        DefinirImageBouton(b,
                           [image = c.image](qreal ratio) { return DessinerPictogramme(image, 24, ratio); });
        boutons_[std::size_t(c.n - 1)] = b;
    }

    // The options picture and the animated web picture; their commands come with the options
    // dialog and the about window.
    auto *image2 = new QLabel(zone_);
    image2->setObjectName("Image2");
    image2->setGeometry(40, 456, 41, 41);
    image2->setAlignment(Qt::AlignCenter);
    image2->setPixmap(DessinerPictogramme(Pictogramme::Preferences, 34, RatioEcran()));
    image2->setToolTip(QStringLiteral("Préférences"));
    auto *image1 = new ImageAnimee(
        ImagesGlobe, IntervalleGlobe,
        [](int image, qreal ratio) {
            return DessinerPictogramme(Pictogramme::SiteWeb, 34, ratio, PhaseGlobe(image));
        },
        zone_);
    image1->setObjectName("Image1");
    image1->setGeometry(432, 456, 39, 42);
    image1->setToolTip(QStringLiteral("Site Web"));

    // The focus holder: it only takes the keyboard focus, what it receives is never read.
    coupN_ = new PorteurFocus(zone_);
    coupN_->setObjectName("CoupN");
    coupN_->setGeometry(-20, -20, 4, 4);
    // It holds the keys for the board and takes no text: an input method would compose on it, and
    // a Wayland compositor raise its on-screen keyboard over the board.
    coupN_->setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(coupN_, &QLineEdit::textChanged, coupN_, [this](const QString &t) {
        if (!t.isEmpty()) coupN_->clear();
    });
}

void frmMain::Form_Load(const QString &fichier) {
    Form_Load(QFile::encodeName(fichier));
}

void frmMain::Form_Load(const QByteArray &fichierNatif) {
    if (fichierNatif.isEmpty() && reprise_)
        jeu_->Form_Load([this] { return ReprendrePartie(); });
    else if (fichierNatif.isEmpty())
        jeu_->Form_Load();
    else
        jeu_->Form_Load([this, fichierNatif] { return OuvrirFichierNatif(fichierNatif); });
    // Settings that cannot be kept are said once, as the game starts.
    const std::string raison = reglages_.Confirmer();
    if (!raison.empty())
        SignalerEchec(raison +
                      "\n\nLe jeu se lance avec ses réglages par défaut, qui seront perdus à sa fermeture.");
    DonnerFocusCoupN();
}

void frmMain::Fermer() {
    fermetureConfirmee_ = true;
    close();
}

QImage frmMain::CaptureClient() {
    // At the screen's density, so that QT_SCALE_FACTOR=2 gives a picture for fine screens.
    const qreal ratio = RatioEcran();
    QImage image(QSize(LargeurClient, HauteurClient) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(zone_->CouleurFond());
    zone_->render(&image);
    return image;
}

// ---------------------------------------------------------------- Fenetre

void frmMain::Montrer() {
    if (montrer_) show();
}

TailleClient frmMain::Taille() const {
    return {zone_->width(), zone_->height()};
}

void frmMain::MontrerImagePalette(int i, int k) {
    imgChiffre(i)->MontrerImage(k);
    AnnoncerPalette();
    PlanifierReprise();
}

void frmMain::DefinirLibelle(int n, const std::string &texte) {
    Libelle(n)->setText(QString::fromStdString(texte));
    AnnoncerLibelle();
}

std::string frmMain::TexteLibelle(int n) const {
    return Libelle(n)->text().toStdString();
}

void frmMain::MontrerLibelle(int n, bool visible) {
    Libelle(n)->setVisible(visible);
    AnnoncerLibelle();
}

void frmMain::ActiverChrono(bool actif) {
    if (actif)
        tmrSecondes_.start();
    else
        tmrSecondes_.stop();
    PlanifierReprise();
}

bool frmMain::ChronoActif() const {
    return tmrSecondes_.isActive();
}

void frmMain::CocherMode(int index, bool coche) {
    if (index != 1 && index != 2) return;
    modeCoche_[index] = coche;
    Action(QStringLiteral("mnuModeChoix%1").arg(index))->setChecked(coche);
    PlanifierReprise();
}

bool frmMain::ModeCoche(int index) const {
    return (index == 1 || index == 2) && modeCoche_[index];
}

void frmMain::CocherPause(bool coche) {
    pauseCochee_ = coche;
    Action("PauseChrono")->setChecked(coche);
    PlanifierReprise();
}

bool frmMain::PauseCochee() const {
    return pauseCochee_;
}

void frmMain::DonnerFocusCoupN() {
    coupN_->setFocus(Qt::OtherFocusReason);
}

void frmMain::MontrerDevant(QWidget &fenetre) {
    fenetre.setWindowState(fenetre.windowState() & ~Qt::WindowMinimized);
    fenetre.show();
    fenetre.raise();
    fenetre.activateWindow();
}

Reponse frmMain::BoiteMessage(const Message &m) {
    // Nothing more to say once the player has chosen to quit in the middle of a search.
    if (fermetureDemandee_) return m.boutons == Boutons::Ok ? Reponse::Ok : Reponse::Non;
    return dialogues_.BoiteMessage(this, m);
}

std::string frmMain::BoiteSaisie(const std::string &invite, const std::string &titre,
                                 const std::string &defaut, int xTwips, int yTwips,
                                 const std::string &pourLecteur) {
    return dialogues_.BoiteSaisie(this, invite, titre, defaut, xTwips / 15, yTwips / 15, pourLecteur);
}

void frmMain::AfficherMeilleursTemps() {
    frmScore scores(*jeu_, this);
    scores.exec();
}

void frmMain::AppliquerTheme(const Theme &t) {
    zone_->DefinirCouleurFond(CouleurQt(t.fenetre));
    for (QLabel *l : libelles_) {
        QPalette p = l->palette();
        p.setColor(QPalette::Window, CouleurQt(t.fondLibelle));
        p.setColor(QPalette::WindowText, CouleurQt(t.texteLibelle));
        l->setPalette(p);
    }
    for (QWidget *b : boutons_)
        ColorerBouton(b, t.faceBouton, t.texteBouton);
}

bool frmMain::TraiterEvenements() {
    // A search that lasts shows that the game is busy; Escape stops it (see eventFilter).
    if (!curseurAttente_ && dureeRecherche_.isValid() && dureeRecherche_.elapsed() > 1000) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        curseurAttente_ = true;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return interruptionDemandee_ || fermetureDemandee_;
}

void frmMain::LancerSolution() {
    if (jeu_->RechercheEnCours) return;
    interruptionDemandee_ = false;
    dureeRecherche_.start();
    jeu_->CommandeSolution();
    dureeRecherche_.invalidate();
    if (curseurAttente_) {
        QApplication::restoreOverrideCursor();
        curseurAttente_ = false;
    }
    // The player closed the window during the search, or a stop signal came: finish now that it
    // has stopped.
    if (finConservee_)
        TerminerEnGardant();
    else if (fermetureDemandee_)
        Fermer();
}

Couleur frmMain::CouleurFondSysteme() const {
    // The board is white as on a light desktop, never the ground of a dark scheme's fields.
    const QColor c = PaletteClaire().color(QPalette::Base);
    return RGB(c.red(), c.green(), c.blue());
}

// ---------------------------------------------------------------- events

int frmMain::CodeTouche(const QKeyEvent &e, bool lecteur) {
    const int k = e.key();
    if ((e.modifiers() & Qt::KeypadModifier) && k >= Qt::Key_1 && k <= Qt::Key_9)
        return TouchePave1 + (k - Qt::Key_1);
    if (lecteur && !(e.modifiers() & Qt::KeypadModifier)) {
        // A screen reader keeps the keypad for itself: the digits of the main keyboard stand in for
        // it, with Ctrl for the pencil marks. They are told by the key itself, whatever the layout
        // makes it type (on a French keyboard, "&" without Shift is the key of 1).
        int d = k >= Qt::Key_1 && k <= Qt::Key_9 ? k - Qt::Key_0 : 0;
        const quint32 natif = e.nativeScanCode();
        if (!d && natif >= CodeNatifChiffre1 && natif < CodeNatifChiffre1 + 9 && ClavierNatifX())
            d = int(natif - CodeNatifChiffre1) + 1;
        if (d) return ((e.modifiers() & Qt::ControlModifier) ? ToucheCrayon1 : TouchePave1) + (d - 1);
    }
    switch (k) {
    case Qt::Key_Left:
        return ToucheGauche;
    case Qt::Key_Up:
        return ToucheHaut;
    case Qt::Key_Right:
        return ToucheDroite;
    case Qt::Key_Down:
        return ToucheBas;
    case Qt::Key_Space:
        return ToucheEspace;
    case Qt::Key_Delete:
        return ToucheSuppr;
    default:
        return 0;
    }
}

bool frmMain::eventFilter(QObject *objet, QEvent *e) {
    if (e->type() == QEvent::KeyPress && jeu_->RechercheEnCours &&
        static_cast<QKeyEvent *>(e)->key() == Qt::Key_Escape) {
        interruptionDemandee_ = true;
        return true;
    }
    // Keys reach the board only through its focus holder: a key typed in the menu bar or an open
    // menu, or to a button that has the focus, is theirs alone.
    if (e->type() == QEvent::KeyPress && objet == coupN_ && coupN_->hasFocus() &&
        !QApplication::activePopupWidget()) {
        auto *k = static_cast<QKeyEvent *>(e);
        const int code = CodeTouche(*k, QAccessible::isActive());
        const bool crayon = code >= ToucheCrayon1 && code <= ToucheCrayon9;
        const bool modificateur = k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if ((crayon || !modificateur) && k->key() != Qt::Key_Tab && k->key() != Qt::Key_Backtab) {
            jeu_->Form_KeyDown(code);
            // The holder's own text and cursor are never read: kept out of it, the key is not
            // told to a screen reader either, as text of a board that has none.
            return true;
        }
    }
    return QMainWindow::eventFilter(objet, e);
}

void frmMain::closeEvent(QCloseEvent *e) {
    // Answered already, or nobody to ask: a stop signal or the end of the session.
    if (fermetureConfirmee_ || finConservee_) {
        // A search holds half-filled grids: it stops first, and the end comes once it has.
        if (finConservee_ && jeu_->RechercheEnCours) {
            fermetureDemandee_ = true;
            e->ignore();
            return;
        }
        ConclureReprise();
        e->accept();
        return;
    }
    Message m{"Voulez-vous vraiment quitter ?", Boutons::OuiNon, Icone::Question, TitreProgramme};
    if (BoiteMessage(m) != Reponse::Oui) {
        e->ignore();
        return;
    }
    if (jeu_->RechercheEnCours) {
        // Stop the search first; the window closes as soon as it has returned.
        fermetureDemandee_ = true;
        e->ignore();
        return;
    }
    fermetureConfirmee_ = true;
    ConclureReprise();
    e->accept();
    // Every other window of the game closes with the main one.
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible()) w->close();
}

void frmMain::changeEvent(QEvent *e) {
    if (e->type() == QEvent::WindowStateChange) jeu_->Form_Resize(isMinimized());
    QMainWindow::changeEvent(e);
}

} // namespace lumio
