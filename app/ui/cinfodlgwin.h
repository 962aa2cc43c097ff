#pragma once

#include "dialogs/cdlgwin.h"

class CInfoDlg;
class CTheme;

/**
 * Host of the question box. Escape, Return and Enter do nothing here, so only
 * "Yes" and "No" (or the close button) answer.
 */
class CInfoDlgWin : public CDlgWin
{
    Q_OBJECT
public:
    CInfoDlgWin(CTheme *theme, const QString &title, const QString &text, QWidget *parent = nullptr);

    /** 0 when the user answered "Yes", non-zero otherwise. */
    int answer() const { return m_answer; }

    /** Asks and returns 0 for "Yes". */
    static int ask(CTheme *theme, const QString &title, const QString &text, QWidget *parent);

public slots:
    void OnAnswered(int result);

private:
    CInfoDlg *m_content = nullptr;
    int m_answer = 1;
};
