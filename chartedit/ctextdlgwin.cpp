#include "chartedit/ctextdlgwin.h"

#include "chartedit/ctextdlg.h"
#include "panels/ctheme.h"

#include <QKeyEvent>
#include <QVBoxLayout>

CTextDlgWin::CTextDlgWin(const QFont &font, const QString &sample, const CTheme *theme, QWidget *parent,
                         bool pixels)
    : QDialog(parent), m_initial(font)
{
    setWindowTitle(QStringLiteral("Font"));
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    m_dlg = new CTextDlg(font, sample, theme, this, pixels);
    lay->addWidget(m_dlg);
    connect(m_dlg, SIGNAL(finished(bool)), this, SLOT(OnFinished(bool)));
    if (theme)
        theme->styleWidget(this, CTheme::KindDialog);
}

QFont CTextDlgWin::font() const
{
    return result() == QDialog::Accepted ? m_dlg->currentFont() : m_initial;
}

void CTextDlgWin::keyPressEvent(QKeyEvent *event)
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

void CTextDlgWin::OnFinished(bool ok)
{
    if (ok)
        accept();
    else
        reject();
}
