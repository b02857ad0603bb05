// The message handler that keeps Qt's own chatter out of the terminal.
#include "plateforme/Terminal.h"

#include <QtGlobal>

namespace lumio {

namespace {

QtMessageHandler precedent = nullptr;

void Filtrer(QtMsgType type, const QMessageLogContext &contexte, const QString &texte) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    if (precedent) precedent(type, contexte, texte);
}

} // namespace

void TairMessagesQt() {
    if (qEnvironmentVariableIsSet("LUMIO_MESSAGES_QT")) return;
    precedent = qInstallMessageHandler(Filtrer);
}

} // namespace lumio
