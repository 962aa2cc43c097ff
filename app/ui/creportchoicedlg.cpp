#include "app/ui/creportchoicedlg.h"

#include "engine/checkedconnect.h"

#include <QCheckBox>
#include <QPushButton>

#include <iterator>

namespace {
constexpr int kBoxStep = 30;
}

QByteArray ReportChoice::toBytes() const
{
    QByteArray out;
    for (bool b : {numerology, psychomatrix, compatibility, celebrities, pet, advisor, chart})
        out.append(char(b ? 1 : 0));
    return out;
}

ReportChoice ReportChoice::fromBytes(const QByteArray &bytes)
{
    ReportChoice c;
    bool *const fields[] = {&c.numerology, &c.psychomatrix, &c.compatibility, &c.celebrities,
                            &c.pet, &c.advisor, &c.chart};
    for (int i = 0; i < int(std::size(fields)) && i < bytes.size(); ++i)
        *fields[i] = bytes.at(i) != 0;
    return c;
}

CReportChoiceDlg::CReportChoiceDlg(bool chaldean, QWidget *parent) : QDialog(parent)
{
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(windowFlags() & ~(Qt::WindowMinimizeButtonHint | Qt::WindowContextHelpButtonHint));
    setWindowTitle(QStringLiteral("Reports"));

    // The same sections, in the same order, as the PDF.
    m_numerology = addBox("numerologyBox",
                          chaldean ? QStringLiteral(" Chaldean Numerology") : QStringLiteral(" Western Numerology"));
    m_psychomatrix = addBox("psychomatrixBox", QStringLiteral(" Psychomatrix"));
    m_compatibility = addBox("compatibilityBox", QStringLiteral(" Compatibility"));
    m_celebrities = addBox("celebritiesBox", QStringLiteral(" Celebrities"));
    m_pet = addBox("petBox", QStringLiteral(" Pet"));
    m_advisor = addBox("advisorBox", QStringLiteral(" Name Advisor"));
    m_chart = addBox("chartBox", QStringLiteral(" Graphic Chart"));

    const int buttonsY = m_nextY + 7;
    m_ok = new QPushButton(QStringLiteral("Ok"), this);
    m_ok->setObjectName(QStringLiteral("okBut"));
    m_ok->setGeometry(15, buttonsY, 90, 28);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancelBut"));
    m_cancel->setGeometry(115, buttonsY, 90, 28);
    qz::checkedConnect(m_ok, SIGNAL(clicked()), this, SLOT(accept()));
    qz::checkedConnect(m_cancel, SIGNAL(clicked()), this, SLOT(reject()));
    setFixedSize(220, buttonsY + 28 + 15);
}

QCheckBox *CReportChoiceDlg::addBox(const char *name, const QString &text)
{
    auto *b = new QCheckBox(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(30, m_nextY, 170, 22);
    b->setChecked(true);
    m_nextY += kBoxStep;
    return b;
}

void CReportChoiceDlg::setChoice(const ReportChoice &choice)
{
    m_given = choice;
    const std::pair<QCheckBox *, bool> boxes[] = {
        {m_numerology, choice.numerology}, {m_psychomatrix, choice.psychomatrix},
        {m_compatibility, choice.compatibility}, {m_celebrities, choice.celebrities},
        {m_pet, choice.pet}, {m_advisor, choice.advisor}, {m_chart, choice.chart}};
    for (const auto &b : boxes)
        b.first->setChecked(b.first->isEnabled() && b.second);
}

void CReportChoiceDlg::setAvailable(QCheckBox *box, bool available, const QString &why)
{
    if (!box)
        return;
    if (!available)
        box->setChecked(false);
    box->setEnabled(available);
    box->setToolTip(available ? QString() : why);
}

void CReportChoiceDlg::setChartAvailable(bool available)
{
    setAvailable(m_chart, available, QStringLiteral("Choose a chart on the Graphic Chart page first"));
}

bool CReportChoiceDlg::wanted(const QCheckBox *box, bool given)
{
    return box->isEnabled() ? box->isChecked() : given;
}

ReportChoice CReportChoiceDlg::choice() const
{
    ReportChoice c;
    c.numerology = wanted(m_numerology, m_given.numerology);
    c.psychomatrix = wanted(m_psychomatrix, m_given.psychomatrix);
    c.compatibility = wanted(m_compatibility, m_given.compatibility);
    c.celebrities = wanted(m_celebrities, m_given.celebrities);
    c.pet = wanted(m_pet, m_given.pet);
    c.advisor = wanted(m_advisor, m_given.advisor);
    c.chart = wanted(m_chart, m_given.chart);
    return c;
}
