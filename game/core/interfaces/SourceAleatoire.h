// The program's one source of uniform random numbers in [0, 1).
#pragma once

namespace lumio {

class SourceAleatoire {
  public:
    virtual ~SourceAleatoire() = default;
    virtual double Tirer() = 0; // uniform in [0, 1)
};

} // namespace lumio
