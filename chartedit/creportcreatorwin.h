#pragma once

#include "chart/chartprofile.h"

#include "dialogs/cdlgwin.h"

class CReportCreator;
class CTheme;

/**
 * The window of the chart creator, run modally. Escape, Return and Enter do
 * not close it; closing asks about unsaved changes first. It remembers its
 * size and column widths in a state file when one is given.
 */
class CReportCreatorWin : public CDlgWin
{
    Q_OBJECT
public:
    CReportCreatorWin(const ChartProfile &profile, int mode, CTheme *theme,
                      QWidget *parent = nullptr);

    CReportCreator *creator() const { return m_creator; }

    /** Where size and column widths are kept; restores them now when the file holds them. */
    void setStateFile(const QString &path);

public slots:
    void OnCloseRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    void saveState() const;

    CReportCreator *m_creator = nullptr;
    QString m_statePath;
};
