#pragma once

#include <QList>
#include <QWidget>

class CILItem;
class QMimeData;

/**
 * The column of entries inside an icon strip. Lays them out top to bottom at
 * the strip's width and takes drops of its own strip's entries to reorder them.
 */
class CILContainerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CILContainerWidget(QWidget *parent = nullptr);

    /** Mime type of a dragged entry: the strip's identity and the entry's index. */
    static QString mimeType();

    /** A tag naming the strip that owns this column, written into its drags. */
    void setOwnerTag(quint64 tag) { m_ownerTag = tag; }
    quint64 ownerTag() const { return m_ownerTag; }

    const QList<CILItem *> &items() const { return m_items; }
    void insertItem(int index, CILItem *item);
    /** Takes the entry out of the column (the caller owns it then). */
    void takeItem(CILItem *item);
    /** Moves the entry at @p from so that it ends at @p to; false when nothing moved. */
    bool moveItem(int from, int to);
    /** The index an entry dropped at @p y (column coordinates) lands on. */
    int dropIndexAt(int y) const;
    /** Lays the entries out at @p width, each at most @p maxHeight high (0: no limit). */
    void relayout(int width, int maxHeight = -1);

signals:
    /** An entry of this strip was dropped at a new place. */
    void itemMoved(int from, int to);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool ownDrag(const QMimeData *mime, int *index = nullptr) const;

    QList<CILItem *> m_items;
    quint64 m_ownerTag = 0;
    int m_entryWidth = 100;
    int m_maxHeight = 0;
    int m_dropMarker = -1;
};
