#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QMap>
#include <QString>
#include <QVector>

/** Report kinds, in the order of the field lists of a layout and of its file. */
enum ReportKind {
    RKNumerology = 0,
    RKPsychoMatrix = 1,
    RKLoveCompatibility = 2,
    RKCelebrities = 3,
    RKPet = 4,
    RKCount = 5
};

/**
 * One field of a report layout: which part of a report is printed, with
 * which heading and content style, and which per-value texts and pictures
 * replace the standard ones.
 *
 * Value index 0 is the field's introduction; index n is the text for value n
 * (numerology ids 15, 31 and 33 keep value n at index 1 + n). The per-value
 * lists hold 256 entries when the program creates an item, but a file may
 * carry other counts: an index beyond a list counts as "use the standard text".
 */
class CReportFieldItem
{
public:
    /** Entries of the per-value lists of an item the program creates. */
    static constexpr int ValueSlots = 256;

    /** An empty item with no per-value entries (used by the file reader). */
    CReportFieldItem() = default;

    /**
     * A new item as the program creates it: Arial 18 px bold heading, Arial
     * 16 px content, black, default style on, 256 per-value entries.
     */
    static CReportFieldItem create(int kind, int id, const QString &caption = QString());

    /** True when value @p index has a custom text that replaces the standard one. */
    bool usesCustomText(int index) const;
    /** The custom text of @p index, or an empty string beyond the list. */
    QString customText(int index) const;
    /** The picture of @p index, or a null image beyond the list. */
    QImage image(int index) const;
    /** Option @p key, or @p fallback when missing. */
    QString option(const QString &key, const QString &fallback = QString()) const;
    /** True when the item's own "hide-image" option is "TRUE". */
    bool hidesImage() const;
    /** Pads the three per-value lists to at least @p count entries. */
    void padValues(int count = ValueSlots);

    bool operator==(const CReportFieldItem &other) const;
    bool operator!=(const CReportFieldItem &other) const { return !(*this == other); }

    qint32 id = 0;
    QString name;
    qint32 reportKind = 0;
    QFont headerFont;
    QFont contentFont;
    QColor headerColor;
    QColor contentColor;
    bool defaultStyle = true;
    QVector<QString> customTexts;
    QVector<QImage> images;
    QVector<bool> useDefaultText;
    QString caption;
    QMap<QString, QString> options;
};
