// Where the program's data files are found.
#include "plateforme/Ressources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// The build defines LUMIO_DONNEES_DEPUIS_BIN, the data folder of the install seen from the
// program's folder, and LUMIO_DOSSIER_DONNEES, the same folder in full (game/CMakeLists.txt).

namespace lumio {

QStringList DossiersRessources() {
    const QDir programme(QCoreApplication::applicationDirPath());
    QStringList dossiers{programme.absolutePath(),
                         QDir::cleanPath(programme.filePath(QStringLiteral(LUMIO_DONNEES_DEPUIS_BIN)))};
    const QString configure = QDir::cleanPath(QStringLiteral(LUMIO_DOSSIER_DONNEES));
    if (!configure.isEmpty() && configure != QStringLiteral(".") && !dossiers.contains(configure))
        dossiers << configure;
    return dossiers;
}

QString CheminRessource(const QString &relatif) {
    const QStringList dossiers = DossiersRessources();
    for (const QString &d : dossiers) {
        const QString chemin = QDir(d).filePath(relatif);
        if (QFileInfo::exists(chemin)) return chemin;
    }
    return QDir(dossiers.first()).filePath(relatif);
}

} // namespace lumio
