#include "chart/chartrender.h"

#include "chart/chartdocument.h"
#include "chart/chartpainter.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kUnitsPerPixel = 1.334;
constexpr qint64 kMaxPicturePixels = 60'000'000;

QImage blankResult()
{
    QImage blank(10, 10, QImage::Format_ARGB32);
    blank.fill(Qt::white);
    return blank;
}
} // namespace

void walkChartPages(const QList<ChartProfile> &records, const ChartDocument &doc,
                    const std::function<bool(const ChartPage &, const ChartDrawContext &)> &draw)
{
    if (records.isEmpty())
        return;
    int pageNumber = 1;
    if (records.size() == 1) {
        // One person: every page once, each label and block showing that person.
        ChartDrawContext ctx;
        ctx.print = true;
        ctx.profile = &records.first();
        for (const auto &set : doc.pageSets) {
            for (const auto &pagePtr : set) {
                ctx.pageNumber = pageNumber++;
                if (!draw(*pagePtr, ctx))
                    return;
            }
        }
        return;
    }
    int recordIndex = 0;
    for (const auto &set : doc.pageSets) {
        for (const auto &pagePtr : set) {
            const ChartPage &page = *pagePtr;
            const int limit = page.pageCount == 0 ? 1000000 : page.pageCount;
            const bool pageBound = page.isRecordBound();
            QList<ChartItem *> boundRefs;
            for (ChartItem *ref : page.blockReferences()) {
                if (ref->linkedBlock && ref->linkedBlock->isRecordBound())
                    boundRefs << ref;
            }
            std::stable_sort(boundRefs.begin(), boundRefs.end(),
                             [](const ChartItem *a, const ChartItem *b) { return a->order < b->order; });
            for (int n = 0; n < limit && recordIndex < records.size(); ++n) {
                QHash<const ChartItem *, const ChartProfile *> refRecords;
                for (int k = 0; k < boundRefs.size(); ++k) {
                    const int index = recordIndex + k;
                    refRecords.insert(boundRefs.at(k),
                                      index < records.size() ? &records.at(index) : nullptr);
                }
                ChartDrawContext ctx;
                ctx.print = true;
                ctx.profile = &records.at(recordIndex);
                ctx.pageNumber = pageNumber;
                const ChartProfile *first = &records.first();
                ctx.blockProfile = [&refRecords, first](const ChartItem &ref) {
                    return refRecords.value(&ref, first);
                };
                if (!draw(page, ctx))
                    return;
                ++pageNumber;
                const int consumed = std::max(pageBound ? 1 : 0, int(boundRefs.size()));
                if (consumed == 0)
                    break; // a page that used no record is not repeated
                recordIndex += consumed;
            }
        }
    }
}

QSize chartPictureSize(const ChartDocument &doc, const QSize &requestedSize)
{
    if (!doc.currentPage || doc.currentPage->size.isEmpty())
        return QSize(10, 10);
    QSizeF base(int(doc.currentPage->size.width() / kUnitsPerPixel),
                int(doc.currentPage->size.height() / kUnitsPerPixel));
    if (base.isEmpty())
        return QSize(10, 10);
    QSizeF size = requestedSize.width() <= 0 && requestedSize.height() <= 0
                      ? base * 4
                      : fitSize(base, requestedSize);
    // A huge page must not ask for gigabytes.
    const double pixels = size.width() * size.height();
    if (pixels > double(kMaxPicturePixels))
        size *= std::sqrt(double(kMaxPicturePixels) / pixels);
    QSize result = size.toSize();
    return result.expandedTo(QSize(1, 1));
}

int chartPageCount(const QList<ChartProfile> &records, const ChartDocument &doc)
{
    int count = 0;
    walkChartPages(records, doc, [&count](const ChartPage &, const ChartDrawContext &) {
        ++count;
        return true;
    });
    return count;
}

void renderChartPictures(const QList<ChartProfile> &records, const ChartDocument &doc,
                         const QSize &requestedSize,
                         const std::function<bool(const QImage &)> &keep)
{
    if (!doc.currentPage || records.isEmpty())
        return;
    const QSize size = chartPictureSize(doc, requestedSize);
    walkChartPages(records, doc, [&](const ChartPage &page, const ChartDrawContext &ctx) {
        return keep(renderPagePicture(page, size, ctx));
    });
}

QList<QImage> renderChartPages(const QList<ChartProfile> &records, const ChartDocument &doc,
                               const QSize &requestedSize, int maxPages)
{
    QList<QImage> pages;
    renderChartPictures(records, doc, requestedSize, [&pages, maxPages](const QImage &picture) {
        pages << picture;
        return pages.size() < maxPages;
    });
    return pages;
}

QImage renderChart(const QList<ChartProfile> &records, const ChartDocument &doc,
                   const QSize &requestedSize)
{
    QImage result = blankResult();
    renderChartPictures(records, doc, requestedSize, [&result](const QImage &picture) {
        result = picture;
        return true;
    });
    return result;
}
