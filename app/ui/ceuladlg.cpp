#include "app/ui/ceuladlg.h"

#include "engine/checkedconnect.h"

#include <QPlainTextEdit>
#include <QPushButton>

CEulaDlg::CEulaDlg(QWidget *parent) : QDialog(parent)
{
    setFixedSize(400, 400);
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setAccessibleName(QStringLiteral("Licence agreement"));
    m_text->setPlainText(licenceText());
    m_text->setGeometry(10, 10, width() - 20, height() - 50);

    m_accept = new QPushButton(QStringLiteral("Accept"), this);
    m_accept->setObjectName(QStringLiteral("acceptBut"));
    m_accept->setStyleSheet(QStringLiteral("color: black;"));
    m_accept->setGeometry(width() / 2 - 90, height() - 30, 80, 20);
    m_reject = new QPushButton(QStringLiteral("Reject"), this);
    m_reject->setObjectName(QStringLiteral("rejectBut"));
    m_reject->setStyleSheet(QStringLiteral("color: black;"));
    m_reject->setGeometry(width() / 2 + 10, height() - 30, 80, 20);

    qz::checkedConnect(m_accept, SIGNAL(clicked()), this, SLOT(OnOk()));
    qz::checkedConnect(m_reject, SIGNAL(clicked()), this, SLOT(OnCancel()));
}

void CEulaDlg::OnOk()
{
    m_result = 0;
    accept();
}

void CEulaDlg::OnCancel()
{
    reject();
}

QString CEulaDlg::licenceText()
{
    return QStringLiteral(
        "QZAREL NUMEROLOGY - LICENCE AGREEMENT\n\n"
        "Please read this agreement before you use the program. By pressing \"Accept\" "
        "you agree to it; if you do not agree, press \"Reject\" and the program will close "
        "without changing anything on your computer.\n\n"
        "1. Use. You may install and use Qzarel Numerology on the computers you own or "
        "control, for yourself, your family and your clients.\n\n"
        "2. Your files. Reports, charts and person files you create belong to you. The "
        "program stores its settings and your recent persons in your own user folders and "
        "sends nothing about you anywhere. The only network request it makes is a weekly "
        "check for a newer version.\n\n"
        "3. Content. The interpretation texts, pictures and sample charts remain the "
        "property of their authors. You may print and share reports made with the program; "
        "you may not extract the texts to sell them on their own.\n\n"
        "4. Nature of the readings. Numerology is a traditional art of reflection, not a "
        "science. The readings are offered for insight and entertainment and are not a "
        "substitute for medical, legal, financial or psychological advice.\n\n"
        "5. No warranty. The program is provided as it is. We work hard to make it correct "
        "and reliable, but we cannot promise that it is free of faults, and we are not "
        "liable for any loss arising from its use beyond the price you paid for it.\n\n"
        "6. Copies. You may keep backup copies. You may not remove this agreement or the "
        "program's notices, and you may not redistribute modified copies as our product.\n\n"
        "Thank you for choosing Qzarel Numerology.");
}
