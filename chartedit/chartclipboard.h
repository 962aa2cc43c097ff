#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

class ChartDocument;
class ChartItem;

/**
 * Frame items on the system clipboard, in the chart file's own item records
 * under a MIME type of ours, so they paste across pages and between charts.
 */
namespace chartclipboard {

/** "application/x-qzarel-chart-items" */
QString mimeType();

/** The records of @p frames (with their contents), bottom first. */
QByteArray encode(const QList<ChartItem *> &frames);

/**
 * New frame items read from @p data, treated as hostile (capped and checked
 * like a chart file); empty when the data is not ours or damaged. Block
 * references are linked to the block of @p doc they name (by identity, else
 * by position); a reference to no block of @p doc is left out.
 */
std::vector<std::unique_ptr<ChartItem>> decode(const QByteArray &data, const ChartDocument &doc);

/** Copies @p frames to the system clipboard. */
void copy(const QList<ChartItem *> &frames);
/** Items on the system clipboard (decode() of its data), empty when none. */
std::vector<std::unique_ptr<ChartItem>> paste(const ChartDocument &doc);
/** True when the system clipboard holds chart items. */
bool canPaste();

} // namespace chartclipboard
