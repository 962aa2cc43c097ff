#include "app/ui/caboutdlg.h"
#include "engine/datafolder.h"

#include "app/ui/appurls.h"
#include "engine/checkedconnect.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(400, 220);
    m_logo.load(DataFolder::path() + QStringLiteral("/images/logo.png"));
    if (m_logo.height() > 60)
        m_logo = m_logo.scaledToHeight(60, Qt::SmoothTransformation);

    m_visit = new QPushButton(QStringLiteral("Visit Qzarel"), this);
    m_visit->setGeometry(width() / 2 - 130, height() - 50, 120, 30);
    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setGeometry(width() / 2 + 10, height() - 50, 120, 30);
    qz::checkedConnect(m_visit, SIGNAL(clicked()), this, SLOT(OnVisit()));
    // Without a configured web site the button would lead nowhere.
    if (AppUrls::homePage().isEmpty()) {
        m_visit->hide();
        m_close->move(width() / 2 - m_close->width() / 2, m_close->y());
    }
    qz::checkedConnect(m_close, SIGNAL(clicked()), this, SLOT(OnOk()));
}

QString CAboutDlg::versionText()
{
    return QStringLiteral(QZ_VERSION_TEXT);
}

void CAboutDlg::OnVisit()
{
    AppUrls::open(AppUrls::homePage());
}

void CAboutDlg::OnOk()
{
    accept();
}

void CAboutDlg::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (!m_logo.isNull())
        p.drawPixmap((width() - m_logo.width()) / 2, 30 - m_logo.height() / 2 + 10, m_logo);
    p.setPen(QColor(156, 182, 45));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, height() - 130 - 14, width(), 28), Qt::AlignCenter,
               QStringLiteral("Qzarel Numerology"));
    f.setPixelSize(14);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(0, height() - 100 - 10, width(), 20), Qt::AlignCenter,
               QStringLiteral("Version ") + versionText());
}
