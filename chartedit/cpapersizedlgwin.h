#pragma once

#include "chartedit/cpapersizedlg.h"

#include "dialogs/cdlgwin.h"

class CTheme;

/**
 * Host of the paper-size dialog: fixed size, centred on its owner. Escape,
 * Return and Enter do nothing, so only "Ok" and "Cancel" answer.
 */
class CPaperSizeDlgWin : public CDlgWin
{
    Q_OBJECT
public:
    CPaperSizeDlgWin(CPaperSizeDlg::Variant variant, bool screenUnits, CTheme *theme,
                     QWidget *parent = nullptr);

    CPaperSizeDlg *content() const { return m_content; }

public slots:
    void OnFinished();


private:
    CPaperSizeDlg *m_content = nullptr;
};
