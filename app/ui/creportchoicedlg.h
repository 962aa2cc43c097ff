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
    bool chart = true;
};

/**
 * The small chooser shown before a combined PDF: one check box per report,
 * all ticked, and "Ok". Closing it any other way cancels the export.
 */
class CReportChoiceDlg : public QDialog
{
    Q_OBJECT
public:
    /** @p chaldean names the first box " Chaldean Numerology" instead of " Western Numerology". */
    explicit CReportChoiceDlg(bool chaldean, QWidget *parent = nullptr);

    /**
     * Without a chart to draw the chart box cannot be ticked: it is shown
     * unticked and disabled.
     */
    void setChartAvailable(bool available);

    ReportChoice choice() const;

    QCheckBox *numerologyBox() const { return m_numerology; }
    QCheckBox *psychomatrixBox() const { return m_psychomatrix; }
    QCheckBox *compatibilityBox() const { return m_compatibility; }
    QCheckBox *celebritiesBox() const { return m_celebrities; }
    QCheckBox *chartBox() const { return m_chart; }
    QPushButton *okButton() const { return m_ok; }

private:
    QCheckBox *addBox(const char *name, const QString &text, int y);

    QCheckBox *m_numerology = nullptr;
    QCheckBox *m_psychomatrix = nullptr;
    QCheckBox *m_compatibility = nullptr;
    QCheckBox *m_celebrities = nullptr;
    QCheckBox *m_chart = nullptr;
    QPushButton *m_ok = nullptr;
};
