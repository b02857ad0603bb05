// At home on GNOME and KDE: under a dark colour scheme every window of the game looks exactly as it
// does under a light one, and a native file dialog shows no access-key marker.
#include "BancFenetre.h"
#include "apparence/PaletteClaire.h"
#include "fenetres/DialogImpression.h"
#include "fenetres/DialogImpressionMult.h"
#include "fenetres/Options1.h"
#include "fenetres/frmAide.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QElapsedTimer>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace lumio;
using namespace lumio::test;

namespace {

// The windows a run shows, by the name of their picture.
const QStringList Fenetres = {"principale", "options", "apropos", "impression",
                              "lot",        "scores",  "message", "aide"};

void Attendre(const std::function<bool()> &pret) {
    QElapsedTimer t;
    t.start();
    while (!pret() && t.elapsed() < 10000)
        QTest::qWait(20);
}

// What one run of this program does when it is asked for pictures: it starts as the game does,
// shows each window and keeps what it shows in `dossier`, with the lightness of the desktop's own
// window colour (before the game chose its colours) in "bureau.txt".
int Capturer(const QString &dossier) {
    QFile bureau(dossier + "/bureau.txt");
    if (!bureau.open(QIODevice::WriteOnly)) return 1;
    bureau.write(QByteArray::number(QGuiApplication::palette().color(QPalette::Window).lightness()));
    bureau.close();

    BancFenetre banc({}, true, {}, true);
    frmMain &f = *banc.fenetre;
    f.tmrSecondes().stop(); // the clock shows 0:00 in every run
    // Each window once it is active, so that the focus it shows is the same in every run.
    auto garder = [&](const char *nom, QWidget *w) {
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w)) qWarning("%s ne devient pas active", nom);
        QTest::qWait(50);
        w->grab().save(dossier + "/" + nom + ".png");
    };
    auto garderModal = [&](const char *nom, const std::function<void()> &ouvrir) {
        QuandModal([&, nom](QWidget *w) { garder(nom, w); });
        ouvrir();
    };

    garder("principale", &f);
    f.AfficherOptions();
    garder("options", f.Options());
    f.Options()->close();
    garderModal("apropos", [&] { f.AfficherAPropos(); });
    f.CommandeImprimer();
    garder("impression", f.dialogImpression());
    f.dialogImpression()->reject();
    f.OuvrirImpressionMult();
    garder("lot", f.dialogImpressionMult());
    f.dialogImpressionMult()->reject();
    garderModal("scores", [&] { f.AfficherMeilleursTemps(); });
    banc.dialogues.vraisMessages = true;
    garderModal("message", [&] {
        f.BoiteMessage(Message{"La grille est vide !", Boutons::OkAnnuler, Icone::Question, TitreDefaut});
    });
    f.AfficherAide();
    auto *aide = f.findChild<frmAide *>();
    if (!aide) return 1;
    auto *sommaire = aide->findChild<QHelpContentWidget *>("Sommaire");
    Attendre(
        [&] { return sommaire && sommaire->model()->rowCount() > 0 && sommaire->currentIndex().isValid(); });
    garder("aide", aide);
    return 0;
}

// The other essai of a run: opens the open and the save dialog of the game and writes, for each,
// whether the desktop's own dialog was shown, the accept label the game gave it, and the text of
// Qt's own accept button when Qt's dialog was shown ("-" otherwise), one line each.
class TemoinFichiers : public QObject {
  public:
    QStringList lignes;

  protected:
    bool eventFilter(QObject *objet, QEvent *e) override {
        auto *boite = qobject_cast<QFileDialog *>(objet);
        if (!boite || e->type() != QEvent::Show) return false;
        // Once the dialog's own handlers have seen its showing.
        QTimer::singleShot(100, boite, [this, boite] {
            const bool natif = boite->testAttribute(Qt::WA_DontShowOnScreen);
            QString bouton = QStringLiteral("-");
            if (auto *boutons = boite->findChild<QDialogButtonBox *>(); boutons && !natif)
                bouton = boutons->button(QDialogButtonBox::Open)
                             ? boutons->button(QDialogButtonBox::Open)->text()
                         : boutons->button(QDialogButtonBox::Save)
                             ? boutons->button(QDialogButtonBox::Save)->text()
                             : QStringLiteral("?");
            lignes
                << QStringLiteral("%1 %2 %3").arg(natif).arg(boite->labelText(QFileDialog::Accept), bouton);
            boite->reject();
        });
        return false;
    }
};

int OuvrirFichiers(const QString &dossier) {
    TemoinFichiers temoin;
    qApp->installEventFilter(&temoin);
    QWidget parent;
    DialoguesQt dialogues;
    for (bool enregistrer : {false, true})
        dialogues.ChoisirFichier(&parent, enregistrer, dossier);
    QFile f(dossier + "/fichiers.txt");
    if (!f.open(QIODevice::WriteOnly)) return 1;
    f.write(temoin.lignes.join('\n').toUtf8());
    return 0;
}

// Runs this program for one essai with `env` added to a clean environment; its folder, or ""
// when it failed.
QString Lancer(const QString &dossier, const QString &essai, const std::map<QString, QString> &env) {
    QDir().mkpath(dossier);
    QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const char *v : {"QT_QPA_PLATFORMTHEME", "GTK_THEME", "XDG_CURRENT_DESKTOP", "KDE_SESSION_VERSION",
                          "KDE_FULL_SESSION", "QT_STYLE_OVERRIDE"})
        e.remove(v);
    e.insert("LUMIO_CAPTURES", dossier);
    e.insert("LUMIO_ESSAI", essai);
    e.insert("HOME", dossier);
    e.insert("XDG_RUNTIME_DIR", dossier);
    for (const auto &[k, v] : env)
        e.insert(k, v);
    QProcess p;
    p.setProcessEnvironment(e);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), {});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return dossier;
}

// A KDE colour file: the ground and text of windows, views, buttons, selection and tips.
QByteArray CouleursKde(const QString &fond, const QString &vue, const QString &texte) {
    QByteArray s;
    for (const char *groupe : {"Window", "Button", "Tooltip"})
        s += QStringLiteral("[Colors:%1]\nBackgroundNormal=%2\nForegroundNormal=%3\n\n")
                 .arg(groupe, fond, texte)
                 .toUtf8();
    s += QStringLiteral("[Colors:View]\nBackgroundNormal=%1\nForegroundNormal=%2\n\n")
             .arg(vue, texte)
             .toUtf8();
    s += QStringLiteral("[Colors:Selection]\nBackgroundNormal=61,174,233\nForegroundNormal=%1\n")
             .arg(texte)
             .toUtf8();
    return s;
}

} // namespace

class tst_Bureaux : public QObject {
    Q_OBJECT
  private slots:
    void chaqueFenetreEstCelleDUnBureauClair_data();
    void chaqueFenetreEstCelleDUnBureauClair();
    void seulLeDialogueDeQtATouchesDAcces_data();
    void seulLeDialogueDeQtATouchesDAcces();
};

void tst_Bureaux::chaqueFenetreEstCelleDUnBureauClair_data() {
    QTest::addColumn<QString>("bureau");
    QTest::newRow("GNOME, Adwaita sombre") << "gnome";
    QTest::newRow("KDE, couleurs sombres") << "kde";
}

// Each row runs this program twice, under the light and the dark variant of one desktop, and
// compares what each window showed.
void tst_Bureaux::chaqueFenetreEstCelleDUnBureauClair() {
    QFETCH(QString, bureau);
    if (QGuiApplication::platformName() != "xcb")
        QSKIP("a desktop's colour scheme only reaches the game through a real display");
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    auto lancer = [&](const QString &variante) {
        const bool sombre = variante == "sombre";
        std::map<QString, QString> env;
        if (bureau == "gnome") {
            env = {{"QT_QPA_PLATFORMTHEME", "gtk3"}, {"GTK_THEME", sombre ? "Adwaita:dark" : "Adwaita"}};
        } else {
            const QString config = dossier.filePath("config-" + variante);
            QDir().mkpath(config);
            QFile couleurs(config + "/kdeglobals");
            if (!couleurs.open(QIODevice::WriteOnly)) return QString();
            couleurs.write(sombre ? CouleursKde("49,54,59", "35,38,41", "239,240,241")
                                  : CouleursKde("239,240,241", "252,252,252", "35,38,41"));
            couleurs.close();
            env = {{"XDG_CONFIG_HOME", config},
                   {"XDG_CURRENT_DESKTOP", "KDE"},
                   {"KDE_SESSION_VERSION", "5"},
                   {"KDE_FULL_SESSION", "true"}};
        }
        return Lancer(dossier.filePath(variante), "fenetres", env);
    };
    const QString clair = lancer("clair"), sombre = lancer("sombre");
    QVERIFY2(!clair.isEmpty() && !sombre.isEmpty(), "a run did not show its windows");

    auto lumiere = [](const QString &d) {
        QFile f(d + "/bureau.txt");
        return f.open(QIODevice::ReadOnly) ? f.readAll().toInt() : -1;
    };
    if (lumiere(sombre) > 100 || lumiere(clair) < 150)
        QSKIP("this desktop's colour schemes do not reach Qt here (is qt6-gtk-platformtheme installed?)");

    for (const QString &nom : Fenetres) {
        const QImage a(clair + "/" + nom + ".png"), b(sombre + "/" + nom + ".png");
        QVERIFY2(!a.isNull() && !b.isNull(), qPrintable(nom));
        QCOMPARE(b.size(), a.size());
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    QFAIL(qPrintable(
                        QStringLiteral("%1: (%2, %3) is %4 under the dark scheme, %5 under the light one")
                            .arg(nom)
                            .arg(x)
                            .arg(y)
                            .arg(QColor(b.pixel(x, y)).name(), QColor(a.pixel(x, y)).name())));
    }
}

void tst_Bureaux::seulLeDialogueDeQtATouchesDAcces_data() {
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QStringList>("attendu"); // per dialog: native, label, Qt's button
    QTest::newRow("Qt") << QString() << QStringList{"0 &Ouvrir &Ouvrir", "0 &Enregistrer &Enregistrer"};
    QTest::newRow("GNOME") << "gtk3" << QStringList{"1 Ouvrir -", "1 Enregistrer -"};
}

void tst_Bureaux::seulLeDialogueDeQtATouchesDAcces() {
    QFETCH(QString, theme);
    QFETCH(QStringList, attendu);
    if (QGuiApplication::platformName() != "xcb") QSKIP("a desktop's file dialog needs a real display");
    QTemporaryDir dossier;
    std::map<QString, QString> env;
    if (!theme.isEmpty()) env["QT_QPA_PLATFORMTHEME"] = theme;
    const QString sortie = Lancer(dossier.filePath("fichiers"), "fichiers", env);
    QVERIFY(!sortie.isEmpty());
    QFile f(sortie + "/fichiers.txt");
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList vu = QString::fromUtf8(f.readAll()).split('\n');
    if (!theme.isEmpty() && vu.value(0).startsWith('0'))
        QSKIP("no native file dialog here (is qt6-gtk-platformtheme installed?)");
    QCOMPARE(vu, attendu);
}

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QString dossier = qEnvironmentVariable("LUMIO_CAPTURES");
    if (!dossier.isEmpty())
        return qEnvironmentVariable("LUMIO_ESSAI") == "fichiers" ? OuvrirFichiers(dossier)
                                                                 : Capturer(dossier);
    tst_Bureaux test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_bureaux.moc"
