#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <memory>

class ChartPage;

/**
 * One record type in two roles. A *frame item* (kind 1) sits in a page's item
 * list and carries the placement; it owns exactly one *content item* whose kind
 * says what is drawn. Frame and content are linked both ways.
 */
class ChartItem
{
public:
    enum Kind {
        KindNone = 0,
        KindFrame = 1,
        KindImage = 2,
        KindShape = 4,
        KindTransient = 5,
        KindText = 6,
        KindStockImage = 7,
        KindBlockReference = 8,
        KindPartSelector = 9,
        KindBarcode = 10,
        KindNumerologyPanel = 11, ///< "Psychomatrix" and "Planes of Expression"
        KindNamePanel = 12,
        KindCalendarPanel = 13,
        KindNumberTable = 14, ///< "Main Features", "Additional Features", "Life Cycles"
        KindBridges = 15
    };

    ChartItem() = default;
    explicit ChartItem(int itemKind) : kind(itemKind) {}
    ChartItem(const ChartItem &) = delete;
    ChartItem &operator=(const ChartItem &) = delete;

    /** Arial, 10 pt, weight 50, pixel size 11. */
    static QFont defaultFont();
    /** Creates a frame item of @p size with a content item of @p contentKind, linked both ways. */
    static std::unique_ptr<ChartItem> createFrame(int contentKind, const QSizeF &size);

    /** Takes ownership of @p item as this frame's content and links it back. */
    void setContent(std::unique_ptr<ChartItem> item);
    /** Sets the rotation kept in 0..360 and copies it to the content item. */
    void setRotation(double degrees);
    /** Sets the size; a side of 0 takes the other side's value. */
    void setSize(const QSizeF &newSize);
    /** A deep copy (the content too); block links are copied as references. */
    std::unique_ptr<ChartItem> clone() const;
    /**
     * Makes this item (and its content, in place) equal to @p other in every
     * stored field and link; the identity stays. Undo
     * restores items this way so that pointers held by the editors stay valid.
     */
    void assignState(const ChartItem &other);

    /** Normalises an angle into 0..360 the way rotation is kept. */
    static double normalizedRotation(double degrees);

    // Stored fields, in file order.
    int kind = KindNone;
    bool fixedField = false;
    bool editableText = false;
    QString auxText;
    QString fieldCode;
    QTransform transform;
    double rotation = 0.0;
    QSizeF size{0.0, 0.0};
    QPainterPath outline;
    QColor textColor{Qt::black};
    QSizeF naturalSize{0.0, 0.0};
    QImage image;
    bool flagA = true;
    bool isFrame = false;
    QString text;
    QFont font = defaultFont();
    int alignment = 1;
    int lineStyle = 1;
    double lineWidth = 1.0;
    QColor lineColor{Qt::black};
    int imageNumber = 0;
    int frameStyle = 0;
    QColor frameColor{Qt::black};
    int partSelector = 0;
    int fitTo = 1;
    int order = 0;
    int barcodeType = 0;
    QColor background{255, 255, 255, 222};

    // Links, not stored.
    QImage linkedImage;               ///< block references: the block's preview
    ChartPage *linkedBlock = nullptr; ///< block references: the block itself
    std::unique_ptr<ChartItem> content;
    ChartItem *owner = nullptr;
};
