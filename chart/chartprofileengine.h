#pragma once

#include "chart/chartprofile.h"

class CNumerology;
class CNumerologyPMatrix;

/**
 * The chart's view of a calculated person: names as typed, dates, the name
 * rows and every panel value written as the main window's panels show them.
 * @p matrix may be null (no psychomatrix then).
 */
ChartProfile chartProfileFromEngine(const CNumerology &engine, const CNumerologyPMatrix *matrix,
                                    const QString &fullName, const QString &shortName);
