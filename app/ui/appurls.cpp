#include "app/ui/appurls.h"

#include <QDesktopServices>
#include <QUrlQuery>

namespace AppUrls {

QUrl homePage()
{
    return QUrl(QStringLiteral("https://www.qzarel.example/"));
}

QUrl helpPage()
{
    return QUrl(QStringLiteral("https://www.qzarel.example/numerology/help/"));
}

QUrl downloadPage()
{
    return QUrl(QStringLiteral("https://www.qzarel.example/numerology/download/"));
}

QUrl supportMail()
{
    QUrl url(QStringLiteral("mailto:support@qzarel.example"));
    QUrlQuery q;
    q.addQueryItem(QStringLiteral("subject"),
                   QStringLiteral("Support request for Qzarel Numerology for Win"));
    url.setQuery(q);
    return url;
}

QUrl updateCheck()
{
    return QUrl(QStringLiteral("https://www.qzarel.example/qznumeupd.php"));
}

bool open(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace AppUrls
