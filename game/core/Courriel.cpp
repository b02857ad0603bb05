// The mail link to the author.
#include "Courriel.h"

namespace lumio {

namespace {

bool Blanc(const std::string &s) {
    // Blanks as a trim would remove them: spaces and tabs, nothing else.
    return s.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

std::string LienSendMail(const std::string &strAddress, const std::string &strCC_V,
                         const std::string &strBCC_V, const std::string &strSubject_V,
                         const std::string &strBodyText_V) {
    const std::pair<const char *, const std::string *> parties[] = {
        {"&CC=", &strCC_V}, {"&BCC=", &strBCC_V}, {"&Subject=", &strSubject_V}, {"&Body=", &strBodyText_V}};
    std::string parametres;
    for (const auto &[cle, valeur] : parties)
        if (!Blanc(*valeur)) parametres += cle + *valeur;
    if (!parametres.empty()) parametres[0] = '?';
    return "mailto:" + strAddress + parametres;
}

} // namespace lumio
