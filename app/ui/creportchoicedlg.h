#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

/** Which reports go into the combined document. */
struct ReportChoice {
    bool numerology = true;
    bool psychomatrix = true;
    bool compatibility = true;
    bool celebrities = true;
    bool pet = true;
    bool advisor = true;
    bool chart = true;

    /** One byte 0 or 1 per box, in the chooser's order. */
    QByteArray toBytes() const;
    /** Reads what toBytes() wrote; boxes missing from @p bytes stay ticked. */
    static ReportChoice fromBytes(const QByteArray &bytes);
};

/**
 * The small chooser shown before a combined PDF: one check box per section
 * the PDF can hold, in the PDF's order, then "Ok" and "Cancel". Closing it
 * any other way cancels too.
 */
class CReportChoiceDlg : public QDialog
{
    Q_OBJECT
public:
    /** @p chaldean names the first box " Chaldean Numerology" instead of " Western Numerology". */
    explicit CReportChoiceDlg(bool chaldean, QWidget *parent = nullptr);

    /** Ticks the boxes as the user left them last time. */
    void setChoice(const ReportChoice &choice);

    /**
     * A report with nothing to print is shown unticked and disabled, with
     * @p why as its tool tip; choice() then keeps what setChoice() gave for it,
     * so the user's wish survives until the report exists again.
     */
    void setAvailable(QCheckBox *box, bool available, const QString &why);
    /** The chart box, available only while a chart is chosen. */
    void setChartAvailable(bool available);

    ReportChoice choice() const;

    QCheckBox *numerologyBox() const { return m_numerology; }
    QCheckBox *psychomatrixBox() const { return m_psychomatrix; }
    QCheckBox *compatibilityBox() const { return m_compatibility; }
    QCheckBox *celebritiesBox() const { return m_celebrities; }
    QCheckBox *petBox() const { return m_pet; }
    QCheckBox *advisorBox() const { return m_advisor; }
    QCheckBox *chartBox() const { return m_chart; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    QCheckBox *addBox(const char *name, const QString &text);
    static bool wanted(const QCheckBox *box, bool given);

    ReportChoice m_given;
    int m_nextY = 15;
    QCheckBox *m_numerology = nullptr;
    QCheckBox *m_psychomatrix = nullptr;
    QCheckBox *m_compatibility = nullptr;
    QCheckBox *m_celebrities = nullptr;
    QCheckBox *m_pet = nullptr;
    QCheckBox *m_advisor = nullptr;
    QCheckBox *m_chart = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
