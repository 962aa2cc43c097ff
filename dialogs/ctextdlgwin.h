#pragma once

#include "dialogs/cdlgwin.h"
#include <QFont>

class CTextDlg;
class CTheme;

/**
 * The window of the font chooser. Escape, Return and Enter do not close it;
 * only its "Ok" and "Cancel" buttons do.
 *
 * Use: CTextDlgWin dlg(font, sample, theme, parent); if (dlg.exec() ==
 * QDialog::Accepted) font = dlg.font();
 */
class CTextDlgWin : public CDlgWin
{
    Q_OBJECT
public:
    /** @p pixels: sizes in pixels (see CTextDlg). */
    CTextDlgWin(const QFont &font, const QString &sample, const CTheme *theme = nullptr,
                QWidget *parent = nullptr, bool pixels = false);

    /** The chosen font; the initial one after Cancel. */
    QFont font() const;
    CTextDlg *content() const { return m_dlg; }


private slots:
    void OnFinished(bool ok);

private:
    CTextDlg *m_dlg = nullptr;
    QFont m_initial;
};
