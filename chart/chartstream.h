#pragma once

#include <QColor>
#include <QDataStream>
#include <QFont>
#include <QImage>
#include <QPainterPath>

class ChartItem;
class ChartPage;

/**
 * Readers and writers of the records of a chart file. Readers treat the data
 * as hostile: every count is capped, pictures are size-checked before they are
 * decoded, values that would upset drawing are replaced by sane ones, and a
 * stream that ends early stops the reader.
 */
namespace chartstream {

/** Limits shared by all records of one load. */
struct Budget {
    qint64 pixels = 120'000'000; ///< decoded picture pixels left
    int items = 200'000;         ///< items left
    int pages = 1'000;           ///< pages and blocks left (each gets a preview)
    int damagedPictures = 0;     ///< pictures whose data could not be decoded
    int droppedPaths = 0;        ///< outlines over kMaxDrawnPathElements, left out
};

constexpr int kMaxPathElements = 100'000;
/**
 * Outlines with more points than this are read past but left out: Qt needs
 * seconds per item to rasterise a path this complex at print resolution, and
 * shapes drawn in a chart need a few dozen points.
 */
constexpr int kMaxDrawnPathElements = 1'000;
constexpr int kMaxImageSide = 16'384;
constexpr qint64 kMaxImagePixels = 60'000'000;
constexpr qint64 kMaxPngBytes = 256LL * 1024 * 1024;

void writeItem(QDataStream &s, const ChartItem &item);
void writePage(QDataStream &s, const ChartPage &page);

/** Reads an item record of a file of @p version; false when the stream failed. */
bool readItem(QDataStream &s, ChartItem &item, int version, Budget &budget);
/** Reads a page record with its items; false when the stream failed. */
bool readPage(QDataStream &s, ChartPage &page, int version, Budget &budget);

/** Qt's image encoding (int32 1 + PNG, or int32 0), read without trusting the data. */
bool readImage(QDataStream &s, QImage &image, Budget &budget);
/** Qt's painter path encoding, read with a capped element count. */
bool readPath(QDataStream &s, QPainterPath &path, Budget *budget = nullptr);

/**
 * Qt's colour encoding, read without trusting its colour model: a record of
 * an unknown model leaves @p colour unchanged (the stream goes on).
 */
bool readColour(QDataStream &s, QColor &colour);

/** A copy of @p font with the family, pixel size (1..2000), weight, style and a sane stretch only. */
QFont saneFont(const QFont &font);

/** Replaces non-finite or absurd geometry of a freshly read item. */
void sanitizeItem(ChartItem &item);

} // namespace chartstream
