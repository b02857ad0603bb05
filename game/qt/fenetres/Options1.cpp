// The options dialog: its three columns, loading from the settings store, and its four buttons.
#include "fenetres/Options1.h"

#include "Jeu.h"
#include "apparence/Boutons.h"
#include "apparence/Pictogrammes.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace lumio {

namespace {

constexpr int HauteurClient = 280;
constexpr int Espace = 6; // between a check box and its text

const char *const TexteModeJeu =
    "L'ordinateur propose une grille correspondant au niveau choisi (de facile à "
    "expert). Le joueur tente de résoudre cette grille.";
const char *const TexteModeCreation = "L'ordinateur calcule la solution d'une grille soumise par le joueur.";

// A check box whose caption wraps onto as many lines as its width needs; the box sits beside
// the first line and the whole surface takes the click.
class CaseMultiligne : public QCheckBox {
  public:
    CaseMultiligne(const QString &texte, QWidget *parent) : QCheckBox(texte, parent) {}

  protected:
    void paintEvent(QPaintEvent *) override {
        QStylePainter p(this);
        QStyleOptionButton opt;
        initStyleOption(&opt);
        const int l = style()->pixelMetric(QStyle::PM_IndicatorWidth, &opt, this);
        const int h = style()->pixelMetric(QStyle::PM_IndicatorHeight, &opt, this);
        const QRect zone = rect().adjusted(l + Espace, 0, 0, 0);
        const int drapeaux = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
        const QRect texte = fontMetrics().boundingRect(zone, drapeaux, text());
        QStyleOptionButton indicateur = opt;
        indicateur.rect = QRect(0, texte.top() + (fontMetrics().height() - h) / 2, l, h);
        p.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicateur);
        p.setFont(font());
        style()->drawItemText(&p, zone, drapeaux, palette(), isEnabled(), text(), QPalette::WindowText);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = texte.adjusted(-2, 0, 2, 0);
            p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

// A little picture of a theme: its window colour around one of its buttons.
QIcon Apercu(const Theme &t) {
    QIcon icone;
    for (qreal ratio : {1.0, 2.0, 3.0}) {
        QPixmap pm(QSize(26, 14) * ratio);
        pm.setDevicePixelRatio(ratio);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(110, 110, 110), 1));
        p.setBrush(QColor(t.fenetre.r, t.fenetre.g, t.fenetre.b));
        p.drawRoundedRect(QRectF(0.5, 0.5, 25, 13), 2.5, 2.5);
        p.setPen(QPen(QColor(t.texteBouton.r, t.texteBouton.g, t.texteBouton.b), 1));
        p.setBrush(QColor(t.faceBouton.r, t.faceBouton.g, t.faceBouton.b));
        p.drawRoundedRect(QRectF(11.5, 3.5, 11, 7), 2, 2);
        p.end();
        icone.addPixmap(pm);
    }
    return icone;
}

// The options inside a group keep black captions under its blue title, and grey out when
// disabled.
QPalette TexteNoir(QPalette p) {
    for (auto groupe : {QPalette::Active, QPalette::Inactive})
        p.setColor(groupe, QPalette::WindowText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::WindowText,
               QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
    return p;
}

template <class W> W *Placer(W *w, const char *nom, const QRect &place) {
    w->setObjectName(nom);
    w->setGeometry(place);
    return w;
}

QGroupBox *Groupe(const char *nom, const QString &titre, const QRect &place, QWidget *parent) {
    auto *g = Placer(new QGroupBox(titre, parent), nom, place);
    QPalette p = g->palette();
    for (auto groupe : {QPalette::Active, QPalette::Inactive})
        p.setColor(groupe, QPalette::WindowText, BleuFormulaire);
    g->setPalette(p);
    return g;
}

// The buttons of one group, stacked or side by side, named `nom` with their index kept.
template <std::size_t N>
void Options(std::array<QRadioButton *, N> &boutons, const char *nom, const QStringList &textes, int premier,
             QGroupBox *groupe, bool empiles) {
    const QPalette p = TexteNoir(groupe->palette());
    for (std::size_t k = 0; k < N; ++k) {
        auto *b = new QRadioButton(textes.at(qsizetype(k)), groupe);
        b->setObjectName(nom);
        b->setProperty("Index", premier + int(k));
        b->setPalette(p);
        const int i = int(k);
        b->setGeometry(empiles ? QRect(12, 22 + 22 * i, groupe->width() - 20, 22)
                               : QRect(12 + 90 * i, 20, 86, 22));
        boutons[k] = b;
    }
}

} // namespace

Options1::Options1(Jeu &jeu, QWidget *principale) : QDialog(principale), jeu_(jeu) {
    setObjectName("Options1");
    setWindowTitle(QStringLiteral("Parametres du jeu"));
    // A fixed size has nothing to maximise; a modeless dialog may be minimised.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(DessinerPictogramme(Pictogramme::Preferences, 32, 2.0)));
    setAttribute(Qt::WA_DeleteOnClose);
    PeindreFondFormulaire(this);
    setFont(PoliceFormulaire(13));

    // Left column: the mode, what it means, the player.
    QGroupBox *frame1 = Groupe("Frame1", QStringLiteral("Mode"), QRect(16, 8, 214, 50), this);
    Options(modes_, "Option2", {QStringLiteral("Jeu"), QStringLiteral("Création")}, 1, frame1, false);
    label5_ = Placer(new QLabel(this), "Label5", QRect(18, 64, 210, 96));
    label5_->setWordWrap(true);
    label5_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *label1 = Placer(new QLabel(QStringLiteral("Joueur"), this), "Label1", QRect(18, 166, 210, 20));
    nomJoueur_ =
        Placer(new QLineEdit(QStringLiteral("Joueur-1"), this), "NomJoueur", QRect(16, 188, 214, 26));
    label1->setBuddy(nomJoueur_);

    // Middle column, from 3720 twips: what a play-mode game checks.
    colonneMilieu_ =
        Placer(new QWidget(this), "ColonneMilieu", QRect(3720 / TwipsParPixel, 0, 186, HauteurClient));
    QGroupBox *frame2 =
        Groupe("Frame2", QStringLiteral("Niveau de difficulté"), QRect(0, 8, 184, 116), colonneMilieu_);
    Options(niveaux_, "Option1",
            {QStringLiteral("Facile"), QStringLiteral("Moyen"), QStringLiteral("Difficile"),
             QStringLiteral("Expert")},
            1, frame2, true);
    veri_ =
        Placer(new CaseMultiligne(QStringLiteral("Faire apparaître  les erreurs en rouge"), colonneMilieu_),
               "Veri", QRect(4, 134, 180, 40));
    check2_ = Placer(
        new CaseMultiligne(QStringLiteral("Contrôler le nombre d'apparition des chiffres"), colonneMilieu_),
        "Check2", QRect(4, 182, 180, 40));

    // Right column, from 6720 twips: the board's colours and the sounds.
    colonneDroite_ =
        Placer(new QWidget(this), "ColonneDroite", QRect(6720 / TwipsParPixel, 0, 188, HauteurClient));
    QGroupBox *frame4 =
        Groupe("Frame4", QStringLiteral("Couleur de fond"), QRect(0, 8, 185, 160), colonneDroite_);
    QStringList themes;
    for (const Theme &t : TableThemes)
        themes << QString::fromUtf8(t.nom);
    Options(couleurs_, "Option4", themes, 0, frame4, true);
    for (std::size_t n = 0; n < TableThemes.size(); ++n) {
        couleurs_[n]->setIcon(Apercu(TableThemes[n]));
        couleurs_[n]->setIconSize(QSize(26, 14));
    }
    QGroupBox *frame3 =
        Groupe("Frame3", QStringLiteral("Effets sonores"), QRect(0, 176, 185, 48), colonneDroite_);
    check1_ = Placer(new QCheckBox(QStringLiteral("Actifs"), frame3), "Check1", QRect(12, 20, 160, 22));
    check1_->setPalette(TexteNoir(frame3->palette()));

    CreerBouton(this, "TovCommand1", QStringLiteral("OK"), Twips(240, 3600, 1095, 375),
                [this] { Valider(); });
    CreerBouton(this, "TovCommand2", QStringLiteral("Annuler"), Twips(1560, 3600, 1095, 375),
                [this] { close(); });
    bascule_ = CreerBouton(this, "TovCommand3", QStringLiteral("<<"), Twips(2880, 3600, 570, 375),
                           [this] { BasculerLargeur(); });
    CreerBouton(colonneDroite_, "TovCommand4", QStringLiteral("Valeurs par défaut"),
                Twips(0, 3600, 2775, 375), [this] { ValeursParDefaut(); });

    for (int i = 1; i <= 4; ++i)
        connect(Option1(i), &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) choix_.ChoixDifficulte = std::to_string(i);
        });
    for (int i = 1; i <= 2; ++i)
        connect(Option2(i), &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option2_Click(i);
        });
    for (int i = 0; i < NombreThemes; ++i)
        connect(Option4(i), &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) choix_.ChoixCouleur = std::to_string(i);
        });
    // The dialog closes by "OK", "Annuler", Escape or its frame, and is gone once closed.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    DefinirLargeur(LargeurComplete);
}

void Options1::Form_Load() {
    // Level with the main window's left edge, halfway down it, and whole on its screen.
    const QRect principale = parentWidget()->frameGeometry();
    QPoint coin(principale.left(), principale.top() + (principale.height() - height()) / 2);
    if (const QScreen *ecran = parentWidget()->screen()) {
        const QRect libre = ecran->availableGeometry();
        coin.setY(std::clamp(coin.y(), libre.top(), std::max(libre.top(), libre.bottom() - height())));
    }
    move(coin);

    choix_ = jeu_.LireOptions();
    // Selecting an option stores its index; a stored value no option shows selects nothing and
    // is kept as it was read.
    if (const int n = OptionNiveau(choix_.ChoixDifficulte)) Option1(n)->setChecked(true);
    if (const int n = OptionMode(choix_.TypeJeu)) Option2(n)->setChecked(true);
    check1_->setChecked(choix_.Sons);
    veri_->setChecked(choix_.Veri);
    check2_->setChecked(choix_.Limiter);
    if (const int n = OptionCouleur(choix_.ChoixCouleur); n >= 0) Option4(n)->setChecked(true);
    nomJoueur_->setText(QString::fromStdString(choix_.NomJoueur));
}

void Options1::Option2_Click(int index) {
    choix_.TypeJeu = std::to_string(index);
    const bool jeu = index == 1;
    label5_->setText(QString::fromUtf8(jeu ? TexteModeJeu : TexteModeCreation));
    // A creation grid has no level and no checking; their values stay and are still saved.
    for (QRadioButton *b : niveaux_)
        b->setEnabled(jeu);
    veri_->setEnabled(jeu);
    check2_->setEnabled(jeu);
}

ChoixOptions Options1::Choix() const {
    ChoixOptions o = choix_;
    o.Sons = check1_->isChecked();
    o.Veri = veri_->isChecked();
    o.Limiter = check2_->isChecked();
    o.NomJoueur = nomJoueur_->text().toStdString();
    return o;
}

void Options1::Valider() {
    // During a search the board is not free: the dialog stays as it is until it is.
    if (!jeu_.ValiderOptions(Choix())) return;
    close();
    jeu_.fenetre.DonnerFocusCoupN();
}

void Options1::DefinirLargeur(int twips) {
    // The two right-hand columns are hidden at the narrow width, so neither Tab nor a screen
    // reader wanders into what cannot be seen.
    const bool complete = twips >= LargeurComplete;
    colonneMilieu_->setVisible(complete);
    colonneDroite_->setVisible(complete);
    setFixedSize(twips / TwipsParPixel, HauteurClient);
}

void Options1::Elargir() {
    DefinirLargeur(LargeurComplete);
    bascule_->setProperty("Caption", QStringLiteral("<<"));
    // Arrows say nothing to a screen reader.
    bascule_->setAccessibleName(QStringLiteral("Moins d'options"));
}

void Options1::BasculerLargeur() {
    if (LargeurTwips() < 5000) {
        Elargir();
    } else {
        DefinirLargeur(LargeurGauche);
        bascule_->setProperty("Caption", QStringLiteral(">>"));
        bascule_->setAccessibleName(QStringLiteral("Plus d'options"));
    }
}

void Options1::ValeursParDefaut() {
    Option2(1)->setChecked(true);
    Option1(1)->setChecked(true);
    Option4(0)->setChecked(true);
    check1_->setChecked(true);
    check2_->setChecked(true);
    veri_->setChecked(false);
}

} // namespace lumio
