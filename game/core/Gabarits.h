// Where one digit can still go once it must fill every row, column and block of the grid at once.
#pragma once

#include <cstdint>

namespace lumio {

// One digit's candidate cells in, band by band (27 bits a band, bit 9 * row + column, all from
// 0); out, those of them that lie on at least one full placement of the digit (nine cells, one
// in each row, column and block, all among the candidates). All zero when there is none.
void CasesDesGabarits(const std::uint32_t candidates[3], std::uint32_t utiles[3]);

} // namespace lumio
