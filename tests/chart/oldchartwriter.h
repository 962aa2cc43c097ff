#pragma once

#include <QByteArray>

class ChartDocument;

/**
 * Writes a chart in the layout of an older file version (257 .. 263): the
 * fields that version did not have are left out, as the program of that time
 * wrote them. Used to make and check the old-version samples in
 * tests/data/charts (see the README there).
 */
QByteArray writeOldChart(ChartDocument &doc, int version);
