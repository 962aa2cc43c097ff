#pragma once

#include "chartedit/papersizes.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

/**
 * Title, size and (for pages) count of a page, a block or the whole chart.
 * Sizes are kept in inches; the edits show them in the chosen unit. A value
 * the user did not touch is returned exactly as it came in, so opening the
 * dialog and pressing "Ok" never nudges a size by the rounding of the edits.
 */
class CPaperSizeDlg : public QWidget
{
    Q_OBJECT
public:
    enum Variant { VariantBlock, VariantPage, VariantChart };

    /** @p screenUnits offers (and starts in) the screen units of creator mode 1. */
    CPaperSizeDlg(Variant variant, bool screenUnits, QWidget *parent = nullptr);

    /** Presets the fields; selects the matching paper entry and orientation. */
    void setValues(const QString &title, double widthInches, double heightInches,
                   int pageCount = 0);

    QString title() const;
    /** Width and height read from the edits, in inches within 0.1 .. 50. */
    double widthInches() const;
    double heightInches() const;
    /** Page count within 0 .. 100000 (0: without limit). */
    int pageCount() const;
    bool cancelled() const { return m_cancelled; }
    Variant variant() const { return m_variant; }

    /** The "Set Background" button of the chart variant in screen units, else null. */
    QPushButton *backgroundButton() const { return m_background; }
    QComboBox *paperList() const { return m_paper; }
    QComboBox *orientationList() const { return m_orientation; }
    QComboBox *unitList() const { return m_units; }
    QComboBox *countList() const { return m_count; }
    QLineEdit *titleEdit() const { return m_title; }
    QLineEdit *widthEdit() const { return m_width; }
    QLineEdit *heightEdit() const { return m_height; }

signals:
    /** "Ok" or "Cancel" was pressed. */
    void finished();

public slots:
    void OnOk();
    void OnCancel();
    void OnPaperSize(int index);
    void OnOrientation(int index);
    void OnUnits(int index);
    void OnSizeEdited();

private:
    SizeUnit currentUnit() const;
    void showSize(double widthInches, double heightInches);
    double readEdit(const QLineEdit *edit, double exact) const;
    void selectMatch();

    Variant m_variant;
    bool m_cancelled = true;
    int m_presetCount = 0;
    double m_exactWidth = 0.0;
    double m_exactHeight = 0.0;
    QString m_shownWidth;
    QString m_shownHeight;
    SizeUnit m_shownUnit = SizeUnit::Inches;
    QLineEdit *m_title = nullptr;
    QComboBox *m_paper = nullptr;
    QComboBox *m_orientation = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QComboBox *m_units = nullptr;
    QComboBox *m_count = nullptr;
    QPushButton *m_background = nullptr;
};
