// The real random source: a Mersenne twister seeded once from the time of day, or from a seed.
#pragma once

#include "interfaces/SourceAleatoire.h"

#include <cstdint>
#include <random>

namespace lumio {

// The real source: a Mersenne twister seeded once from the time of day.
class SourceHorloge : public SourceAleatoire {
  public:
    SourceHorloge();
    explicit SourceHorloge(std::uint64_t graine) : moteur_(graine) {}
    double Tirer() override;

    // The one process-wide source.
    static SourceHorloge &Processus();

  private:
    std::mt19937_64 moteur_;
};

} // namespace lumio
