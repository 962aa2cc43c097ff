#pragma once

#include "chartedit/creportcreatorpane.h"

/** The creator's left column: the field tree and the strips. */
class CReportCreatorW1 : public CReportCreatorPane
{
    Q_OBJECT
public:
    using CReportCreatorPane::CReportCreatorPane;
};
