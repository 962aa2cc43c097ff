#include "reports/creportfielditem.h"

CReportFieldItem CReportFieldItem::create(int kind, int id, const QString &caption)
{
    CReportFieldItem item;
    item.id = id;
    item.reportKind = kind;
    item.caption = caption;

    item.headerFont = QFont(QStringLiteral("Arial"));
    item.headerFont.setWeight(QFont::Bold);
    item.headerFont.setPixelSize(18);
    item.contentFont = QFont(QStringLiteral("Arial"));
    item.contentFont.setWeight(QFont::Normal);
    item.contentFont.setPixelSize(16);
    item.headerColor = QColor(0, 0, 0, 255);
    item.contentColor = QColor(0, 0, 0, 255);
    item.defaultStyle = true;
    item.padValues(ValueSlots);
    return item;
}

bool CReportFieldItem::usesCustomText(int index) const
{
    if (index < 0 || index >= useDefaultText.size())
        return false;
    return !useDefaultText.at(index);
}

QString CReportFieldItem::customText(int index) const
{
    if (index < 0 || index >= customTexts.size())
        return QString();
    return customTexts.at(index);
}

QImage CReportFieldItem::image(int index) const
{
    if (index < 0 || index >= images.size())
        return QImage();
    return images.at(index);
}

QString CReportFieldItem::option(const QString &key, const QString &fallback) const
{
    return options.value(key, fallback);
}

bool CReportFieldItem::hidesImage() const
{
    return option(QStringLiteral("hide-image"), QStringLiteral("FALSE")) == QLatin1String("TRUE");
}

void CReportFieldItem::padValues(int count)
{
    while (customTexts.size() < count)
        customTexts.append(QString());
    while (images.size() < count)
        images.append(QImage());
    while (useDefaultText.size() < count)
        useDefaultText.append(true);
}

bool CReportFieldItem::operator==(const CReportFieldItem &other) const
{
    return id == other.id && name == other.name && reportKind == other.reportKind
           && headerFont == other.headerFont && contentFont == other.contentFont
           && headerColor == other.headerColor && contentColor == other.contentColor
           && defaultStyle == other.defaultStyle && customTexts == other.customTexts
           && images == other.images && useDefaultText == other.useDefaultText
           && caption == other.caption && options == other.options;
}
