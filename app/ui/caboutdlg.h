#pragma once

#include <QDialog>
#include <QPixmap>

class QPushButton;

/** "About" box: logo, product name and version, a link to our web site. */
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);

    /** Three dot-separated numbers, e.g. "6.0.0". */
    static QString versionText();

public slots:
    void OnVisit();
    void OnOk();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_logo;
    QPushButton *m_visit = nullptr;
    QPushButton *m_close = nullptr;
};
