#pragma once

#include <QDate>
#include <QLineEdit>

/**
 * A date field that takes a typed date exactly as typed.
 *
 * The text follows the display format ("dd/MM/yyyy" or "MM/dd/yyyy"); the
 * separators are kept by an input mask, so "15061990" and "15/06/1990" both
 * type the same date. A click only places the cursor; the button at the right
 * opens a calendar; Up and Down step the part under the cursor. A text that is
 * no date inside the allowed range never becomes another date: date() keeps
 * the last good one, the field is marked (dynamic property "dateInvalid", for
 * the style sheet) and problem() says what is wrong.
 */
class CDateEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QDate date READ date WRITE setDate NOTIFY dateChanged USER true)

public:
    explicit CDateEdit(const QDate &date, QWidget *parent = nullptr);

    QDate date() const { return m_date; }
    QString displayFormat() const { return m_format; }
    /** "dd/MM/yyyy" or "MM/dd/yyyy"; anything else is taken as month first. */
    void setDisplayFormat(const QString &format);
    void setMinimumDate(const QDate &date);
    void setMaximumDate(const QDate &date);
    QDate minimumDate() const { return m_min; }
    QDate maximumDate() const { return m_max; }

    /** True while the text is a whole date inside the range. */
    bool isTextValid() const;
    /** Empty while the text is valid; else a sentence naming the typed text. */
    QString problem() const;

public slots:
    /** Shows @p date (bounded to the range); emits dateChanged() when it differs. */
    void setDate(const QDate &date);
    void OnOpenCalendar();

signals:
    void dateChanged(const QDate &date);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void OnTextEdited(const QString &text);
    void OnEditingFinished();

private:
    QDate parsed() const;
    /** What makes a whole typed text no date ("February 1985 has no day 30."); empty if unknown. */
    QString whyNoDate() const;
    void showDate();
    void setMarked(bool marked);
    void stepSection(int steps);
    void updateButtonIcon();

    QDate m_date;
    QDate m_min = QDate(100, 1, 1);
    QDate m_max = QDate(9999, 12, 31);
    QString m_format = QStringLiteral("MM/dd/yyyy");
    QAction *m_calendarAction = nullptr;
};
