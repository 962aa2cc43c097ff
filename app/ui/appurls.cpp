#include "app/ui/appurls.h"

#include <QDesktopServices>
#include <QUrlQuery>

namespace AppUrls {

namespace {
// Empty text gives an empty URL: the feature that needs it is left out.
QUrl configured(const char *text)
{
    return QUrl(QString::fromUtf8(text));
}
} // namespace

QUrl homePage()
{
    return configured(QZ_HOME_URL);
}

QUrl helpPage()
{
    return configured(QZ_HELP_URL);
}

QUrl downloadPage()
{
    return configured(QZ_DOWNLOAD_URL);
}

QUrl supportMail()
{
    const QString address = QString::fromUtf8(QZ_SUPPORT_MAIL);
    if (address.isEmpty())
        return QUrl();
    QUrl url(QStringLiteral("mailto:") + address);
    QUrlQuery q;
    q.addQueryItem(QStringLiteral("subject"),
                   QStringLiteral("Support request for Qzarel Numerology for Win"));
    url.setQuery(q);
    return url;
}

QUrl updateCheck()
{
    const QString host = QString::fromUtf8(QZ_UPDATE_HOST);
    return host.isEmpty() ? QUrl() : QUrl(host + QStringLiteral("/qznumeupd.php"));
}

bool open(const QUrl &url)
{
    return !url.isEmpty() && QDesktopServices::openUrl(url);
}

} // namespace AppUrls
