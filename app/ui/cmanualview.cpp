#include "app/ui/cmanualview.h"
#include "engine/checkedconnect.h"
#include "engine/datafolder.h"

#include "panels/ctheme.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QWebEngineSettings>
#include <QWebEngineView>

CManualVieW::CManualVieW(CTheme *theme, bool *notAtStart, QWidget *parent)
    : QDialog(parent), m_notAtStart(notAtStart)
{
    setWindowTitle(QStringLiteral("Qzarel Numerology"));
    setMinimumSize(600, 300);
    setMaximumSize(1280, 800);
    resize(800, 600);
    m_view = new QWebEngineView(this);
    m_view->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    m_view->move(10, 10);
    m_view->load(QUrl(QStringLiteral("file:///") + DataFolder::path()
                      + QStringLiteral("/images/manual/manual/start.html")));
    m_ok = new QPushButton(QStringLiteral("Ok"), this);
    m_ok->resize(100, 20);
    m_check = new QCheckBox(QStringLiteral("Do not show this dialog again"), this);
    m_check->resize(200, 20);
    if (theme) {
        theme->styleWidget(this, CTheme::KindDialog);
        theme->styleWidget(m_ok, 1);
        theme->styleWidget(m_check, 11);
    }
    qz::checkedConnect(m_ok, SIGNAL(clicked()), this, SLOT(OnOk()));
}

CManualVieW::~CManualVieW()
{
    delete m_view;
}

void CManualVieW::OnOk()
{
    if (m_notAtStart)
        *m_notAtStart = m_check->isChecked();
    close();
}

void CManualVieW::resizeEvent(QResizeEvent *)
{
    m_view->resize(width() - 20, height() - 50);
    m_check->move(10, height() - 30);
    m_ok->move((width() - m_ok->width()) / 2, height() - 30);
}
