#pragma once

#include <QImage>
#include <QString>

/** Number of report pictures (res01 .. res39). */
constexpr int kReportPictures = 39;

/** Report picture @p number (1..39), 300 x 200. */
QImage reportPicture(int number);
/** Its section caption, e.g. "LIFE PATH". */
QString reportCaption(int number);
