#pragma once

#include "reports/creportfielditem.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QWidget>

class CTheme;
class CWCLItem;

/**
 * A column of fields ("Field order" or "Available fields"). Shows the rows it
 * is given, reports clicks, drops (with the gap under the drop point) and the
 * keyboard reorder keys; the report manager turns them into edits.
 */
class CWCLContainer : public QWidget
{
    Q_OBJECT
public:
    CWCLContainer(const CTheme *theme, QWidget *parent = nullptr);

    /** Shows @p items labelled by @p labels; rows are reused, never deleted here. */
    void setItems(const QList<CReportFieldItem> &items, const QStringList &labels);
    int count() const { return m_count; }
    CWCLItem *itemAt(int index) const;

    int selectedIndex() const { return m_selected; }
    /** Marks row @p index (-1: none) without emitting anything. */
    void setSelectedIndex(int index);
    /** Marks the rows @p more besides the selected one (a multiple selection). */
    void setExtraSelection(const QVector<int> &more);

    /** The gap (0..count) a drop at @p y in this widget's coordinates falls into. */
    int gapAt(int y) const;

    QSize sizeHint() const override;

signals:
    /** A row was clicked (the CWCLItem). */
    void itemSelected(void *item);
    /**
     * A field was dropped into @p gap. @p source identifies the list the drag
     * came from (compare with a list's address; 0 when unknown) and
     * @p sourceIndex its row there, else -1.
     */
    void fieldDropped(int gap, const QByteArray &data, quint64 source, int sourceIndex);
    /**
     * Ctrl+click on a row (@p range false), Shift+click or Shift+Up/Down
     * (@p range true, up to @p index): the selection grows.
     */
    void extendRequested(int index, bool range);
    void moveRequested(int index, int delta);
    void removeRequested(int index);
    /** Enter on the marked row, or a double-click on a row. */
    void activated(int index);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private slots:
    void OnItemClicked(CWCLItem *item);
    void OnItemDoubleClicked(CWCLItem *item);

private:
    void placeRows();

    const CTheme *m_theme;
    QList<CWCLItem *> m_rows;
    int m_count = 0;
    int m_selected = -1;
    QVector<int> m_extra;
    int m_lead = -1;
    int m_dropGap = -1;
};
