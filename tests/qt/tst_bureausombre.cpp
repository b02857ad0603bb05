// Under a dark desktop colour scheme, GNOME's or KDE's, every window of the game looks exactly as it
// does under a light one.
#include "BancFenetre.h"
#include "apparence/PaletteClaire.h"
#include "fenetres/DialogImpression.h"
#include "fenetres/DialogImpressionMult.h"
#include "fenetres/Options1.h"
#include "fenetres/frmAide.h"

#include <QDir>
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
    auto garder = [&](const char *nom, QWidget *w) { w->grab().save(dossier + "/" + nom + ".png"); };
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

struct Bureau {
    QString nom;
    std::map<QString, QString> env; // added to the environment of both runs
    std::map<QString, QString> clair, sombre;
};

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

class tst_BureauSombre : public QObject {
    Q_OBJECT
  private slots:
    void chaqueFenetreEstCelleDUnBureauClair_data();
    void chaqueFenetreEstCelleDUnBureauClair();
};

void tst_BureauSombre::chaqueFenetreEstCelleDUnBureauClair_data() {
    QTest::addColumn<QString>("bureau");
    QTest::newRow("GNOME, Adwaita sombre") << "gnome";
    QTest::newRow("KDE, couleurs sombres") << "kde";
}

// Each row runs this program twice, under the light and the dark variant of one desktop, and
// compares what each window showed.
void tst_BureauSombre::chaqueFenetreEstCelleDUnBureauClair() {
    QFETCH(QString, bureau);
    if (QGuiApplication::platformName() != "xcb")
        QSKIP("a desktop's colour scheme only reaches the game through a real display");
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());

    auto lancer = [&](const QString &variante) -> QString {
        const QString sortie = dossier.filePath(variante);
        QDir().mkpath(sortie);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *v : {"QT_QPA_PLATFORMTHEME", "GTK_THEME", "XDG_CURRENT_DESKTOP",
                              "KDE_SESSION_VERSION", "KDE_FULL_SESSION", "QT_STYLE_OVERRIDE"})
            env.remove(v);
        env.insert("LUMIO_CAPTURES", sortie);
        env.insert("HOME", dossier.path());
        env.insert("XDG_RUNTIME_DIR", dossier.path());
        const bool sombre = variante == "sombre";
        if (bureau == "gnome") {
            env.insert("QT_QPA_PLATFORMTHEME", "gtk3");
            env.insert("GTK_THEME", sombre ? "Adwaita:dark" : "Adwaita");
        } else {
            const QString config = dossier.filePath("config-" + variante);
            QDir().mkpath(config);
            QFile couleurs(config + "/kdeglobals");
            if (!couleurs.open(QIODevice::WriteOnly)) return {};
            couleurs.write(sombre ? CouleursKde("49,54,59", "35,38,41", "239,240,241")
                                  : CouleursKde("239,240,241", "252,252,252", "35,38,41"));
            couleurs.close();
            env.insert("XDG_CONFIG_HOME", config);
            env.insert("XDG_CURRENT_DESKTOP", "KDE");
            env.insert("KDE_SESSION_VERSION", "5");
            env.insert("KDE_FULL_SESSION", "true");
        }
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QCoreApplication::applicationFilePath(), {});
        if (!p.waitForFinished(120000) || p.exitCode() != 0) return {};
        return sortie;
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

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QString captures = qEnvironmentVariable("LUMIO_CAPTURES");
    if (!captures.isEmpty()) return Capturer(captures);
    tst_BureauSombre test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_bureausombre.moc"
