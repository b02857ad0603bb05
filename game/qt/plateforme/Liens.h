// The author's web page and the mail to the author, opened with the user's own programs.
#pragma once

#include <QString>
#include <QUrl>
#include <string>

namespace lumio {

// The two addresses the build was configured with: one place for both.
QString AdresseContact();
QString AdressePageWeb();
// "3.3": the program's version.
QString VersionProgramme();

// The link as the platform receives it. A URL cannot carry a blank, an accent, "%" or "#" as
// they are, so those are percent-encoded and everything else is left as it stands: decoded,
// the URL is `lien` character for character, and a link without such characters reaches the
// mail program exactly as written.
QUrl UrlMail(const std::string &lien);

// Composes a mail in the user's mail program; a platform that cannot is not reported.
void SendMail(const std::string &strAddress, const std::string &strCC_V = "",
              const std::string &strBCC_V = "", const std::string &strSubject_V = "",
              const std::string &strBodyText_V = "");
// The mail of the menu entry and of the about window.
void ContacterAuteur();
// The product's page in the default browser.
void OuvrirPageWeb();

// Web and mail links go to the desktop's opener (xdg-open) from now on, its own words kept out of
// the terminal: a link it cannot open is told in one French line on the error stream, once per
// kind of link for the whole run. Once per program, after the application object exists.
void InstallerOuvreurLiens();

} // namespace lumio
