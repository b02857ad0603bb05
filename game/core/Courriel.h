// The mail link to the author: the "mailto:" text the mail program is handed.
#pragma once

#include <string>

namespace lumio {

// "mailto:" + address, then the non-blank parts among CC, BCC, Subject and Body, in that order,
// as "?CC=…&BCC=…&Subject=…&Body=…". A part made only of blanks is left out; the others go in
// exactly as given, neither trimmed nor encoded. SendMail (game/qt) opens this link.
std::string LienSendMail(const std::string &strAddress, const std::string &strCC_V = "",
                         const std::string &strBCC_V = "", const std::string &strSubject_V = "",
                         const std::string &strBodyText_V = "");

// The subject of the mail composed from the menu and the about window.
inline const char *const SujetMail = "Sudoku-Lumio";

} // namespace lumio
