#pragma once

#include <QString>

/** Folders the program works in. Each call computes the answer afresh. */
namespace AppPaths {

/** Temporary location minus its last five characters ("/Temp" on the desktop
 *  platform this layout was made for), without a trailing separator. */
QString configFolder();

/** Documents location + "/Qzarel Numerology". */
QString userFolder();

/** Data folder (beside the executable or the installed share folder) + "/images/templates": read-only sample charts. */
QString templateFolder();

/** configFolder() + "/qznum_prem.cfg". */
QString stateFilePath();

/** configFolder() + "/qznum6.num". */
QString autoPersonFilePath();

/**
 * Copies every "*.qnr" of @p templates that @p user does not already hold
 * (exact, case-sensitive name comparison). Existing files are never replaced.
 * Returns the number of files copied; failures are skipped silently.
 */
int copySampleCharts(const QString &templates, const QString &user);

} // namespace AppPaths
