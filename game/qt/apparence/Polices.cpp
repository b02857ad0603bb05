// Font substitutions for the faces the game was drawn with.
#include "apparence/Polices.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace lumio {

void InstallerSubstitutionsPolices() {
    const QStringList familles = QFontDatabase::families();
    if (!familles.contains(QStringLiteral("Comic Sans MS"), Qt::CaseInsensitive))
        QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue"), QStringLiteral("Comic Sans")});
    if (!familles.contains(QStringLiteral("Arial"), Qt::CaseInsensitive))
        QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

} // namespace lumio
