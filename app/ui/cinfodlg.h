#pragma once

#include <QWidget>

class CTheme;
class QLabel;
class QPushButton;

/** Content of the themed yes/no question box. */
class CInfoDlg : public QWidget
{
    Q_OBJECT
public:
    CInfoDlg(CTheme *theme, const QString &text, QWidget *parent = nullptr);

signals:
    void answered(int result);

public slots:
    void OnYes();
    void OnNo();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_text = nullptr;
    QPushButton *m_yes = nullptr;
    QPushButton *m_no = nullptr;
};
