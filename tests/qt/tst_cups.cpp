// A grid printed through a real CUPS queue (cups-pdf, on a scheduler of the test's own) has the
// lines of the game's own PDF: the page's pixel is one of a 600 dpi page on every printer, where
// Qt draws for a printer at 1200 dpi.
#include "BancFenetre.h"
#include "plateforme/SurfaceImprimante.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <QtTest>
#include <unistd.h>

using namespace lumio;
using namespace lumio::test;

namespace {

const QString Ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
// The queue at `resolution`, named for this run.
QString File(int resolution) {
    return QStringLiteral("lumio-essai-%1-%2").arg(resolution).arg(QCoreApplication::applicationPid());
}

// A scheduler of the test's own, on a socket in a scratch folder, with one cups-pdf queue; it
// needs root (cups-pdf runs as root), the scheduler, the backend and its printer description.
class Ordonnanceur {
  public:
    QString raison; // why there is none
    QString socket;

    Ordonnanceur() {
        if (::geteuid() != 0)
            raison = "cups-pdf needs root";
        else if (!QFileInfo::exists("/usr/sbin/cupsd") ||
                 !QFileInfo::exists("/usr/lib/cups/backend/cups-pdf") || !QFileInfo::exists(Ppd) ||
                 QStandardPaths::findExecutable("lpadmin").isEmpty())
            raison = "cups or printer-driver-cups-pdf missing";
        if (!raison.isEmpty()) return;
        const QString d = dossier_.path();
        socket = d + "/cups.sock";
        for (const char *s : {"spool", "spool/tmp", "cache", "state", "log"})
            QDir(d).mkpath(s);
        // The scheduler's own rights on its spool, as it checks them.
        QFile::setPermissions(d, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                     QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        Ecrire(d + "/cupsd.conf",
               QStringLiteral("Listen %1\nLogLevel warn\nBrowsing Off\nDefaultAuthType None\n"
                              "<Location />\nOrder allow,deny\nAllow all\n</Location>\n")
                   .arg(socket));
        Ecrire(d + "/cups-files.conf",
               QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                              "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                              "PageLog %1/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                              "SystemGroup root\n")
                   .arg(d));
        cupsd_.start("/usr/sbin/cupsd", {"-f", "-c", d + "/cupsd.conf", "-s", d + "/cups-files.conf"});
        QElapsedTimer t;
        t.start();
        while (!QFileInfo::exists(socket) && t.elapsed() < 10000)
            QThread::msleep(50);
        if (!QFileInfo::exists(socket)) raison = "the scheduler did not start: " + cupsd_.readAll();
    }
    ~Ordonnanceur() {
        cupsd_.terminate();
        cupsd_.waitForFinished(5000);
    }
    // A queue at `resolution` dots per inch; the error, or an empty text.
    QString Preparer(int resolution) {
        QProcess lpadmin;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("CUPS_SERVER", socket);
        lpadmin.setProcessEnvironment(env);
        lpadmin.start("lpadmin", {"-p", File(resolution), "-E", "-v", "cups-pdf:/", "-P", Ppd, "-o",
                                  QStringLiteral("Resolution=%1dpi").arg(resolution)});
        lpadmin.waitForFinished(20000);
        return lpadmin.exitCode() == 0 ? QString() : QString::fromUtf8(lpadmin.readAllStandardError());
    }

  private:
    static void Ecrire(const QString &chemin, const QString &texte) {
        QFile f(chemin);
        if (f.open(QIODevice::WriteOnly)) f.write(texte.toUtf8());
    }
    QTemporaryDir dossier_;
    QProcess cupsd_;
};

Ordonnanceur *ordonnanceur = nullptr;

// The widths, in millimetres, of the lines a vertical through the grid's first column crosses
// on page 1 (20 mm + 3 mm from the sheet's left edge), read at 1200 dpi.
QList<double> Traits(const QString &pdf) {
    const int dpi = 1200;
    const double mm = dpi / 25.4;
    QTemporaryDir d;
    QProcess p;
    p.start("pdftoppm", {"-r", QString::number(dpi), "-gray", "-f", "1", "-l", "1", "-x",
                         QString::number(qRound(23 * mm)), "-W", "1", "-y", "0", "-H",
                         QString::number(qRound(150 * mm)), "-png", pdf, d.filePath("p")});
    p.waitForFinished(60000);
    const QImage bande(d.filePath("p-1.png"));
    QList<double> traits;
    int n = 0;
    for (int y = 0; y <= bande.height(); ++y) {
        if (y < bande.height() && qGray(bande.pixel(0, y)) < 128) {
            ++n;
        } else if (n) {
            traits << n / mm;
            n = 0;
        }
    }
    return traits;
}

} // namespace

class TestCups : public QObject {
    Q_OBJECT
  private slots:
    void lesTraitsDuPapierSontCeuxDuPdf();
};

void TestCups::lesTraitsDuPapierSontCeuxDuPdf() {
    // Qt draws a page for any CUPS printer at 1200 dpi, then the printer makes its own dots.
    const int resolution = 1200;
    if (!ordonnanceur->raison.isEmpty()) QSKIP(qPrintable(ordonnanceur->raison));
    const QString erreur = ordonnanceur->Preparer(resolution);
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));

    BancFenetre b;
    const QString pdf = b.dossier.filePath("grille.pdf");
    // cups-pdf writes the job into the PDF folder of the user who sent it.
    QDir sortie(QDir::homePath() + "/PDF");
    // The printer first, at its own resolution; then the same grid into the game's PDF.
    b.dialogues.reponsesImprimante = {{1, DialoguesScriptes::FileAttente + File(resolution)}, {1, pdf}};
    b.jeu().ImprimerGrilleCourante();
    QCOMPARE(b.fenetre->Imprimante()->printerName(), File(resolution));
    QCOMPARE(b.fenetre->Imprimante()->resolution(), resolution);
    b.jeu().ImprimerGrilleCourante();
    QCOMPARE(b.fenetre->Imprimante()->resolution(), SurfaceImprimante::ResolutionPdf);
    // The job bears its queue's name.
    QStringList trouves;
    QElapsedTimer t;
    t.start();
    while ((trouves = sortie.entryList({File(resolution) + "*.pdf"})).isEmpty() && t.elapsed() < 60000)
        QTest::qWait(200);
    QVERIFY2(!trouves.isEmpty(), "cups-pdf wrote nothing");
    const QString papier = sortie.filePath(trouves.first());
    QTest::qWait(500); // written whole
    const QList<double> attendus = Traits(pdf), vus = Traits(papier);
    QFile::remove(papier);
    // Four block lines (0.42 mm) and six cell lines (0.042 mm, a 600 dpi pixel).
    QCOMPARE(attendus.size(), 10);
    QCOMPARE(vus.size(), attendus.size());
    const double point = 25.4 / 1200; // one pixel of the reading
    for (qsizetype i = 0; i < vus.size(); ++i) {
        QVERIFY2(std::abs(vus[i] - attendus[i]) <= point + 1e-9,
                 qPrintable(QStringLiteral("line %1: %2 mm on paper, %3 mm in the PDF")
                                .arg(i)
                                .arg(vus[i])
                                .arg(attendus[i])));
    }
}

int main(int argc, char **argv) {
    // The test's own scheduler, before Qt's printing support asks the system for its printers.
    Ordonnanceur o;
    ordonnanceur = &o;
    if (o.raison.isEmpty()) qputenv("CUPS_SERVER", o.socket.toLocal8Bit());
    QApplication app(argc, argv);
    TestCups test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cups.moc"
