#include "chartedit/citempropertiescommand.h"

#include "chart/chartdocument.h"
#include "chart/chartstream.h"
#include "chartedit/charteditsession.h"
#include "chartedit/commandsupport.h"


namespace {
QByteArray serialized(const ChartItem &item)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    chartstream::writeItem(s, item);
    if (item.content)
        chartstream::writeItem(s, *item.content);
    return bytes;
}
} // namespace

CItemPropertiesCommand::CItemPropertiesCommand(ChartEditSession *session, const QString &text,
                                               QUndoCommand *parent)
    : QUndoCommand(text, parent), m_session(session)
{
}

CItemPropertiesCommand::CItemPropertiesCommand(ChartEditSession *session, ChartItem *frame,
                                               std::unique_ptr<ChartItem> before,
                                               const QString &text, QUndoCommand *parent)
    : CItemPropertiesCommand(session, text, parent)
{
    addItem(frame, std::move(before));
}

CItemPropertiesCommand::~CItemPropertiesCommand() = default;

void CItemPropertiesCommand::addItem(ChartItem *frame, std::unique_ptr<ChartItem> before)
{
    if (!frame || !before)
        return;
    auto after = frame->clone();
    frame->assignState(*before);
    m_entries.push_back({frame, std::move(before), std::move(after)});
}

bool CItemPropertiesCommand::unchanged() const
{
    for (const auto &e : m_entries) {
        if (serialized(*e.before) != serialized(*e.after) ||
            e.before->linkedBlock != e.after->linkedBlock)
            return false;
    }
    return true;
}

void CItemPropertiesCommand::announce()
{
    QList<ChartItem *> items;
    for (const auto &e : m_entries)
        items << e.item;
    m_session->announceItems(commandsupport::pageOf(*m_session->document(), items.first()), items);
}

void CItemPropertiesCommand::undo()
{
    for (auto &e : m_entries)
        e.item->assignState(*e.before);
    announce();
}

void CItemPropertiesCommand::redo()
{
    if (m_entries.empty() || unchanged()) {
        setObsolete(true);
        return;
    }
    for (auto &e : m_entries)
        e.item->assignState(*e.after);
    announce();
}

bool CItemPropertiesCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const CItemPropertiesCommand *>(other);
    if (m_mergeKey == 0 || next->m_mergeKey != m_mergeKey ||
        next->m_entries.size() != m_entries.size())
        return false;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].item != next->m_entries[i].item)
            return false;
    }
    for (size_t i = 0; i < m_entries.size(); ++i)
        m_entries[i].after = next->m_entries[i].after->clone();
    setObsolete(unchanged());
    return true;
}
