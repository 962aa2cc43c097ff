#include "app/ui/cinfodlgwin.h"

#include "app/ui/cinfodlg.h"
#include "engine/checkedconnect.h"

#include <QVBoxLayout>

CInfoDlgWin::CInfoDlgWin(CTheme *theme, const QString &title, const QString &text, QWidget *parent)
    : CDlgWin(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(title);
    const qreal scale = devicePixelRatioF() > 0 ? devicePixelRatioF() : 1.0;
    setFixedSize(qRound(400 * scale), qRound(230 * scale));
    m_content = new CInfoDlg(theme, text, this);
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_content);
    qz::checkedConnect(m_content, SIGNAL(answered(int)), this, SLOT(OnAnswered(int)));
    if (parent) {
        const QRect pr = parent->window()->frameGeometry();
        move(pr.center() - QPoint(width() / 2, height() / 2));
    }
}

void CInfoDlgWin::OnAnswered(int result)
{
    m_answer = result;
    if (result == 0)
        accept();
    else
        reject();
}

int CInfoDlgWin::ask(CTheme *theme, const QString &title, const QString &text, QWidget *parent)
{
    auto *dlg = new CInfoDlgWin(theme, title, text, parent);
    dlg->exec();
    const int result = dlg->answer();
    delete dlg;
    return result;
}
