#include "chart/chartfields.h"

#include "chart/chartitem.h"
#include "chart/chartnumberfields.h"
#include "chart/chartpage.h"
#include "chart/chartpanels.h"

namespace {
constexpr int kMaxPictureSide = 1024;

ChartItem *placeOnPage(ChartPage &page, std::unique_ptr<ChartItem> frame, const QPointF &at)
{
    double x = at.x();
    double y = at.y();
    if (x + frame->size.width() + 1 > page.size.width())
        x = page.size.width() - frame->size.width() - 1;
    if (y + frame->size.height() + 1 > page.size.height())
        y = page.size.height() - frame->size.height() - 1;
    frame->transform = QTransform::fromTranslate(x, y);
    return page.addItem(std::move(frame));
}

ChartFieldEntry entry(const char *group, const char *icon, const char *text, int code, int kind,
                      QSizeF size, const QString &caption, const QString &fieldCode)
{
    ChartFieldEntry e;
    e.group = QString::fromLatin1(group);
    e.groupIcon = QString::fromLatin1(icon);
    e.text = QString::fromLatin1(text);
    e.code = code;
    e.kind = kind;
    e.size = size;
    e.caption = caption;
    e.fieldCode = fieldCode;
    return e;
}
} // namespace

bool isDataFieldCode(int code)
{
    return code >= 1000 && code < 1005 + chartNumberFields().size();
}

QList<ChartFieldEntry> chartFieldEntries()
{
    QList<ChartFieldEntry> list;
    const char *calc = "Calculated data";
    const char *calcIcon = "datafield-i.png";
    const struct {
        const char *text;
        int kind;
    } panels[] = {{"Name", ChartItem::KindNamePanel},
                  {"Planes of Expression", ChartItem::KindNumerologyPanel},
                  {"Psychomatrix", ChartItem::KindNumerologyPanel},
                  {"Personal numbers calendar", ChartItem::KindCalendarPanel},
                  {"Main Features", ChartItem::KindNumberTable},
                  {"Additional Features", ChartItem::KindNumberTable},
                  {"Life Cycles", ChartItem::KindNumberTable},
                  {"Bridges", ChartItem::KindBridges}};
    for (const auto &p : panels) {
        const QString text = QString::fromLatin1(p.text);
        list << entry(calc, calcIcon, p.text, 1, p.kind, panelNaturalSize(p.kind), text, text);
    }
    const char *vars = "Variables";
    const char *varIcon = "datafieldtitle-i.png";
    const struct {
        const char *text, *caption, *code;
    } variables[] = {{"Full Name", "FULL NAME", "#full_name"},
                     {"Short Name", "SHORT NAME", "#short_name"},
                     {"Birthdate", "BIRTHDATE", "#birthdate"},
                     {"Print date", "PRINT DATE", "#print_date"},
                     {"Numerologist", "NUMEROLOGIST", "#numerologist"}};
    int code = 1000;
    for (const auto &v : variables)
        list << entry(vars, varIcon, v.text, code++, ChartItem::KindText, QSizeF(120, 25),
                      QString::fromLatin1(v.caption), QString::fromLatin1(v.code));
    const char *objects = "Objects";
    const char *objIcon = "thumb.png";
    list << entry(objects, objIcon, "Text", 2000, ChartItem::KindText, QSizeF(120, 25),
                  QStringLiteral("Text"), QStringLiteral("#text"));
    list << entry(objects, objIcon, "Image", 2001, ChartItem::KindImage, QSizeF(),
                  QString(), QStringLiteral("#image"));
    list << entry(objects, objIcon, "Bar Codes", 2002, ChartItem::KindBarcode, QSizeF(120, 25),
                  QStringLiteral("Bar Codes"), QString());
    // One field per core number, coded on after the variables (1005...), listed last.
    for (const ChartNumberField &f : chartNumberFields()) {
        ChartFieldEntry e = entry("Core Numbers", varIcon, "", code++, ChartItem::KindText,
                                  QSizeF(120, 25), f.label.toUpper(), f.code);
        e.text = f.label;
        list << e;
    }
    return list;
}

ChartItem *createFieldItem(ChartPage &page, const QString &caption, const QPointF &pagePoint,
                           const QSizeF &size, int contentKind)
{
    auto frame = ChartItem::createFrame(contentKind, size);
    frame->content->text = caption;
    return placeOnPage(page, std::move(frame), pagePoint);
}

ChartItem *createImageItem(ChartPage &page, const QImage &picture, const QPointF &pagePoint)
{
    if (picture.isNull())
        return nullptr;
    QImage image = picture;
    if (qMax(image.width(), image.height()) > kMaxPictureSide)
        image = image.width() >= image.height()
                    ? image.scaledToWidth(kMaxPictureSide, Qt::SmoothTransformation)
                    : image.scaledToHeight(kMaxPictureSide, Qt::SmoothTransformation);
    const double factor = qMin(page.size.width() / 4 / image.width(),
                               page.size.height() / 4 / image.height());
    const QSizeF size(qMax(1.0, image.width() * factor), qMax(1.0, image.height() * factor));
    auto frame = ChartItem::createFrame(ChartItem::KindImage, size);
    frame->content->image = image;
    frame->content->naturalSize = image.size();
    return placeOnPage(page, std::move(frame), pagePoint);
}

ChartItem *createBlockItem(ChartPage &page, ChartPage *block, const QPointF &pagePoint)
{
    if (!block)
        return nullptr;
    const int order = page.blockReferences().size();
    auto frame = ChartItem::createFrame(ChartItem::KindBlockReference, block->size);
    ChartItem *ref = frame->content.get();
    ref->linkedBlock = block;
    ref->linkedImage = block->preview;
    ref->fieldCode = QString::number(block->id());
    ref->order = order;
    return placeOnPage(page, std::move(frame), pagePoint);
}

ChartItem *addFieldItem(ChartPage &page, const ChartFieldEntry &e, const QPointF &pagePoint,
                        bool withTitle, const QImage &picture)
{
    ChartItem *frame = nullptr;
    if (isDataFieldCode(e.code)) {
        frame = createFieldItem(page, e.caption, pagePoint, QSizeF(120, 25));
        ChartItem *c = frame->content.get();
        c->fieldCode = e.fieldCode;
        c->fixedField = true;
        c->kind = ChartItem::KindText;
    } else if (e.code == 2000) {
        frame = createFieldItem(page, QStringLiteral("Text"), pagePoint, QSizeF(120, 25));
        ChartItem *c = frame->content.get();
        c->fieldCode = QStringLiteral("#text");
        c->editableText = true;
        c->kind = ChartItem::KindText;
    } else if (e.code == 2001) {
        frame = createImageItem(page, picture, pagePoint);
        if (frame)
            frame->content->fieldCode = QStringLiteral("#image");
    } else if (e.code == 2002) {
        frame = createFieldItem(page, QStringLiteral("Bar Codes"), pagePoint, QSizeF(120, 25));
        ChartItem *c = frame->content.get();
        c->editableText = true;
        c->kind = ChartItem::KindBarcode;
    } else if (e.code == 1) {
        frame = createFieldItem(page, e.text, pagePoint, e.size);
        ChartItem *c = frame->content.get();
        c->fieldCode = e.text;
        c->kind = e.kind;
        if (withTitle) {
            ChartItem *title = createFieldItem(page, e.text, pagePoint, QSizeF(150, 25));
            title->content->fieldCode = e.text;
            title->content->fixedField = true;
            title->content->kind = ChartItem::KindText;
            title->transform = frame->transform * QTransform::fromTranslate(0, -25);
        }
    }
    if (frame && frame->content)
        frame->content->font.setPixelSize(11);
    return frame;
}
