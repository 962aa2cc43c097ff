#pragma once

#include <QByteArray>
#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QPushButton;

/** Calculator settings: six engine flags, master numbers to 99, date input order. */
class CSettingsDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CSettingsDlg(QWidget *parent = nullptr);

    /** Sets the boxes; @p flags holds six bytes in the state-file order. */
    void setValues(const QByteArray &flags, bool dayFirstDates, int extendedMasters);
    QByteArray flags() const;
    bool dayFirstDates() const;
    int extendedMasters() const;

public slots:
    void on_defaultSettingsBut_clicked();

private:
    QCheckBox *box(const char *name, const QString &text, int x, int y, int w, int h);

    QCheckBox *m_lp1 = nullptr;
    QCheckBox *m_lp2 = nullptr;
    QCheckBox *m_lp3 = nullptr;
    QCheckBox *m_wordsToDigit = nullptr;
    QCheckBox *m_reduceMasters = nullptr;
    QCheckBox *m_skipTransits = nullptr;
    QCheckBox *m_extendedMasters = nullptr;
    QCheckBox *m_dateFormat = nullptr;
    QPushButton *m_defaults = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
