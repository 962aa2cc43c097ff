#include "chart/chartpdf.h"

#include "chart/chartdocument.h"
#include "chart/chartpainter.h"
#include "chart/chartrender.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace
{
// A damaged file may claim any page size; PDF readers refuse pages beyond 200 inches.
constexpr double kMinSideMm = 1.0;
constexpr double kMaxSideMm = 5080.0;

QPageLayout layoutFor(const ChartPage &page)
{
    const double w = qBound(kMinSideMm, page.size.width() / 4.0, kMaxSideMm);
    const double h = qBound(kMinSideMm, page.size.height() / 4.0, kMaxSideMm);
    const bool landscape = w > h;
    const QPageSize size(landscape ? QSizeF(h, w) : QSizeF(w, h), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0));
}
} // namespace

QByteArray chartPdf(const QList<ChartProfile> &records, const ChartDocument &doc, int *pageCount)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Qzarel Numerology"));
        writer.setTitle(doc.title);
        QPainter painter;
        bool failed = false;
        walkChartPages(records, doc, [&](const ChartPage &page, const ChartDrawContext &ctx) {
            // The layout of a page is fixed when it begins: set it before begin() or newPage().
            writer.setPageLayout(layoutFor(page));
            if (pages == 0 ? !painter.begin(&writer) : !writer.newPage()) {
                failed = true;
                return false;
            }
            ++pages;
            if (page.size.isEmpty())
                return true;
            painter.save();
            painter.scale(writer.width() / page.size.width(), writer.height() / page.size.height());
            ChartDrawBudget budget(defaultPageDrawSeconds());
            ChartDrawContext limited = ctx;
            limited.budget = &budget;
            drawChartPage(painter, page, limited);
            painter.restore();
            return true;
        });
        if (painter.isActive() && !painter.end())
            failed = true;
        if (failed)
            pages = 0;
    }
    if (pageCount)
        *pageCount = pages;
    return pages > 0 ? bytes : QByteArray();
}
