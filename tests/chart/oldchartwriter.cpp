#include "oldchartwriter.h"

#include "chart/chartdocument.h"

#include <QDataStream>

namespace {

void writeItem(QDataStream &s, const ChartItem &item, int version)
{
    s << qint32(item.kind) << qint8(!item.fixedField) << qint8(!item.editableText)
      << item.auxText << item.fieldCode << item.transform << double(item.rotation) << item.size
      << item.outline << item.textColor << item.naturalSize << item.image << qint8(!item.flagA)
      << qint8(!item.isFrame) << item.text << item.font << qint64(item.alignment)
      << qint32(item.lineStyle) << double(item.lineWidth) << item.lineColor
      << qint32(item.imageNumber) << qint32(item.frameStyle) << item.frameColor
      << qint32(item.fitTo);
    if (version >= 258)
        s << qint32(item.order);
    if (version >= 260)
        s << qint32(item.partSelector);
    if (version >= 261)
        s << qint32(item.barcodeType);
    if (version >= 263)
        s << item.background;
}

void writePage(QDataStream &s, const ChartPage &page, int version)
{
    s << double(page.size.width()) << double(page.size.height());
    if (version >= 258)
        s << page.name << qint32(page.pageCount) << qint32(page.reserved);
    if (version >= 259)
        s << page.backgroundColor << quint8(page.backgroundMode) << page.backgroundImage;
    s << qint32(page.items.size());
    for (const auto &frame : page.items) {
        writeItem(s, *frame, version);
        s << qint8(frame->content ? 1 : 0);
        if (frame->content)
            writeItem(s, *frame->content, version);
    }
}

} // namespace

QByteArray writeOldChart(ChartDocument &doc, int version)
{
    doc.renumberBlockReferences();
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_4_6);
    s << "PlexariumReportFile->";
    s << qint32(version) << doc.title << qint32(1);
    s << doc.pageSets.front().front()->preview;
    if (version >= 257) {
        s << qint32(doc.showGrid) << qint32(doc.snapToGrid);
        if (version >= 262)
            s << qint32(doc.showBoundaries);
        s << doc.gridStepX << doc.gridStepY;
    }
    if (version >= 258) {
        s << qint32(doc.blocks.size());
        for (const auto &block : doc.blocks)
            writePage(s, *block, version);
    }
    s << qint32(doc.pageSets.size());
    for (const auto &set : doc.pageSets) {
        s << qint32(set.size());
        for (const auto &page : set)
            writePage(s, *page, version);
    }
    return bytes;
}
