#include "chartedit/propertyrows.h"

#include "chart/barcode/barcodepicture.h"
#include "chart/chartfields.h"
#include "chart/chartitem.h"
#include "chart/chartpage.h"

namespace propertyrows {

namespace {

const QString kField = QStringLiteral("Field");
const QStringList kFixedCodes{QStringLiteral("#pagenumber"), QStringLiteral("#date"),
                              QStringLiteral("#dbname")};
const QStringList kFixedCaptions{QStringLiteral("PAGE #"), QStringLiteral("DATE"),
                                 QStringLiteral("DB NAME")};

PropertyRow colourRow(const QString &title, const QColor &c)
{
    PropertyRow r;
    r.title = title;
    r.kind = PropertyRow::Colour;
    r.colour = c;
    return r;
}

PropertyRow listRow(const QString &title, const QStringList &entries, int index)
{
    PropertyRow r;
    r.title = title;
    r.kind = PropertyRow::List;
    r.entries = entries;
    r.index = (index >= 0 && index < entries.size()) ? index : 0;
    return r;
}

PropertyRow textRow(const QString &title, const QString &text)
{
    PropertyRow r;
    r.title = title;
    r.kind = PropertyRow::Text;
    r.text = text;
    return r;
}

PropertyRow fontRow(const ChartItem &c)
{
    PropertyRow r;
    r.title = QStringLiteral("Font");
    r.kind = PropertyRow::Font;
    r.font = c.font;
    r.text = c.text;
    return r;
}

PropertyRow alignmentRow(int flags)
{
    PropertyRow r = listRow(QStringLiteral("Alignment"),
                            {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")},
                            alignmentIndex(flags));
    r.kind = PropertyRow::Alignment;
    r.alignment = alignmentFlags(r.index);
    return r;
}

void addFrameRows(QVector<PropertyRow> &rows, const ChartItem &c)
{
    rows << listRow(QStringLiteral("Frame"), {QStringLiteral("None"), QStringLiteral("Solid")},
                    c.frameStyle == 1 ? 1 : 0);
    rows << colourRow(QStringLiteral("Frame Color"), c.frameColor);
}

QStringList fieldListEntries()
{
    return creatorFieldCodes() + QStringList{QStringLiteral("#text")} + kFixedCodes;
}

const PropertyRow *findRow(const QVector<PropertyRow> &rows, const QString &title)
{
    for (const PropertyRow &r : rows) {
        if (r.title == title)
            return &r;
    }
    return nullptr;
}

int listIndex(const PropertyRow &r)
{
    return (r.index >= 0 && r.index < r.entries.size()) ? r.index : 0;
}

bool isTextItem(const ChartItem &c)
{
    return c.fieldCode.startsWith(QLatin1String("#text"));
}

// The writes common to several kinds, each only when its row is shown.
void applyCommon(ChartItem &c, const QVector<PropertyRow> &rows)
{
    if (const PropertyRow *r = findRow(rows, QStringLiteral("Color")))
        c.textColor = r->colour;
    if (const PropertyRow *r = findRow(rows, QStringLiteral("Font")))
        c.font = r->font;
    if (const PropertyRow *r = findRow(rows, QStringLiteral("Alignment")))
        c.alignment = alignmentFlags(listIndex(*r));
    if (const PropertyRow *r = findRow(rows, QStringLiteral("Frame")))
        c.frameStyle = listIndex(*r) == 1 ? 1 : 0;
    if (const PropertyRow *r = findRow(rows, QStringLiteral("Frame Color")))
        c.frameColor = r->colour;
}

// A choice in the "Field" row of text and data fields.
bool applyFieldChoice(ChartItem &c, const PropertyRow &row)
{
    const QString code = row.entries.value(listIndex(row));
    if (code == c.fieldCode)
        return false;
    c.fieldCode = code;
    const int fixed = kFixedCodes.indexOf(code);
    if (fixed >= 0) {
        c.fixedField = true;
        c.editableText = false;
        c.text = kFixedCaptions[fixed];
    } else {
        c.fixedField = false;
        if (code == QLatin1String("#text"))
            c.editableText = true;
    }
    return true;
}

} // namespace

QStringList creatorFieldCodes()
{
    QStringList codes;
    for (const ChartFieldEntry &e : chartFieldEntries()) {
        if (e.code >= 1000 && e.code < 2000)
            codes << e.fieldCode;
    }
    return codes;
}

QStringList opacityEntries()
{
    QStringList entries;
    for (int i = 0; i <= 10; ++i)
        entries << QString::number(i * 10) + QLatin1Char('%');
    return entries;
}

int opacityIndex(int alpha)
{
    // Rounded, not truncated: 50% is stored as 127, which truncation would show as 40%.
    return qBound(0, qRound(qBound(0, alpha, 255) / 25.5), 10);
}

int opacityAlpha(int index)
{
    return int(qBound(0, index, 10) * 25.5);
}

int alignmentFlags(int index)
{
    switch (index) {
    case 1:
        return 4;
    case 2:
        return 2;
    default:
        return 1;
    }
}

int alignmentIndex(int flags)
{
    switch (flags) {
    case 4:
        return 1;
    case 2:
        return 2;
    default:
        return 0;
    }
}

QVector<PropertyRow> rowsFor(const ChartItem &c, const ChartPage &page)
{
    QVector<PropertyRow> rows;
    if (c.kind == ChartItem::KindImage)
        return rows;
    if (isTextItem(c)) {
        rows << textRow(QStringLiteral("Text"), c.text);
        rows << colourRow(QStringLiteral("Color"), c.textColor);
        rows << fontRow(c);
        addFrameRows(rows, c);
        return rows;
    }
    switch (c.kind) {
    case ChartItem::KindStockImage: {
        QStringList numbers;
        for (int i = 1; i <= 29; ++i)
            numbers << QString::number(i);
        rows << listRow(QStringLiteral("Image #"), numbers, c.imageNumber - 1);
        rows << listRow(QStringLiteral("Fit to"), {QStringLiteral("None"), QStringLiteral("Width")},
                        c.fitTo);
        addFrameRows(rows, c);
        return rows;
    }
    case ChartItem::KindBlockReference: {
        QStringList orders;
        const int count = page.blockReferences().size();
        for (int i = 0; i < qMax(1, count); ++i)
            orders << QString::number(i);
        rows << listRow(QStringLiteral("Order #"), orders, c.order);
        addFrameRows(rows, c);
        return rows;
    }
    case ChartItem::KindPartSelector:
        rows << listRow(QStringLiteral("Image #"),
                        {QStringLiteral("All"), QStringLiteral("1"), QStringLiteral("2"),
                         QStringLiteral("3")},
                        c.partSelector);
        return rows;
    case ChartItem::KindBarcode: {
        QStringList entries = QStringList{QStringLiteral("some text")} + creatorFieldCodes();
        if (!c.fieldCode.isEmpty() && !entries.contains(c.fieldCode))
            entries << c.fieldCode;
        rows << listRow(kField, entries, c.fieldCode.isEmpty() ? 0 : entries.indexOf(c.fieldCode));
        rows << listRow(QStringLiteral("Bar code"), barcodeSymbologyNames(), c.barcodeType);
        rows << textRow(QStringLiteral("Text"), c.text);
        rows << colourRow(QStringLiteral("Color"), c.textColor);
        rows << alignmentRow(c.alignment);
        return rows;
    }
    case ChartItem::KindNumerologyPanel:
    case ChartItem::KindNamePanel:
    case ChartItem::KindCalendarPanel:
    case ChartItem::KindNumberTable:
    case ChartItem::KindBridges:
        rows << colourRow(QStringLiteral("Color"), c.textColor);
        rows << fontRow(c);
        rows << alignmentRow(c.alignment);
        addFrameRows(rows, c);
        rows << colourRow(QStringLiteral("Background"), c.background);
        rows << listRow(QStringLiteral("Opacity"), opacityEntries(),
                        opacityIndex(c.background.alpha()));
        return rows;
    default:
        break;
    }
    rows << colourRow(QStringLiteral("Color"), c.textColor);
    rows << fontRow(c);
    rows << alignmentRow(c.alignment);
    addFrameRows(rows, c);
    if (!c.fixedField) {
        // A code of an older chart that the list lacks stays choosable, so a
        // write-back of the other rows never changes it.
        QStringList entries = fieldListEntries();
        if (!entries.contains(c.fieldCode))
            entries.prepend(c.fieldCode);
        rows << listRow(kField, entries, entries.indexOf(c.fieldCode));
    }
    return rows;
}

void setBlockOrder(ChartPage &page, ChartItem &moved, int newOrder)
{
    const QList<ChartItem *> refs = page.blockReferences();
    const int oldOrder = moved.order;
    for (ChartItem *r : refs) {
        if (r != &moved && r->order > oldOrder)
            --r->order;
    }
    for (ChartItem *r : refs) {
        if (r != &moved && r->order >= newOrder)
            ++r->order;
    }
    moved.order = qBound(0, newOrder, qMax(0, int(refs.size()) - 1));
}

bool applyRows(ChartItem &c, ChartPage &page, const QVector<PropertyRow> &rows)
{
    if (c.kind == ChartItem::KindImage)
        return false;
    if (isTextItem(c)) {
        if (const PropertyRow *r = findRow(rows, QStringLiteral("Text")))
            c.text = r->text;
        applyCommon(c, rows);
        const PropertyRow *field = findRow(rows, kField);
        return field && applyFieldChoice(c, *field);
    }
    switch (c.kind) {
    case ChartItem::KindStockImage:
        if (const PropertyRow *r = findRow(rows, QStringLiteral("Image #")))
            c.imageNumber = listIndex(*r) + 1;
        if (const PropertyRow *r = findRow(rows, QStringLiteral("Fit to")))
            c.fitTo = listIndex(*r);
        applyCommon(c, rows);
        return false;
    case ChartItem::KindBlockReference:
        if (const PropertyRow *r = findRow(rows, QStringLiteral("Order #"))) {
            if (listIndex(*r) != c.order)
                setBlockOrder(page, c, listIndex(*r));
        }
        applyCommon(c, rows);
        return false;
    case ChartItem::KindPartSelector:
        if (const PropertyRow *r = findRow(rows, QStringLiteral("Image #")))
            c.partSelector = listIndex(*r);
        return false;
    case ChartItem::KindBarcode: {
        if (const PropertyRow *r = findRow(rows, QStringLiteral("Text")))
            c.text = r->text;
        if (const PropertyRow *r = findRow(rows, QStringLiteral("Bar code")))
            c.barcodeType = listIndex(*r);
        applyCommon(c, rows);
        bool changed = false;
        if (const PropertyRow *r = findRow(rows, kField)) {
            const int i = listIndex(*r);
            const QString code = i == 0 ? QString() : r->entries.value(i);
            changed = code != c.fieldCode;
            c.fieldCode = code;
            // A chosen field is what the code carries: the person's value is put in when drawn.
            if (changed && !code.isEmpty())
                c.text = code;
        }
        return changed;
    }
    case ChartItem::KindNumerologyPanel:
    case ChartItem::KindNamePanel:
    case ChartItem::KindCalendarPanel:
    case ChartItem::KindNumberTable:
    case ChartItem::KindBridges:
        applyCommon(c, rows);
        if (const PropertyRow *r = findRow(rows, QStringLiteral("Background"))) {
            const int alpha = c.background.alpha();
            c.background = r->colour;
            c.background.setAlpha(alpha);
        }
        if (const PropertyRow *r = findRow(rows, QStringLiteral("Opacity")))
            c.background.setAlpha(opacityAlpha(listIndex(*r)));
        return false;
    default:
        break;
    }
    applyCommon(c, rows);
    const PropertyRow *field = findRow(rows, kField);
    return field && applyFieldChoice(c, *field);
}

} // namespace propertyrows
