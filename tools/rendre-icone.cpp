// Renders the application icon's SVG into the PNG sizes of the freedesktop icon theme.
#include "plateforme/ImageIcone.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

// rendre-icone ICONE.svg DOSSIER NOM TAILLE... writes DOSSIER/NxN/apps/NOM.png for each size.
int main(int argc, char *argv[]) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: rendre-icone ICONE.svg DOSSIER NOM TAILLE...\n");
        return 2;
    }
    // Rendering needs no screen; the build machine may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "rendre-icone: %s is not a valid SVG\n", argv[1]);
        return 1;
    }
    for (int i = 4; i < argc; ++i) {
        const int n = QByteArray(argv[i]).toInt();
        const QImage image = lumio::ImageIcone(svg, n);
        const QString dossier = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(n);
        const QString fichier = dossier + "/" + QString::fromLocal8Bit(argv[3]) + ".png";
        if (!QDir().mkpath(dossier) || !image.save(fichier, "PNG")) {
            std::fprintf(stderr, "rendre-icone: cannot write %s\n", qPrintable(fichier));
            return 1;
        }
    }
    return 0;
}
