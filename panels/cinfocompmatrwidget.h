#pragma once

#include "panels/cpanelrows.h"

#include <QStringList>
#include <QWidget>

class CTheme;

/**
 * The psychomatrix grids of two persons side by side in one grid: each
 * cell shows the first person's content on the left and the partner's on
 * the right. Same layout and labels as the psychomatrix panel, with
 * "Money" for "Finance"; it does not react to clicks.
 */
class CInfoCompMatrWidget : public QWidget, public CPanelRows
{
    Q_OBJECT

public:
    explicit CInfoCompMatrWidget(CTheme *theme, QWidget *parent = nullptr);

    /** Cell contents of both persons in cell order c + 5r. */
    void setCells(const QStringList &first, const QStringList &second);
    QStringList firstCells() const { return m_first; }
    QStringList secondCells() const { return m_second; }
    /** Names shown above the grid (may be empty). */
    void setNames(const QString &first, const QString &second);
    /** The captions of the two sides, left then right: the persons' names. */
    QStringList sideCaptions() const;
    void clearCells();

    QSize sizeHint() const override;

    // Each cell by label, with both persons' values.
    QString panelName() const override { return QStringLiteral("Compatibility matrix"); }
    int rowCount() const override;
    QString rowName(int row) const override;
    QString rowValue(int row) const override;
    QRect rowRect(int row) const override;

public slots:
    void updateData();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CTheme *m_theme = nullptr;
    QStringList m_first;
    QStringList m_second;
    QString m_firstName;
    QString m_secondName;
};
