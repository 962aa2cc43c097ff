#include "app/ui/cinfodetailsview.h"
#include "engine/checkedconnect.h"
#include "engine/datafolder.h"

#include "panels/ctheme.h"
#include <QPainter>
#include <QShortcut>
#include "texts/interpretationtexts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// The picture as an inline PNG with a white margin on its left.
QString inlinePicture(const QString &path)
{
    QImage img(path);
    if (img.isNull())
        return QString();
    QImage framed(img.width() + 20, img.height(), QImage::Format_RGB32);
    framed.fill(Qt::white);
    QPainter p(&framed);
    p.drawImage(20, 0, img);
    p.end();
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    framed.save(&buf, "PNG");
    return QStringLiteral("<p><img hspace=\"50\"   src=\"data:image/png;base64,")
           + QString::fromLatin1(png.toBase64()) + QStringLiteral("\"></p>");
}

} // namespace

QString CInfoDetailsView::detailsHtml(int section, const QString &picture)
{
    const QString title = guideText(section, 0);
    const QString calc = guideText(section >= 19 && section <= 34 ? 18 : section, 1);
    const QString meaning = guideText(section, 2);
    if (title.isEmpty() && calc.isEmpty() && meaning.isEmpty())
        return QString();
    QString body;
    if (!picture.isEmpty())
        body += inlinePicture(DataFolder::path() + QStringLiteral("/images/doc/") + picture);
    body += title + calc + meaning;
    return QStringLiteral("<html><head><meta charset=\"utf-8\"><style>"
                          "body{font-family:Arial,'Liberation Sans',sans-serif;font-size:14px;"
                          "color:#2c2420;margin:16px 22px;line-height:1.45}"
                          "h2{font-family:Georgia,'DejaVu Serif',serif;font-weight:normal;color:#7a4b2a;"
                          "border-bottom:1px solid #e0d2bb;padding-bottom:4px}"
                          "</style></head><body>")
           + body + QStringLiteral("</body></html>");
}

CInfoDetailsView::CInfoDetailsView(CTheme *theme, const QString &html, QWidget *parent,
                                   const QString &title)
    : QDialog(parent)
{
    setWindowTitle(title.isEmpty() ? QStringLiteral("Qzarel Numerology") : title);
    setMinimumSize(600, 300);
    setMaximumSize(1280, 800);
    resize(600, 500);
    if (theme)
        theme->styleWidget(this, CTheme::KindDialog);
    m_view = new QWebEngineView(this);
    m_view->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    m_view->setHtml(html, QUrl());
    // The page takes the keyboard, so Escape is caught above it.
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WindowShortcut);
    qz::checkedConnect(esc, SIGNAL(activated()), this, SLOT(reject()));
}

CInfoDetailsView::~CInfoDetailsView()
{
    delete m_view;
}

void CInfoDetailsView::resizeEvent(QResizeEvent *)
{
    m_view->setGeometry(rect());
}
