#pragma once

#include "dialogs/cdlgwin.h"
#include "reports/creportlayoutlist.h"

class CLayoutManagerDlg;
class CTheme;

/**
 * The window of the report manager, titled "Report Manager". Escape, Return
 * and Enter do not close it; only the dialog's OK and Cancel do (or the
 * window's close button, which counts as Cancel and asks about unsaved
 * edits). It opens inside the available screen area, at the size it was
 * last closed at.
 *
 * Use: CLayoutManagerDlgWin win(layouts, theme, parent); win.exec(); then
 * win.content()->currentName() names the layout to select.
 */
class CLayoutManagerDlgWin : public CDlgWin
{
    Q_OBJECT
public:
    CLayoutManagerDlgWin(CReportLayoutList &layouts, const CTheme *theme, QWidget *parent = nullptr,
                         const QString &folder = defaultLayoutsFolder());

    CLayoutManagerDlg *content() const { return m_dlg; }

public slots:
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void OnPress(int result);

private:
    CLayoutManagerDlg *m_dlg;
    bool m_sized = false;
};
