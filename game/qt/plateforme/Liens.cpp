// The author's web page and the mail to the author.
#include "plateforme/Liens.h"

#include "Courriel.h"

#include <QDesktopServices>

// The build defines LUMIO_ADRESSE_CONTACT, LUMIO_PAGE_WEB and LUMIO_VERSION (game/CMakeLists.txt).

namespace lumio {

QString AdresseContact() {
    return QStringLiteral(LUMIO_ADRESSE_CONTACT);
}
QString AdressePageWeb() {
    return QStringLiteral(LUMIO_PAGE_WEB);
}
QString VersionProgramme() {
    return QStringLiteral(LUMIO_VERSION);
}

QUrl UrlMail(const std::string &lien) {
    // What a URL may hold as it is (RFC 3986, path and query): anything else is data to encode.
    static const QByteArray permis = "-._~!$&'()*+,;=:@/?";
    const QByteArray code = QByteArray::fromStdString(lien).toPercentEncoding(permis);
    return QUrl::fromEncoded(code, QUrl::StrictMode);
}

void SendMail(const std::string &strAddress, const std::string &strCC_V, const std::string &strBCC_V,
              const std::string &strSubject_V, const std::string &strBodyText_V) {
    QDesktopServices::openUrl(
        UrlMail(LienSendMail(strAddress, strCC_V, strBCC_V, strSubject_V, strBodyText_V)));
}

void ContacterAuteur() {
    SendMail(AdresseContact().toStdString(), "", "", SujetMail, "");
}

void OuvrirPageWeb() {
    QDesktopServices::openUrl(QUrl(AdressePageWeb(), QUrl::TolerantMode));
}

} // namespace lumio
