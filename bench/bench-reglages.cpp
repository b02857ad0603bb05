// How long the store takes with a very large settings file: what the options' "OK" writes (eight
// keys, one write of the file) and what a record does (read afresh under the lock, write). A
// program run by hand, never a test.
#include "plateforme/MagasinQSettings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

using namespace lumio;

namespace {

// A file of about `megaoctets` MB, either one long value or many small keys.
void Fabriquer(const QString &chemin, int megaoctets, bool cles) {
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) std::exit(1);
    f.write("[K-Ruon]\nCP=1\nNJ=Pilou\n");
    if (cles) {
        f.write("[Autre]\n");
        const qint64 taille = qint64(megaoctets) << 20;
        for (qint64 n = 0; f.size() < taille; ++n)
            f.write("cle" + QByteArray::number(n) + "=valeur de la clé\n");
    } else {
        f.write("[Autre]\nlong=" + QByteArray(qsizetype(megaoctets) << 20, 'x') + "\n");
    }
}

double Ms(QElapsedTimer &t) {
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const int megaoctets = argc > 1 ? std::atoi(argv[1]) : 50;
    for (bool cles : {false, true}) {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("Darvel.ini");
        Fabriquer(chemin, megaoctets, cles);
        QElapsedTimer t;
        t.start();
        MagasinQSettings m(chemin);
        m.Lire("CP", "1");
        const double ouverture = Ms(t);
        t.restart();
        for (const char *cle : {"JMD", "CP", "TMD", "NJ", "JLS", "VF", "CDE", "CC"})
            m.Ecrire(cle, "2");
        m.Confirmer();
        const double ok = Ms(t);
        t.restart();
        m.Verrouiller();
        m.Relire();
        m.Lire("1Tp", "5999");
        m.Ecrire("NJ", "Zoé");
        m.Ecrire("1Tp", "120");
        m.Ecrire("1NJT", "Zoé");
        m.Confirmer();
        m.Deverrouiller();
        const double record = Ms(t);
        std::printf("%d Mo, %s : ouverture %.0f ms, OK des options %.0f ms, record %.0f ms\n", megaoctets,
                    cles ? "beaucoup de clés" : "une longue valeur", ouverture, ok, record);
    }
    return 0;
}
