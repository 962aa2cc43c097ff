#include "chartedit/cviewflagcommand.h"

#include "chart/chartdocument.h"
#include "chartedit/charteditsession.h"

namespace {
QString flagText(CViewFlagCommand::Flag flag)
{
    switch (flag) {
    case CViewFlagCommand::Grid:
        return QStringLiteral("Show Grid");
    case CViewFlagCommand::Snap:
        return QStringLiteral("Snap to Grid");
    case CViewFlagCommand::Boundaries:
        break;
    }
    return QStringLiteral("Boundaries");
}
} // namespace

CViewFlagCommand::CViewFlagCommand(ChartEditSession *session, Flag flag, QUndoCommand *parent)
    : QUndoCommand(flagText(flag), parent), m_session(session), m_flag(flag)
{
}

void CViewFlagCommand::toggle()
{
    ChartDocument *doc = m_session->document();
    bool &value = m_flag == Grid ? doc->showGrid
                                 : (m_flag == Snap ? doc->snapToGrid : doc->showBoundaries);
    value = !value;
    m_session->announceDocument();
}
