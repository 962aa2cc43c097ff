#pragma once

#include "chartedit/creportcreatorpane.h"

/** The creator's right column: the properties. */
class CReportCreatorW3 : public CReportCreatorPane
{
    Q_OBJECT
public:
    using CReportCreatorPane::CReportCreatorPane;
};
