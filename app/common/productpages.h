#pragma once

#include <QUrl>

// The product's pages on its web site, opened in the user's browser.
namespace ProductPages {

QUrl base();
QUrl help();
QUrl feedback();
QUrl licenseAgreement();
QUrl privacyPolicy();
// False when the desktop could not hand the address to a browser.
bool open(const QUrl &page);

} // namespace ProductPages
