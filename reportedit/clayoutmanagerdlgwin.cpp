#include "reportedit/clayoutmanagerdlgwin.h"

#include "engine/checkedconnect.h"
#include "panels/ctheme.h"
#include "reportedit/clayoutmanagerdlg.h"

#include <QCloseEvent>
#include <QScreen>

namespace {
// The size the user last left the window at, for the next opening.
QSize g_lastSize;
}

CLayoutManagerDlgWin::CLayoutManagerDlgWin(CReportLayoutList &layouts, const CTheme *theme, QWidget *parent,
                                           const QString &folder)
    : CDlgWin(parent), m_dlg(new CLayoutManagerDlg(layouts, theme, this, folder))
{
    setWindowTitle(QStringLiteral("Report Manager"));
    qz::checkedConnect(m_dlg, SIGNAL(signalPress(int)), this, SLOT(OnPress(int)));
    if (theme)
        theme->styleWidget(this, CTheme::KindDialog);
    resize(CLayoutManagerDlg::BodyWidth, CLayoutManagerDlg::BodyHeight);
}

void CLayoutManagerDlgWin::resizeEvent(QResizeEvent *event)
{
    CDlgWin::resizeEvent(event);
    // Placed by hand: a layout would push size limits to the window system.
    m_dlg->setGeometry(rect());
}

void CLayoutManagerDlgWin::showEvent(QShowEvent *event)
{
    if (g_lastSize.isValid() && !m_sized)
        resize(g_lastSize);
    m_sized = true;
    if (QScreen *s = screen())
        setGeometry(CLayoutManagerDlg::fitToScreen(geometry(), s->availableGeometry(), frameGeometry().size() - size()));
    CDlgWin::showEvent(event);
}

void CLayoutManagerDlgWin::closeEvent(QCloseEvent *event)
{
    // The close button is Cancel: unsaved edits are asked about first.
    event->ignore();
    m_dlg->OnExit();
}

void CLayoutManagerDlgWin::done(int result)
{
    g_lastSize = size();
    CDlgWin::done(result);
}

void CLayoutManagerDlgWin::OnPress(int result)
{
    if (result == 1)
        accept();
    else
        reject();
}
