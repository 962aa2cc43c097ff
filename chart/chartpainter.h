#pragma once

#include "chart/chartitem.h"
#include "chart/chartpage.h"
#include "chart/chartprofile.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <functional>

/** What the drawing of a page or item needs besides the page itself. */
/**
 * A page stops drawing further items once it has used its share of processor
 * time, so that no chart can keep the program or a print run busy for long;
 * a page cut short gets a mark in its corner.
 */
class ChartDrawBudget
{
public:
    /** @p seconds of this thread's processor time from now. */
    explicit ChartDrawBudget(double seconds);
    /** True once the time is used up (checked between items). */
    bool isSpent();
    /** Whether drawing was stopped early. */
    bool wasSpent() const { return m_spent; }

private:
    double m_end = 0;
    bool m_spent = false;
};

/** Processor time a page picture may take before drawing stops. */
double defaultPageDrawSeconds();

/** Outlines with more points than this are drawn without antialiasing and dashes. */
constexpr int kComplexPathElements = 64;

struct ChartDrawContext {
    /** The person the data fields and panels show; null draws captions only. */
    const ChartProfile *profile = nullptr;
    /** Print form (printing, page pictures, previews) rather than the screen. */
    bool print = true;
    /** Screen only: item outlines in the boundary colour. */
    bool showBoundaries = false;
    QColor boundaryColor{180, 180, 180};
    /** Printed by "#pagenumber". */
    int pageNumber = 1;
    /** Chooses the record of a block reference while rendering; null keeps @ref profile. */
    std::function<const ChartProfile *(const ChartItem &reference)> blockProfile;
    /** Nesting depth of block references being drawn (guards against cycles). */
    int depth = 0;
    /**
     * Processor time after which no further item of the page is drawn (see
     * ChartDrawBudget); null draws everything.
     */
    ChartDrawBudget *budget = nullptr;
};

/** Deepest nesting of block references that is drawn. */
constexpr int kMaxBlockDepth = 4;

/**
 * Draws a page in page units through the painter's current transform: the
 * background, then every frame item bottom first, clipped to the page.
 */
void drawChartPage(QPainter &p, const ChartPage &page, const ChartDrawContext &ctx);

/** Draws a page background (mode 255 nothing, 1 picture, 2 stretched, else colour). */
void drawPageBackground(QPainter &p, const ChartPage &page);

/** Draws one frame item: its content clipped to the outline, then the frame line. */
void drawFrameItem(QPainter &p, const ChartItem &frame, const ChartDrawContext &ctx);

/**
 * Draws one content item in its frame's coordinates (the painter already
 * carries the frame's transform); the content rectangle is the frame's size.
 */
void drawContent(QPainter &p, const ChartItem &content, const ChartDrawContext &ctx);

/**
 * A picture of @p page drawn in print form on white, fitted into @p pictureSize
 * keeping its proportions and centred.
 */
QImage renderPagePicture(const ChartPage &page, const QSize &pictureSize,
                         const ChartDrawContext &ctx);

/**
 * A barcode text with the person's values in place of the data-field codes it
 * names ("#full_name", "#short_name", "#numerologist", "#birthdate",
 * "#print_date" and the core-number codes of chartNumberFields()), so a
 * barcode can carry the record it is printed for.
 * Without a profile the text is returned as typed.
 */
QString substituteFieldCodes(const QString &text, const ChartProfile *profile);

/** Size that fits @p size into @p bounds keeping its proportions. */
QSizeF fitSize(const QSizeF &size, const QSizeF &bounds);
