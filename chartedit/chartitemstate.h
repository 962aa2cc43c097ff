#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QSizeF>
#include <QString>
#include <QTransform>
#include <QVector>

class ChartItem;
class ChartPage;

/**
 * Where a frame item sits and how it is turned: the frame's transform,
 * rotation, size and outline and its content's transform, rotation and size.
 * Moves, resizes, rotations and content shifts change only these.
 */
struct ChartItemGeometry {
    QTransform transform;
    double rotation = 0.0;
    QSizeF size;
    QPainterPath outline;
    bool hasContent = false;
    QTransform contentTransform;
    double contentRotation = 0.0;
    QSizeF contentSize;

    static ChartItemGeometry capture(const ChartItem &frame);
    void apply(ChartItem &frame) const;
    bool operator==(const ChartItemGeometry &o) const;
    bool operator!=(const ChartItemGeometry &o) const { return !(*this == o); }
};

/**
 * The stored properties of a page or block (not its item list) with the
 * geometry of its items, so that an edit that resizes a page and pushes its
 * items back inside can be undone as one step.
 */
struct ChartPageState {
    QString name;
    QSizeF size;
    int pageCount = 0;
    int reserved = 0;
    QColor backgroundColor;
    QImage backgroundImage;
    quint8 backgroundMode = 255;
    QVector<QPair<ChartItem *, ChartItemGeometry>> geometry;

    static ChartPageState capture(const ChartPage &page);
    /** Restores the properties and the geometry of the items still on the page. */
    void apply(ChartPage &page) const;
    bool operator==(const ChartPageState &o) const;
};
