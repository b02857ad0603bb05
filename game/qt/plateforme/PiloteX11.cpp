// What the game asks of Qt's X11 plugin at start, and only at start.
#include "plateforme/PiloteX11.h"

#include <QByteArray>

namespace lumio {

namespace {

const char *const SansMemoirePartagee = "QT_XCB_NO_MITSHM";
bool posee = false;

} // namespace

void PreparerAffichage() {
    if (qEnvironmentVariableIsSet(SansMemoirePartagee)) return;
    posee = qputenv(SansMemoirePartagee, QByteArrayLiteral("1"));
}

void FinirPreparationAffichage() {
    if (posee) qunsetenv(SansMemoirePartagee);
    posee = false;
}

} // namespace lumio
