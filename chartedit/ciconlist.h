#pragma once

#include <QList>
#include <QWidget>

class ChartPage;
class CILContainer;
class CILItem;
class CTheme;

/**
 * A vertical strip of page or block entries with thumbnails. Clicking selects
 * an entry; dragging it inside the strip reorders; dragging it out drops it
 * elsewhere (the creator places blocks on the canvas this way).
 */
class CIconList : public QWidget
{
    Q_OBJECT
public:
    explicit CIconList(QWidget *parent = nullptr);

    void setTheme(const CTheme *theme);

    /** Appends an entry for @p page and returns it. */
    CILItem *addItem(ChartPage *page, const QImage &thumbnail, const QString &caption,
                     const QString &countText);
    /** Removes and deletes the entry. */
    void removeItem(CILItem *item);
    void clear();

    /** Entries in strip order. */
    QList<CILItem *> items() const;
    QList<ChartPage *> pages() const;
    CILItem *itemFor(const ChartPage *page) const;
    CILItem *selectedItem() const;
    /** Selects @p item alone (null: nothing) and scrolls it into view. */
    void setSelectedItem(CILItem *item);
    /** Moves an entry as a drop inside the strip would, emitting signalItemDrop(). */
    bool moveItem(int from, int to);
    /**
     * Ends a drag of @p item that left the strip at the global point
     * @p globalPos: emits itemDropped().
     */
    void dropOutside(CILItem *item, const QPoint &globalPos);

    CILContainer *container() const { return m_container; }

signals:
    void itemSelected(CILItem *item);
    void itemDropped(CILItem *item, QPoint globalPos);
    void signalItemDrop();
    void startDD();

public slots:
    void OnItemClicked(CILItem *item);
    void OnStartDD(CILItem *item);
    void OnItemMoved(int from, int to);

private:
    CILContainer *m_container = nullptr;
    const CTheme *m_theme = nullptr;
};
