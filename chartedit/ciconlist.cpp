#include "chartedit/ciconlist.h"

#include "chartedit/cilcontainer.h"
#include "chartedit/cilcontainerwidget.h"
#include "chartedit/cilitem.h"
#include "engine/checkedconnect.h"

#include <QCursor>
#include <QDataStream>
#include <QDrag>
#include <QMimeData>
#include <QVBoxLayout>

CIconList::CIconList(QWidget *parent) : QWidget(parent)
{
    m_container = new CILContainer(this);
    m_container->column()->setOwnerTag(quint64(quintptr(this)));
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_container);
    resize(100, 300);
    qz::checkedConnect(m_container->column(), SIGNAL(itemMoved(int, int)), this, SLOT(OnItemMoved(int, int)));
}

void CIconList::setTheme(const CTheme *theme)
{
    m_theme = theme;
    for (CILItem *item : items())
        item->setTheme(theme);
}

CILItem *CIconList::addItem(ChartPage *page, const QImage &thumbnail, const QString &caption,
                            const QString &countText)
{
    auto *item = new CILItem(page);
    item->setTheme(m_theme);
    item->setThumbnail(thumbnail);
    item->setCaption(caption);
    item->setCountText(countText);
    qz::checkedConnect(item, SIGNAL(clicked(CILItem *)), this, SLOT(OnItemClicked(CILItem *)));
    qz::checkedConnect(item, SIGNAL(startDD(CILItem *)), this, SLOT(OnStartDD(CILItem *)));
    m_container->column()->insertItem(m_container->column()->items().size(), item);
    return item;
}

void CIconList::removeItem(CILItem *item)
{
    if (!item || !items().contains(item))
        return;
    m_container->column()->takeItem(item);
    item->deleteLater();
    item->hide();
}

void CIconList::clear()
{
    for (CILItem *item : items())
        removeItem(item);
}

QList<CILItem *> CIconList::items() const
{
    return m_container->column()->items();
}

QList<ChartPage *> CIconList::pages() const
{
    QList<ChartPage *> result;
    for (CILItem *item : items())
        result << item->page();
    return result;
}

CILItem *CIconList::itemFor(const ChartPage *page) const
{
    for (CILItem *item : items()) {
        if (item->page() == page)
            return item;
    }
    return nullptr;
}

CILItem *CIconList::selectedItem() const
{
    for (CILItem *item : items()) {
        if (item->isSelected())
            return item;
    }
    return nullptr;
}

void CIconList::setSelectedItem(CILItem *item)
{
    for (CILItem *entry : items())
        entry->setSelected(entry == item);
    if (item)
        m_container->ensureWidgetVisible(item, 0, 4);
}

bool CIconList::moveItem(int from, int to)
{
    if (!m_container->column()->moveItem(from, to))
        return false;
    emit signalItemDrop();
    return true;
}

void CIconList::dropOutside(CILItem *item, const QPoint &globalPos)
{
    if (item && items().contains(item))
        emit itemDropped(item, globalPos);
}

void CIconList::OnItemClicked(CILItem *item)
{
    setSelectedItem(item);
    emit itemSelected(item);
}

void CIconList::OnStartDD(CILItem *item)
{
    const int index = items().indexOf(item);
    if (index < 0)
        return;
    emit startDD();
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out << m_container->column()->ownerTag() << qint32(index);
    auto *mime = new QMimeData;
    mime->setData(CILContainerWidget::mimeType(), data);
    auto *drag = new QDrag(item);
    drag->setMimeData(mime);
    if (!item->thumbnail().isNull())
        drag->setPixmap(QPixmap::fromImage(item->thumbnail().scaled(48, 48, Qt::KeepAspectRatio,
                                                                   Qt::SmoothTransformation)));
    const Qt::DropAction action = drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
    // A move was taken by the strip itself; anything else ended elsewhere.
    if (action != Qt::MoveAction)
        dropOutside(item, QCursor::pos());
}

void CIconList::OnItemMoved(int, int)
{
    emit signalItemDrop();
}
