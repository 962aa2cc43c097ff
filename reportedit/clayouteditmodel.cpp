#include "reportedit/clayouteditmodel.h"

CLayoutEditModel::CLayoutEditModel(const CReportLayoutList &list, QObject *parent)
    : QObject(parent), m_list(list)
{
}

void CLayoutEditModel::setLayout(int index, const CReportLayout &layout)
{
    if (index < 0 || index >= m_list.count())
        return;
    m_list[index] = layout;
    emit layoutChanged(index);
}

void CLayoutEditModel::appendLayout(const CReportLayout &layout)
{
    m_list.append(layout);
    emit listChanged();
}

void CLayoutEditModel::removeLayout(int index)
{
    if (index < 0 || index >= m_list.count())
        return;
    m_list.removeAt(index);
    emit listChanged();
}

void CLayoutEditModel::renameLayout(int index, const QString &name)
{
    if (index < 0 || index >= m_list.count())
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
