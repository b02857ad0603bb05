// The program's one source of uniform random numbers in [0, 1).
#pragma once

#include <cstdint>
#include <random>

namespace lumio {

class SourceAleatoire {
  public:
    virtual ~SourceAleatoire() = default;
    virtual double Tirer() = 0; // uniform in [0, 1)
};

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
