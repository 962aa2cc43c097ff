#include "dialogs/ctextdlgwin.h"

#include "dialogs/ctextdlg.h"
#include "engine/checkedconnect.h"
#include "panels/ctheme.h"

#include <QVBoxLayout>

CTextDlgWin::CTextDlgWin(const QFont &font, const QString &sample, const CTheme *theme, QWidget *parent,
                         bool pixels)
    : CDlgWin(parent), m_initial(font)
{
    setWindowTitle(QStringLiteral("Font"));
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    m_dlg = new CTextDlg(font, sample, theme, this, pixels);
    lay->addWidget(m_dlg);
    qz::checkedConnect(m_dlg, SIGNAL(finished(bool)), this, SLOT(OnFinished(bool)));
    if (theme)
        theme->styleWidget(this, CTheme::KindDialog);
}

QFont CTextDlgWin::font() const
{
    return result() == QDialog::Accepted ? m_dlg->currentFont() : m_initial;
}

void CTextDlgWin::OnFinished(bool ok)
{
    if (ok)
        accept();
    else
        reject();
}
