#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QString>

class CReportFieldItem;

/**
 * Builds one HTML report by appending fragments to a string: the document
 * skeleton, headings, paragraphs, blocks and report fields styled by their
 * layout item. Every content block is a table of class "maindoc" so that
 * printing may break pages between blocks; paragraphs carry comment="st_fs".
 *
 * A picture set with setImageFile() (or passed as an image) waits as the
 * "pending image" and is placed before the next heading or paragraph.
 */
class CReportTools : public QObject
{
    Q_OBJECT
public:
    explicit CReportTools(QObject *parent = nullptr);

    /** Replaces the document by the skeleton, up to and including the opening body tag. */
    void beginDocument(const QString &title);
    /** Appends the closing tags and turns "font-weight:600" into "font-weight:bold". */
    void endDocument();

    /** Folder the file pictures are taken from (with a trailing separator). */
    void setImagesFolder(const QString &path);
    const QString &imagesFolder() const { return m_imagesFolder; }
    /** Makes the picture file @p fileName of the images folder the pending image. */
    void setImageFile(const QString &fileName);
    /** Drops the pending image. */
    void clearPendingImage() { m_pendingImage.clear(); }

    /** Heading line (h2) in @p font and @p colour; a non-null @p image is inlined as PNG. */
    void addHeading(const QString &text, const QColor &colour, const QFont &font,
                    const QImage &image = QImage());
    /** Same as addHeading but as a plain paragraph. */
    void addLine(const QString &text, const QColor &colour, const QFont &font,
                 const QImage &image = QImage());
    /** Content paragraph marked comment="st_fs"; nothing when text and pending image are empty. */
    void addParagraph(const QString &text, const QImage &image = QImage());
    /** Appends @p html as is. */
    void addRawHtml(const QString &html) { m_document += html; }
    /** Opens a "maindoc" block; @p clearImage drops the pending image. */
    void beginBlock(bool clearImage);
    /** Closes a block and drops the pending image. */
    void endBlock();

    /**
     * One report field: heading (@p title + " " + @p numberText), the
     * introduction and the value text, in the standard style or in the style
     * of @p item. @p valueIndex -1 means the field has no per-value text.
     * @p summary (lines of figures) comes first and, unlike the introduction,
     * is never replaced by the item's custom text. A field without a title is
     * headed by its number text alone, and by nothing when both are empty.
     */
    void addSection(const QString &title, const QString &numberText, const QString &intro,
                    const QString &body, int valueIndex, const CReportFieldItem &item,
                    bool hideAllImages, const QString &summary = QString());
    /** One text of a field in the item's content style (or its custom text for the index). */
    void addFieldText(const QString &text, const CReportFieldItem &item, int valueIndex);

    /**
     * Cuts rich text into "maindoc" blocks, one per paragraph, each wrapped in
     * @p openTags / @p closeTags; spans left open are closed and reopened
     * across blocks. The first block has no opener (the caller opened it).
     */
    static QString splitParagraphs(const QString &text, const QString &openTags,
                                   const QString &closeTags);
    /** Body content of a rich-text document (after "<!-- md --><br>" when present). */
    static QString extractBody(const QString &html);
    /**
     * The printable body of a stored custom text: passed through Qt's rich
     * text (whatever it does not know is dropped), then checked for links
     * and sources that could run script.
     */
    static QString customTextBody(const QString &stored);

    /** The document built so far. */
    const QString &document() const { return m_document; }
    /** The pending image fragment (empty when none). */
    const QString &pendingImage() const { return m_pendingImage; }

    /** The standard heading font of default-style fields: 12 pt, no family. */
    static const QFont &defaultHeadingFont();

protected:
    /** Makes @p image the pending image as an inline PNG; false when it yields no bytes. */
    bool setInlineImage(const QImage &image);
    /** Appends @p text with every "<p" and "<td" marked comment="st_fs". */
    void appendMarked(const QString &text);
    void addStyled(const char *openTag, const char *closeTag, const QString &text,
                   const QColor &colour, const QFont &font, const QImage &image);

    QString m_pendingImage;
    QString m_imagesFolder;
    QString m_document;
};
