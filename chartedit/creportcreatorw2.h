#pragma once

#include "chartedit/creportcreatorpane.h"

/** The creator's middle column: the canvas. */
class CReportCreatorW2 : public CReportCreatorPane
{
    Q_OBJECT
public:
    using CReportCreatorPane::CReportCreatorPane;
};
