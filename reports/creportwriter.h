#pragma once

#include "reports/creporttools.h"

class CReportFieldItem;
class CReportLayout;
class CReportTexts;

/**
 * What the report writers share beyond the document builder: the source of
 * their texts, the message of a refused report, and the picture rule of the
 * layout form.
 */
class CReportWriter : public CReportTools
{
    Q_OBJECT
public:
    explicit CReportWriter(QObject *parent = nullptr);

    /** Texts to print; nullptr (the default) means the process-wide tables. */
    void setTexts(const CReportTexts *texts) { m_texts = texts; }
    const CReportTexts &texts() const;

    /** Message of the last refused report (empty after a success). */
    const QString &lastError() const { return m_lastError; }

protected:
    /** Text entry @p index of table @p section. */
    QString text(int section, int index) const;

    /**
     * In the layout form a field's standard picture is shown when the layout
     * does not hide all pictures of its kind and the item is in default style
     * or does not hide its own picture.
     */
    static bool showsPicture(const CReportFieldItem &item, bool hideAll);

    /**
     * One more text of a multi-part field (a life cycle, a karmic debt ...):
     * an optional heading line, then @p prefix + @p body in the field's style,
     * or the item's custom text for @p valueIndex when it has one.
     */
    void addFieldPart(const QString &heading, const QString &prefix, const QString &body,
                      const CReportFieldItem *item, int valueIndex);

    /** A default-style heading: 12 pt, black. */
    void addPlainHeading(const QString &text);

    QString m_lastError;

private:
    const CReportTexts *m_texts = nullptr;
};
