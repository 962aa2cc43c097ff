#pragma once

#include "chart/chartitem.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>

#include <memory>
#include <vector>

/**
 * A page of a chart, or a reusable block (same record). Sizes are in page
 * units of a quarter millimetre; items are stacked bottom (first) to top (last).
 */
class ChartPage
{
public:
    ChartPage();
    ChartPage(const ChartPage &) = delete;
    ChartPage &operator=(const ChartPage &) = delete;

    /** A4 in page units. */
    static constexpr double kDefaultWidth = 840.0;
    static constexpr double kDefaultHeight = 1188.0;
    /** Background mode that draws nothing. */
    static constexpr quint8 kNoBackground = 255;

    /** Identity unique within the run; block references name their block by it. */
    quint64 id() const { return m_id; }

    /** Appends @p frame on top and returns it. */
    ChartItem *addItem(std::unique_ptr<ChartItem> frame);
    /** Removes and returns the frame item at @p index (null when out of range). */
    std::unique_ptr<ChartItem> takeItem(int index);
    int indexOf(const ChartItem *frame) const;

    /** True when a content is of kind 5, 7 or 10: the page consumes a record. */
    bool isRecordBound() const;
    /** Content items of kind 8 in stacking order. */
    QList<ChartItem *> blockReferences() const;

    QString imagesDir;
    std::vector<std::unique_ptr<ChartItem>> items;
    QImage preview;
    QSizeF size{kDefaultWidth, kDefaultHeight};
    QString name;
    int pageCount = 0;
    int reserved = 0;
    QColor backgroundColor{Qt::white};
    QImage backgroundImage;
    quint8 backgroundMode = kNoBackground;

private:
    quint64 m_id;
};
