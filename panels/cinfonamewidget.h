#pragma once

#include "panels/cinfowidget.h"

#include <QList>

class QFrame;

/**
 * "Name calculation": the letters of the full name (row 0) and the short
 * name (row 1), each letter in a 9-pixel column with its number beneath,
 * vowels in the accent colour, and the row's calculation chains below.
 * While clickable, a marker follows the letter under the mouse and a left
 * click emits symbolCliked(row, letter).
 */
class CInfoNameWidget : public CInfoWidget
{
    Q_OBJECT

public:
    static constexpr int NameRowHeight = 51;
    static constexpr int LetterWidth = 9;
    static constexpr int LetterX = 3;

    /** Row data: the cleaned name and what is drawn under it. */
    struct NameRow {
        QString letters;          ///< the cleaned name, upper case
        QString vowelDigits;      ///< one character per letter: digit under a vowel, else space
        QString consonantDigits;  ///< the same for consonants
        QList<int> marks;         ///< 0 separator, 1 vowel, 2 consonant (may be empty)
        QString calculation;      ///< chains shown under the letters
    };

    explicit CInfoNameWidget(CTheme *theme, const QString &title = QStringLiteral("Name calculation"),
                             QWidget *parent = nullptr);

    /** Sets row 0 (full name) or 1 (short name) and repaints. */
    void setNameRow(int row, const QString &letters, const QString &vowelDigits,
                    const QString &consonantDigits, const QList<int> &marks,
                    const QString &calculation);
    void setNameRow(int row, const NameRow &data);
    NameRow nameRow(int row) const;
    /** Empties both rows. */
    void clearNames();

    /** (row, letter) under @p pos, or (-1, -1) outside every letter. */
    QPair<int, int> letterAt(const QPoint &pos) const;
    /** Whether the marker is showing (for tests and the window's own checks). */
    bool isMarkerVisible() const;

    QSize sizeHint() const override;

    // Screen readers hear each name with its letters' numbers and its chains.
    int rowCount() const override { return 2; }
    QString rowName(int row) const override;
    QString rowValue(int row) const override;
    QRect rowRect(int row) const override;
    bool rowActivates(int) const override { return false; }

signals:
    void symbolCliked(int name, int letter);

public slots:
    void updateData() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    /** 1 vowel, 2 consonant, 0 neither, from the marks or else the digit rows. */
    int letterClass(int row, int index) const;
    void styleMarker();

    NameRow m_rows[2];
    QFrame *m_marker = nullptr;
};
