#include "app/ui/creportchoicedlg.h"

#include "engine/checkedconnect.h"

#include <QCheckBox>
#include <QPushButton>

CReportChoiceDlg::CReportChoiceDlg(bool chaldean, QWidget *parent) : QDialog(parent)
{
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(windowFlags() & ~(Qt::WindowMinimizeButtonHint | Qt::WindowContextHelpButtonHint));
    setWindowTitle(QStringLiteral("Reports"));
    setFixedSize(220, 215);

    m_numerology = addBox("numerologyBox",
                          chaldean ? QStringLiteral(" Chaldean Numerology") : QStringLiteral(" Western Numerology"),
                          15);
    m_psychomatrix = addBox("psychomatrixBox", QStringLiteral(" Psychomatrix"), 45);
    m_compatibility = addBox("compatibilityBox", QStringLiteral(" Compatibility"), 75);
    m_celebrities = addBox("celebritiesBox", QStringLiteral(" Celebrities"), 105);
    m_chart = addBox("chartBox", QStringLiteral(" Graphic Chart"), 135);

    m_ok = new QPushButton(QStringLiteral("Ok"), this);
    m_ok->setObjectName(QStringLiteral("okBut"));
    m_ok->setGeometry(60, 172, 100, 28);
    m_ok->setDefault(true);
    qz::checkedConnect(m_ok, SIGNAL(clicked()), this, SLOT(accept()));
}

QCheckBox *CReportChoiceDlg::addBox(const char *name, const QString &text, int y)
{
    auto *b = new QCheckBox(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(30, y, 170, 22);
    b->setChecked(true);
    return b;
}

void CReportChoiceDlg::setChartAvailable(bool available)
{
    m_chart->setChecked(available);
    m_chart->setEnabled(available);
    m_chart->setToolTip(available ? QString() : QStringLiteral("Choose a chart on the Graphic Chart page first"));
}

ReportChoice CReportChoiceDlg::choice() const
{
    ReportChoice c;
    c.numerology = m_numerology->isChecked();
    c.psychomatrix = m_psychomatrix->isChecked();
    c.compatibility = m_compatibility->isChecked();
    c.celebrities = m_celebrities->isChecked();
    c.chart = m_chart->isChecked();
    return c;
}
