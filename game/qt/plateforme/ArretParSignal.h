// The stop signals of a running game (SIGTERM, SIGHUP, SIGINT) handled between two events.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace lumio {

// A signal only notes itself; the event loop then tells `Arret`, where the game can be kept whole
// before the program ends. A second signal arriving before the first was handled (a program
// stuck in a long task) ends the program at once, as it would have without the game.
class ArretParSignal : public QObject {
    Q_OBJECT
  public:
    // Catches the signals from now on; what arrives before an ArretParSignal exists waits for it.
    static bool Intercepter();
    explicit ArretParSignal(QObject *parent = nullptr);

  signals:
    void Arret(int signal);

  private:
    QSocketNotifier *notificateur_ = nullptr;
};

} // namespace lumio
