// The best-times window and the clearing of the records.
#include "fenetres/frmScore.h"

#include "Annonces.h"
#include "Jeu.h"
#include "apparence/Boutons.h"
#include "apparence/FormulaireTwips.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace lumio {

namespace {

QPixmap Coupe(qreal ratio) {
    QPixmap pm(QSize(48, 48) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient or_(0, 0, 48, 0);
    or_.setColorAt(0, QColor(201, 150, 30));
    or_.setColorAt(0.45, QColor(255, 223, 110));
    or_.setColorAt(1, QColor(190, 135, 20));
    QPainterPath coupe;
    coupe.moveTo(12, 6);
    coupe.lineTo(36, 6);
    coupe.cubicTo(36, 22, 30, 28, 24, 29);
    coupe.cubicTo(18, 28, 12, 22, 12, 6);
    p.setPen(QPen(QColor(140, 95, 10), 1.2));
    p.setBrush(or_);
    p.drawPath(coupe);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(190, 135, 20), 2.5));
    p.drawArc(QRectF(5, 8, 11, 12), 90 * 16, 180 * 16);
    p.drawArc(QRectF(32, 8, 11, 12), -90 * 16, 180 * 16);
    p.setPen(QPen(QColor(140, 95, 10), 1.2));
    p.setBrush(or_);
    p.drawRect(QRectF(21.5, 29, 5, 7));
    p.drawRoundedRect(QRectF(15, 36, 18, 6), 1.5, 1.5);
    return pm;
}

} // namespace

frmScore::frmScore(Jeu &jeu, QWidget *parent) : QDialog(parent), jeu_(jeu) {
    setObjectName("frmScore");
    setWindowTitle(QStringLiteral("Meilleurs temps"));
    setFixedSize(360, 218);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    PeindreFondFormulaire(this);

    QFont police = PoliceFormulaire(14);
    QFont titres = police;
    titres.setBold(true);
    auto libelle = [&](const char *nom, const QString &texte, int x, int y, int l, const QFont &f, QColor c) {
        auto *lb = new QLabel(texte, this);
        lb->setObjectName(nom);
        lb->setGeometry(x, y, l, 22);
        lb->setFont(f);
        QPalette p = lb->palette();
        p.setColor(QPalette::WindowText, c);
        lb->setPalette(p);
        return lb;
    };
    const QColor bleu(0, 0, 192), vert(0, 64, 0);
    libelle("Label4", "Niveau", 24, 16, 90, titres, bleu);
    libelle("Label5", "Temps", 120, 16, 80, titres, bleu);
    libelle("Label6", "Nom", 206, 16, 120, titres, bleu);
    const char *lignes[] = {"Lab", "Label1", "Label2", "Label3"};
    for (int n = 1; n <= 4; ++n) {
        const int y = 16 + 30 * n;
        libelle(lignes[n - 1], QString::fromStdString(NomNiveau(n) + " :"), 24, y, 90, police, vert);
        temps_[std::size_t(n - 1)] =
            libelle(qPrintable(QString("Lb2_%1").arg(n)), "0:00", 120, y, 80, police, Qt::black);
        noms_[std::size_t(n - 1)] =
            libelle(qPrintable(QString("LbNom_%1").arg(n)), "Ordinateur", 206, y, 100, police, Qt::black);
    }
    auto *image = new QLabel(this);
    image->setObjectName("Image1");
    image->setGeometry(304, 70, 48, 48);
    image->setPixmap(Coupe(devicePixelRatioF()));
    image->setAccessibleName(QStringLiteral("Coupe"));

    CreerBouton(this, "TovCommand1", QStringLiteral("Effacer les scores"), QRect(24, 176, 105, 25),
                [this] { EffacerScores(); });
    CreerBouton(this, "TovCommand2", QStringLiteral("Fermer"), QRect(224, 176, 113, 25), [this] { close(); });
    RafraichirScores();
}

void frmScore::DefinirTemps(int n, const QString &texte) {
    Lb2(n)->setText(texte == QStringLiteral("99:59") ? QStringLiteral("-") : texte);
}

void frmScore::RafraichirScores() {
    // Another window of the game may have set a record since this one last read the store.
    jeu_.reglages.Relire();
    MeilleursTemps records;
    for (int n = 1; n <= 4; ++n) {
        auto &[temps, nom] = records[std::size_t(n - 1)];
        temps = jeu_.LireMeilleurTemps(n);
        nom = jeu_.reglages.Lire(ReglageNomRecord(n));
        DefinirTemps(n, QString::fromStdString(FormaterTemps(temps)));
        LbNom(n)->setText(QString::fromStdString(nom));
    }
    // Each label alone is too short for a screen reader to read it on opening.
    setAccessibleDescription(QString::fromStdString(PhraseMeilleursTemps(records)));
}

void frmScore::EffacerScores() {
    const Message question{"Etes vous sûr de vouloir effacer les scores ?", Boutons::OuiNon, Icone::Aucune,
                           TitreDefaut};
    if (jeu_.fenetre.BoiteMessage(question) == Reponse::Oui) {
        const VerrouReglages verrou(jeu_.reglages);
        for (int n = 1; n <= 4; ++n) {
            jeu_.reglages.Ecrire(ReglageTempsRecord(n), TempsSansRecord);
            jeu_.reglages.Ecrire(ReglageNomRecord(n), ReglageNomRecord(n).defaut);
        }
        jeu_.reglages.Confirmer();
    }
    RafraichirScores();
}

} // namespace lumio
