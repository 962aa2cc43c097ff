#include "app/ui/cinfodlg.h"

#include "engine/checkedconnect.h"
#include "panels/ctheme.h"

#include <QLabel>
#include <QPushButton>

CInfoDlg::CInfoDlg(CTheme *theme, const QString &text, QWidget *parent) : QWidget(parent)
{
    const qreal scale = devicePixelRatioF() > 0 ? devicePixelRatioF() : 1.0;
    m_text = new QLabel(text, this);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignCenter);
    QFont f = m_text->font();
    f.setPixelSize(qRound(12 * scale));
    m_text->setFont(f);

    m_yes = new QPushButton(QStringLiteral("Yes"), this);
    m_yes->setObjectName(QStringLiteral("yesBut"));
    m_no = new QPushButton(QStringLiteral("No"), this);
    m_no->setObjectName(QStringLiteral("noBut"));
    if (theme) {
        theme->styleWidget(this, CTheme::KindDialog);
        theme->styleWidget(m_yes, CTheme::KindYesButton);
        theme->styleWidget(m_no, CTheme::KindNoButton);
    }
    // Return must never answer "Yes" by itself: no default button, focus on "No".
    for (QPushButton *b : {m_yes, m_no}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    m_no->setFocus();
    qz::checkedConnect(m_yes, SIGNAL(clicked()), this, SLOT(OnYes()));
    qz::checkedConnect(m_no, SIGNAL(clicked()), this, SLOT(OnNo()));
}

void CInfoDlg::OnYes()
{
    emit answered(0);
}

void CInfoDlg::OnNo()
{
    emit answered(1);
}

void CInfoDlg::resizeEvent(QResizeEvent *)
{
    const int w = width(), h = height();
    m_text->setGeometry(20, 20, w - 40, h - 90);
    m_yes->setGeometry(w / 2 - 110, h - 55, 100, 30);
    m_no->setGeometry(w / 2 + 10, h - 55, 100, 30);
}
