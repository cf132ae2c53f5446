#include "common/productpages.h"

#include <QDesktopServices>

namespace ProductPages {

QUrl base()
{
    return QUrl(QStringLiteral("https://quillmere.app/"));
}

QUrl help()
{
    return base().resolved(QUrl(QStringLiteral("help")));
}

QUrl feedback()
{
    return base().resolved(QUrl(QStringLiteral("feedback")));
}

QUrl licenseAgreement()
{
    return base().resolved(QUrl(QStringLiteral("legal/eula")));
}

QUrl privacyPolicy()
{
    return base().resolved(QUrl(QStringLiteral("legal/privacy")));
}

bool open(const QUrl &page)
{
    return QDesktopServices::openUrl(page);
}

} // namespace ProductPages
