#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

/** Licence agreement asked for on the very first start. */
class CEulaDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CEulaDlg(QWidget *parent = nullptr);

    /** -1 until "Accept" is pressed, then 0. */
    int m_result = -1;

    /** The agreement shown to the user. */
    static QString licenceText();

public slots:
    void OnOk();
    void OnCancel();

private:
    QPlainTextEdit *m_text = nullptr;
    QPushButton *m_accept = nullptr;
    QPushButton *m_reject = nullptr;
};
