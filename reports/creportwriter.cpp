#include "reports/creportwriter.h"

#include "reports/creportfielditem.h"
#include "reports/creporttexts.h"

CReportWriter::CReportWriter(QObject *parent)
    : CReportTools(parent)
{
}

const CReportTexts &CReportWriter::texts() const
{
    return m_texts ? *m_texts : CReportTexts::store();
}

QString CReportWriter::text(int section, int index) const
{
    return texts().text(section, index);
}

bool CReportWriter::showsPicture(const CReportFieldItem &item, bool hideAll)
{
    return !hideAll && (item.defaultStyle || !item.hidesImage());
}

void CReportWriter::addPlainHeading(const QString &text)
{
    addHeading(text, QColor(Qt::black), defaultHeadingFont());
}

void CReportWriter::addFieldPart(const QString &heading, const QString &prefix, const QString &body,
                                 const CReportFieldItem *item, int valueIndex)
{
    beginBlock(true);
    const bool custom = item && !item->defaultStyle;
    if (!heading.isEmpty()) {
        if (custom)
            addLine(heading, item->headerColor, item->headerFont);
        else
            addLine(QStringLiteral("<b>") + heading + QStringLiteral("</b>"), QColor(Qt::black), defaultHeadingFont());
    }
    if (custom && item->usesCustomText(valueIndex)) {
        addParagraph(splitParagraphs(prefix + CReportTools::customTextBody(item->customText(valueIndex)), QString(), QString()));
    } else if (custom) {
        addFieldText(prefix + body, *item, valueIndex);
    } else {
        const QString all = prefix + body;
        if (!all.isEmpty())
            addParagraph(splitParagraphs(all + QStringLiteral("<br />"), QString(), QString()));
    }
    endBlock();
}
