// The report manager opened from the layout chooser, and its live preview.
#include "app/ui/cqznum.h"

#include "app/ui/cinfodlgwin.h"
#include "engine/checkedconnect.h"
#include "reportedit/clayoutmanagerdlg.h"
#include "reportedit/clayoutmanagerdlgwin.h"

#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QSignalBlocker>
#include <QWebEngineView>

namespace {
// Screens this wide show the preview beside the controls from the start.
constexpr int kWideScreen = 1300;
}

void CQZNum::OnReportManager()
{
    const int chosen = m_layoutChooser->currentIndex();
    const QString before = chosen > 0 ? m_layoutChooser->currentText() : QString();

    auto *win = new CLayoutManagerDlgWin(m_layouts, m_theme, this);
    CLayoutManagerDlg *dlg = win->content();
    if (chosen > 0)
        dlg->selectLayout(chosen - 1);
    dlg->setQuestionHandler([this](const QString &title, const QString &text) {
        return CInfoDlgWin::ask(m_theme, title, text, this) == 0;
    });
    m_layoutPreview = newReportView(nullptr);
    m_layoutPreview->setAccessibleName(QStringLiteral("Preview"));
    dlg->setPreviewWidget(m_layoutPreview);
    qz::checkedConnect(dlg, SIGNAL(previewRequested(int,const CReportLayout*)), this,
                       SLOT(OnLayoutPreview(int,const CReportLayout*)));
    const QScreen *screen = QApplication::primaryScreen();
    if (screen && screen->availableGeometry().width() >= kWideScreen) {
        win->resize(CLayoutManagerDlg::BodyWidth + 620, CLayoutManagerDlg::BodyHeight);
        dlg->OnPreview();
    }

    const bool accepted = win->exec() == QDialog::Accepted;
    // "Folder" saves too; then its layout is the current one even after Cancel.
    const QString current = accepted || !dlg->currentName().isEmpty() ? dlg->currentName() : before;
    delete win;
    delete m_layoutPreview;
    m_layoutPreview = nullptr;

    // The chooser shows what is on disk now.
    loadLayouts();
    {
        const QSignalBlocker block(m_layoutChooser);
        m_layoutChooser->clear();
        m_layoutChooser->addItem(QStringLiteral("Default"));
        for (int i = 0; i < m_layouts.count(); ++i)
            m_layoutChooser->addItem(m_layouts.at(i).name);
        const int index = current.isEmpty() ? -1 : m_layouts.indexOf(current);
        m_layoutChooser->setCurrentIndex(index >= 0 ? index + 1 : 0);
    }
    OnCalcNum();
}

void CQZNum::OnLayoutPreview(int kind, const CReportLayout *layout)
{
    if (!m_layoutPreview)
        return;
    const QString html = buildReportHtml(kind, layout);
    setPage(m_layoutPreview,
            html.isEmpty() ? QStringLiteral("<html><body><p>Enter a person and press APPLY to see this report.</p>"
                                            "</body></html>")
                           : html);
}
