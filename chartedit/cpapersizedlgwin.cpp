#include "chartedit/cpapersizedlgwin.h"

#include "engine/checkedconnect.h"
#include "panels/ctheme.h"

#include <QVBoxLayout>

CPaperSizeDlgWin::CPaperSizeDlgWin(CPaperSizeDlg::Variant variant, bool screenUnits,
                                   CTheme *theme, QWidget *parent)
    : CDlgWin(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    switch (variant) {
    case CPaperSizeDlg::VariantPage:
        setWindowTitle(QStringLiteral("Pages Properties"));
        break;
    case CPaperSizeDlg::VariantBlock:
        setWindowTitle(QStringLiteral("Block Properties"));
        break;
    case CPaperSizeDlg::VariantChart:
        setWindowTitle(QStringLiteral("Graphics Charts Properties"));
        break;
    }
    if (theme)
        theme->styleWidget(this, CTheme::KindDialog);
    m_content = new CPaperSizeDlg(variant, screenUnits, this);
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_content);
    setFixedSize(400, variant == CPaperSizeDlg::VariantPage ? 200 : 230);
    qz::checkedConnect(m_content, SIGNAL(finished()), this, SLOT(OnFinished()));
    if (parent) {
        const QRect owner = parent->window()->frameGeometry();
        move(owner.center() - QPoint(width() / 2, height() / 2));
    }
}

void CPaperSizeDlgWin::OnFinished()
{
    if (m_content->cancelled())
        reject();
    else
        accept();
}
