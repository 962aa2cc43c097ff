#include "reportedit/clayoutmanagerdlgwin.h"

#include "panels/ctheme.h"
#include "reportedit/clayoutmanagerdlg.h"

#include <QKeyEvent>

CLayoutManagerDlgWin::CLayoutManagerDlgWin(CReportLayoutList &layouts, const CTheme *theme, QWidget *parent,
                                           const QString &folder)
    : QDialog(parent), m_dlg(new CLayoutManagerDlg(layouts, theme, this, folder))
{
    setWindowTitle(QStringLiteral("Report Manager"));
    connect(m_dlg, SIGNAL(signalPress(int)), this, SLOT(OnPress(int)));
    if (theme)
        theme->styleWidget(this, CTheme::KindDialog);
    resize(CLayoutManagerDlg::BodyWidth, CLayoutManagerDlg::BodyHeight);
}

void CLayoutManagerDlgWin::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // Placed by hand: a layout would push size limits to the window system.
    m_dlg->setGeometry(rect());
}

void CLayoutManagerDlgWin::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->ignore();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CLayoutManagerDlgWin::OnPress(int result)
{
    if (result == 1)
        accept();
    else
        reject();
}
