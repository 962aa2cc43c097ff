#include "reportedit/clayoutnameprompt.h"

#include "engine/checkedconnect.h"
#include "panels/ctheme.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

CLayoutNamePrompt::CLayoutNamePrompt(const QString &title, const QString &text,
                                     std::function<QString(const QString &)> check, const CTheme *theme,
                                     QWidget *parent)
    : QDialog(parent), m_check(std::move(check))
{
    setWindowTitle(title);
    setFixedSize(400, 110);
    auto *label = new QLabel(QStringLiteral("Enter new setting name"), this);
    label->setGeometry(10, 5, 380, 40);
    m_edit = new QLineEdit(text, this);
    m_edit->setGeometry(10, 45, 380, 22);
    m_edit->setAccessibleName(QStringLiteral("Name"));
    label->setBuddy(m_edit);
    m_edit->selectAll();
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(220, 80, 80, 22);
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(310, 80, 80, 22);
    qz::checkedConnect(ok, SIGNAL(clicked()), this, SLOT(OnOk()));
    qz::checkedConnect(cancel, SIGNAL(clicked()), this, SLOT(reject()));
    if (theme)
        theme->styleWidget(this, CTheme::KindDialog);
}

QString CLayoutNamePrompt::name() const
{
    return m_edit->text().trimmed();
}

void CLayoutNamePrompt::OnOk()
{
    const QString message = m_check ? m_check(name()) : QString();
    if (!message.isEmpty()) {
        QMessageBox::critical(this, QStringLiteral("Error"), message);
        m_edit->setFocus();
        return;
    }
    accept();
}
