#include "reportedit/clayouteditmodel.h"

CLayoutEditModel::CLayoutEditModel(const CReportLayoutList &list, QObject *parent)
    : QObject(parent), m_list(list)
{
    for (int i = 0; i < m_list.count(); ++i)
        m_ids.append(newId());
}

quint64 CLayoutEditModel::idAt(int index) const
{
    return index >= 0 && index < m_ids.size() ? m_ids.at(index) : 0;
}

int CLayoutEditModel::indexOfId(quint64 id) const
{
    return id ? m_ids.indexOf(id) : -1;
}

void CLayoutEditModel::setLayout(int index, const CReportLayout &layout)
{
    if (index < 0 || index >= m_list.count())
        return;
    m_list[index] = layout;
    emit layoutChanged(index);
}

void CLayoutEditModel::setContent(quint64 id, const CReportLayout &layout)
{
    const int index = indexOfId(id);
    if (index < 0)
        return;
    CReportLayout content = layout;
    content.name = m_list.at(index).name;
    setLayout(index, content);
}

void CLayoutEditModel::insertLayout(int index, quint64 id, const CReportLayout &layout)
{
    if (!id || m_ids.contains(id))
        return;
    index = qBound(0, index, m_list.count());
    m_list.insert(index, layout);
    m_ids.insert(index, id);
    emit listChanged();
    emit layoutInserted(index);
}

void CLayoutEditModel::removeLayout(quint64 id)
{
    const int index = indexOfId(id);
    if (index < 0)
        return;
    m_list.removeAt(index);
    m_ids.removeAt(index);
    emit listChanged();
}

void CLayoutEditModel::renameLayout(quint64 id, const QString &name)
{
    const int index = indexOfId(id);
    if (index < 0)
        return;
    m_list[index].name = name;
    emit listChanged();
}

bool CLayoutEditModel::moveField(CReportLayout &layout, int kind, int from, int gap)
{
    if (kind < 0 || kind >= RKCount)
        return false;
    QList<CReportFieldItem> &l = layout.lists[kind];
    if (from < 0 || from >= l.size() || gap < 0 || gap > l.size())
        return false;
    // Dropping a field into the gap beside itself changes nothing.
    if (gap == from || gap == from + 1)
        return false;
    const CReportFieldItem item = l.takeAt(from);
    l.insert(gap > from ? gap - 1 : gap, item);
    return true;
}

bool CLayoutEditModel::insertField(CReportLayout &layout, int kind, int gap, const CReportFieldItem &item)
{
    if (kind < 0 || kind >= RKCount)
        return false;
    QList<CReportFieldItem> &l = layout.lists[kind];
    l.insert(qBound(0, gap, l.size()), item);
    return true;
}

bool CLayoutEditModel::removeField(CReportLayout &layout, int kind, int index)
{
    if (kind < 0 || kind >= RKCount)
        return false;
    QList<CReportFieldItem> &l = layout.lists[kind];
    if (index < 0 || index >= l.size())
        return false;
    l.removeAt(index);
    return true;
}
