#include "app/ui/csettingsdlg.h"

#include "engine/checkedconnect.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

namespace {
QLabel *caption(QWidget *parent, const char *name, const QString &text, int y)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(20, y, 241, 16);
    return l;
}
} // namespace

CSettingsDlg::CSettingsDlg(QWidget *parent) : QDialog(parent)
{
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(windowFlags() & ~Qt::WindowMinimizeButtonHint);
    setWindowTitle(QStringLiteral("Settings"));
    setFixedSize(400, 370);

    caption(this, "label", QStringLiteral("Life Path Master Number Calculation:"), 20);
    m_lp1 = box("checkBoxLP1", QStringLiteral("= DIG(DIG(Y) + DIG(M) + DIG(D))"), 30, 40, 241, 20);
    m_lp2 = box("checkBoxLP2", QStringLiteral("= DIG(Y +M + D)"), 30, 60, 241, 20);
    m_lp3 = box("checkBoxLP3", QStringLiteral("= Sum of all digits"), 30, 80, 241, 20);
    caption(this, "label_2", QStringLiteral("Name calculation:"), 120);
    m_wordsToDigit = box("checkBoxNameWD", QStringLiteral("Down to digit every word"), 30, 140, 301, 20);
    m_reduceMasters = box("checkBoxNameDD", QStringLiteral("Reduce Master Numbers to Digit"), 30, 160, 301, 20);
    caption(this, "label_3", QStringLiteral("Additional:"), 200);
    // The form has always used the same object name for both of these boxes.
    m_skipTransits = box("checkBoxNameWD", QStringLiteral("Don't generate missed transits"), 30, 220, 301, 20);
    m_extendedMasters = box("checkBoxNameEMM", QStringLiteral("Calculate 11,22...99 Master numbers"), 30, 240, 301, 20);
    caption(this, "label_4", QStringLiteral("Format:"), 280);
    m_dateFormat = box("checkBoxDateFormat", QStringLiteral("Date Input - DD/MM/YYYY"), 30, 300, 301, 20);

    // The button box spans the row; the restore button sits on its left end.
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                     Qt::Horizontal, this);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    m_buttons->setGeometry(50, 330, 341, 32);
    m_defaults = new QPushButton(QStringLiteral("Restore Default Settings"), this);
    m_defaults->setObjectName(QStringLiteral("defaultSettingsBut"));
    m_defaults->setGeometry(10, 330, 191, 32);

    qz::checkedConnect(m_buttons, SIGNAL(accepted()), this, SLOT(accept()));
    qz::checkedConnect(m_buttons, SIGNAL(rejected()), this, SLOT(reject()));
    QMetaObject::connectSlotsByName(this);
}

QCheckBox *CSettingsDlg::box(const char *name, const QString &text, int x, int y, int w, int h)
{
    auto *b = new QCheckBox(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(x, y, w, h);
    return b;
}

void CSettingsDlg::setValues(const QByteArray &flags, bool dayFirstDates, int extendedMasters)
{
    QCheckBox *const boxes[6] = {m_lp1, m_lp2, m_lp3, m_wordsToDigit, m_reduceMasters, m_skipTransits};
    for (int i = 0; i < 6; ++i)
        boxes[i]->setChecked(i < flags.size() && flags.at(i) != 0);
    m_dateFormat->setChecked(dayFirstDates);
    m_extendedMasters->setChecked(extendedMasters == 1);
}

QByteArray CSettingsDlg::flags() const
{
    const QCheckBox *const boxes[6] = {m_lp1, m_lp2, m_lp3, m_wordsToDigit, m_reduceMasters, m_skipTransits};
    QByteArray out(6, 0);
    for (int i = 0; i < 6; ++i)
        out[i] = boxes[i]->isChecked() ? 1 : 0;
    return out;
}

bool CSettingsDlg::dayFirstDates() const
{
    return m_dateFormat->isChecked();
}

int CSettingsDlg::extendedMasters() const
{
    return m_extendedMasters->isChecked() ? 1 : 0;
}

void CSettingsDlg::on_defaultSettingsBut_clicked()
{
    setValues(QByteArray("\x01\x00\x00\x01\x01\x00", 6), false, 0);
}
