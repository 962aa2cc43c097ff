#pragma once

// The main window as the window tests start it: a state file that keeps the
// guide and the update check quiet, no remembered person, the default
// calculator settings, 1100x700, start-up finished and the window active.

#include "app/core/apppaths.h"
#include "app/core/appstate.h"
#include "app/ui/cqznum.h"
#include "engine/calculatorflags.h"

#include <QDateTime>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace qztest {

/** The state of a returning user: no guide at start, updates checked today. */
inline AppState quietState()
{
    AppState s;
    s.guideNotAtStart = true;
    s.lastUpdateCheck = QDateTime::currentDateTime();
    return s;
}

/** Writes @p state for the window to read at start, with no remembered person. */
inline bool prepareMainWindowState(const AppState &state = quietState())
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(AppPaths::autoPersonFilePath());
    calculatorFlags() = CalculatorFlags::defaults();
    return writeStateFile(AppPaths::stateFilePath(), state);
}

/**
 * Makes and shows the window in @p win (with @p startFile as if named on the
 * command line) and waits until its start-up finished and it is active, so
 * keys and shortcuts reach it. False when it never got there.
 */
inline bool startMainWindow(std::unique_ptr<CQZNum> &win, const QString &startFile = QString())
{
    win.reset(new CQZNum(nullptr, 10));
    if (!startFile.isEmpty())
        win->setStartFile(startFile);
    win->resize(1100, 700);
    win->show();
    CQZNum *w = win.get();
    return QTest::qWaitFor([w] { return w->startUpFinished(); }, 30000) && QTest::qWaitForWindowActive(w, 30000);
}

} // namespace qztest
