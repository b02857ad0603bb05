// A pipe between the signal handlers and the event loop.
#include "plateforme/ArretParSignal.h"
#include "plateforme/EcritureSure.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace lumio {

namespace {

int tube[2] = {-1, -1};
volatile std::sig_atomic_t enAttente = 0;

void Noter(int signal) {
    if (enAttente) {
        FinirParSignal(signal);
        return;
    }
    enAttente = 1;
    const int erreur = errno;
    const char octet = char(signal);
    [[maybe_unused]] const ssize_t n = ::write(tube[1], &octet, 1);
    errno = erreur;
}

} // namespace

bool ArretParSignal::Intercepter() {
    if (tube[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, tube) != 0)
        return false;
    return InstallerArret(Noter);
}

ArretParSignal::ArretParSignal(QObject *parent) : QObject(parent) {
    if (tube[0] < 0) return;
    notificateur_ = new QSocketNotifier(tube[0], QSocketNotifier::Read, this);
    connect(notificateur_, &QSocketNotifier::activated, this, [this] {
        char octet = 0;
        if (::read(tube[0], &octet, 1) == 1) emit Arret(int(octet));
    });
}

} // namespace lumio
