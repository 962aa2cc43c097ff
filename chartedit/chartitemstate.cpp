#include "chartedit/chartitemstate.h"

#include "chart/chartitem.h"
#include "chart/chartpage.h"

ChartItemGeometry ChartItemGeometry::capture(const ChartItem &frame)
{
    ChartItemGeometry g;
    g.transform = frame.transform;
    g.rotation = frame.rotation;
    g.size = frame.size;
    g.outline = frame.outline;
    if (frame.content) {
        g.hasContent = true;
        g.contentTransform = frame.content->transform;
        g.contentRotation = frame.content->rotation;
        g.contentSize = frame.content->size;
    }
    return g;
}

void ChartItemGeometry::apply(ChartItem &frame) const
{
    frame.transform = transform;
    frame.rotation = rotation;
    frame.size = size;
    frame.outline = outline;
    if (hasContent && frame.content) {
        frame.content->transform = contentTransform;
        frame.content->rotation = contentRotation;
        frame.content->size = contentSize;
    }
}

bool ChartItemGeometry::operator==(const ChartItemGeometry &o) const
{
    return transform == o.transform && rotation == o.rotation && size == o.size &&
           outline == o.outline && hasContent == o.hasContent &&
           contentTransform == o.contentTransform && contentRotation == o.contentRotation &&
           contentSize == o.contentSize;
}

ChartPageState ChartPageState::capture(const ChartPage &page)
{
    ChartPageState s;
    s.name = page.name;
    s.size = page.size;
    s.pageCount = page.pageCount;
    s.reserved = page.reserved;
    s.backgroundColor = page.backgroundColor;
    s.backgroundImage = page.backgroundImage;
    s.backgroundMode = page.backgroundMode;
    for (const auto &frame : page.items)
        s.geometry.append({frame.get(), ChartItemGeometry::capture(*frame)});
    return s;
}

void ChartPageState::apply(ChartPage &page) const
{
    page.name = name;
    page.size = size;
    page.pageCount = pageCount;
    page.reserved = reserved;
    page.backgroundColor = backgroundColor;
    page.backgroundImage = backgroundImage;
    page.backgroundMode = backgroundMode;
    for (const auto &entry : geometry) {
        if (page.indexOf(entry.first) >= 0)
            entry.second.apply(*entry.first);
    }
}

bool ChartPageState::operator==(const ChartPageState &o) const
{
    return name == o.name && size == o.size && pageCount == o.pageCount &&
           reserved == o.reserved && backgroundColor == o.backgroundColor &&
           backgroundMode == o.backgroundMode && backgroundImage == o.backgroundImage &&
           geometry == o.geometry;
}
