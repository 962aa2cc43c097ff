#pragma once

#include <QDialog>

class CTheme;
class QCheckBox;
class QPushButton;
class QWebEngineView;

/** The guide shown at start-up until the user asks not to see it again. */
class CManualVieW : public QDialog
{
    Q_OBJECT
public:
    /** @p notAtStart receives the check box state when "Ok" is pressed. */
    CManualVieW(CTheme *theme, bool *notAtStart, QWidget *parent = nullptr);
    ~CManualVieW() override;

public slots:
    void OnOk();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    bool *m_notAtStart = nullptr;
    QWebEngineView *m_view = nullptr;
    QPushButton *m_ok = nullptr;
    QCheckBox *m_check = nullptr;
};
