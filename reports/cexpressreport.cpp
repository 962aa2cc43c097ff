#include "reports/cexpressreport.h"

#include "engine/cnumerology.h"
#include "reports/creporttexts.h"
#include "reports/reportformat.h"

CExpressReport::CExpressReport(QObject *parent)
    : CReportWriter(parent)
{
}

bool CExpressReport::build(const CNumerology &e, const QString &name)
{
    if (e.expression == 0) {
        m_lastError = CNumerology::IncorrectNameMessage;
        return false;
    }
    m_lastError.clear();
    const bool hasDate = e.lifePath > 0;

    beginDocument(QStringLiteral("Qzarel Numerology Report"));
    beginBlock(true);
    addPlainHeading(QStringLiteral("Express Numerology chart for ") + name.toHtmlEscaped());
    QString numbers;
    if (hasDate)
        numbers = QStringLiteral("Date Number ") + e.lifePathText + QStringLiteral("<br />");
    numbers += QStringLiteral("Name Number ") + e.expressionText;
    addParagraph(numbers);
    endBlock();

    beginBlock(true);
    addPlainHeading(QStringLiteral("Your name number: ") + e.expressionText);
    addParagraph(splitParagraphs(text(501, e.expression) + QStringLiteral("<br />"), QString(), QString()));
    endBlock();
    addParagraph(QStringLiteral("<br />"));

    const int raw = e.expressionRaw;
    if (raw >= 10 && raw <= 99) {
        if (e.chaldeanMode) {
            const QString compound = text(122, raw);
            if (!ReportFormat::isBlank(compound)) {
                beginBlock(true);
                addPlainHeading(QStringLiteral("Compound Number ") + QString::number(raw));
                addParagraph(splitParagraphs(compound + QStringLiteral("<br />"), QString(), QString()));
                endBlock();
            }
        } else {
            beginBlock(true);
            addPlainHeading(QStringLiteral("People with double-digit name number ") + QString::number(raw));
            addParagraph(splitParagraphs(text(121, raw) + QStringLiteral("<br />"), QString(), QString()));
            endBlock();
        }
    }

    if (hasDate) {
        beginBlock(true);
        addPlainHeading(QStringLiteral("Your date number: ") + QString::number(e.lifePath));
        addParagraph(splitParagraphs(text(501, e.lifePath) + QStringLiteral("<br />"), QString(), QString()));
        endBlock();
    }
    endDocument();
    return true;
}
