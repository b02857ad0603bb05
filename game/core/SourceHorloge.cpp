// The time-seeded random source shared by the generator, the hints and the batch printer.
#include "SourceHorloge.h"

#include <chrono>

namespace lumio {

SourceHorloge::SourceHorloge()
    : moteur_(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count())) {}

double SourceHorloge::Tirer() {
    // 53 random bits give every double in [0, 1) on the usual grid, never 1.
    return double(moteur_() >> 11) * (1.0 / 9007199254740992.0);
}

SourceHorloge &SourceHorloge::Processus() {
    static SourceHorloge source;
    return source;
}

} // namespace lumio
