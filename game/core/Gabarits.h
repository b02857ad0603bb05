// Where one digit can still go once it must fill every row, column and block of the grid at once.
#pragma once

#include <cstdint>

namespace lumio {

// One digit's candidate cells in, band by band (27 bits a band, bit 9 * row + column, all from
// 0); out, the candidates less cells that lie on no full placement of the digit (nine cells, one
// in each row, column and block, all among the candidates): every cell of a placement stays,
// and all are zero when there is none. A band whose every choice of columns fits the other
// bands keeps all its cells, even one that no way of sharing its stacks among its rows can use:
// the line and block rules take those. utiles may be candidates itself.
void CasesDesGabarits(const std::uint32_t candidates[3], std::uint32_t utiles[3]);

} // namespace lumio
