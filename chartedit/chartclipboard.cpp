#include "chartedit/chartclipboard.h"

#include "chart/chartdocument.h"
#include "chart/chartstream.h"

#include <QClipboard>
#include <QDataStream>
#include <QGuiApplication>
#include <QMimeData>

namespace chartclipboard {

namespace {
const char kMagic[] = "QZCLIP";
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_4_6;
constexpr qint32 kMaxItems = 10'000;

ChartPage *blockFor(const ChartDocument &doc, const ChartItem &ref)
{
    for (const auto &block : doc.blocks) {
        if (QString::number(block->id()) == ref.fieldCode)
            return block.get();
    }
    // From another chart: the block at the same place in its list.
    if (ref.imageNumber >= 0 && ref.imageNumber < int(doc.blocks.size()))
        return doc.blocks[size_t(ref.imageNumber)].get();
    return nullptr;
}
} // namespace

QString mimeType()
{
    return QStringLiteral("application/x-qzarel-chart-items");
}

QByteArray encode(const QList<ChartItem *> &frames)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(kStreamVersion);
    s.writeRawData(kMagic, int(sizeof kMagic));
    s << qint32(ChartDocument::kFileVersion) << qint32(frames.size());
    for (const ChartItem *frame : frames) {
        chartstream::writeItem(s, *frame);
        s << qint8(frame->content ? 1 : 0);
        if (frame->content)
            chartstream::writeItem(s, *frame->content);
    }
    return bytes;
}

std::vector<std::unique_ptr<ChartItem>> decode(const QByteArray &data, const ChartDocument &doc)
{
    std::vector<std::unique_ptr<ChartItem>> items;
    QDataStream s(data);
    s.setVersion(kStreamVersion);
    char magic[sizeof kMagic] = {};
    qint32 version = 0, count = 0;
    if (s.readRawData(magic, int(sizeof magic)) != int(sizeof magic) ||
        qstrcmp(magic, kMagic) != 0)
        return items;
    s >> version >> count;
    if (s.status() != QDataStream::Ok || version < 1 || version > ChartDocument::kFileVersion ||
        count < 0 || count > kMaxItems)
        return items;
    chartstream::Budget budget;
    for (qint32 i = 0; i < count; ++i) {
        auto frame = std::make_unique<ChartItem>();
        qint8 hasContent = 0;
        if (!chartstream::readItem(s, *frame, version, budget))
            return {};
        s >> hasContent;
        if (s.status() != QDataStream::Ok)
            return {};
        if (hasContent) {
            auto content = std::make_unique<ChartItem>();
            if (!chartstream::readItem(s, *content, version, budget))
                return {};
            frame->setContent(std::move(content));
        }
        if (frame->content && frame->content->kind == ChartItem::KindBlockReference) {
            ChartPage *block = blockFor(doc, *frame->content);
            if (!block)
                continue;
            frame->content->linkedBlock = block;
            frame->content->fieldCode = QString::number(block->id());
            frame->content->linkedImage = block->preview;
        }
        items.push_back(std::move(frame));
    }
    return items;
}

void copy(const QList<ChartItem *> &frames)
{
    if (frames.isEmpty())
        return;
    auto *mime = new QMimeData;
    mime->setData(mimeType(), encode(frames));
    QGuiApplication::clipboard()->setMimeData(mime);
}

std::vector<std::unique_ptr<ChartItem>> paste(const ChartDocument &doc)
{
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    if (!mime || !mime->hasFormat(mimeType()))
        return {};
    return decode(mime->data(mimeType()), doc);
}

bool canPaste()
{
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    return mime && mime->hasFormat(mimeType());
}

} // namespace chartclipboard
