#include "reports/cpmatrixreport.h"

#include "engine/cnumerologypmatrix.h"
#include "reports/creportlayout.h"
#include "reports/creporttexts.h"
#include "reports/reportcatalogue.h"
#include "reports/reportformat.h"

CPMatrixReport::CPMatrixReport(QObject *parent)
    : CReportWriter(parent)
{
}

QString CPMatrixReport::pictureFor(int code)
{
    if (code < 1 || code > 17)
        return QString();
    return QStringLiteral("res%1.jpg").arg(15 + code, 2, 10, QLatin1Char('0'));
}

int CPMatrixReport::tableFor(int code)
{
    return textTableFor(RKPsychoMatrix, code);
}

QString CPMatrixReport::squareTable(const CNumerologyPMatrix &m, const QString &caption)
{
    QString html = QStringLiteral("<table comment=\"st_fs\" border=\"1\" cellspacing=\"0\" cellpadding=\"6\" "
                                  "style=\"border-collapse:collapse; border-color:#9a9a9a; margin:6px 0px 10px 4px;\">\r\n");
    if (!caption.isEmpty())
        html += QStringLiteral("<tr><td comment=\"st_ttd\" colspan=\"3\"><b>") + caption + QStringLiteral("</b></td></tr>\r\n");
    // Columns 1-2-3, 4-5-6, 7-8-9 as the square is usually drawn.
    for (int row = 0; row < 3; ++row) {
        html += QStringLiteral("<tr>");
        for (int col = 0; col < 3; ++col) {
            const int digit = 1 + row + 3 * col;
            const int count = m.cells[digit];
            const QString shown = count > 0 ? QString(qMin(count, 9), QLatin1Char('0' + digit)) : QStringLiteral("-");
            html += QStringLiteral("<td comment=\"st_ttd\" width=\"70\" align=\"center\">") + shown
                    + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\r\n");
    }
    html += QStringLiteral("</table>\r\n");
    return html;
}

void CPMatrixReport::writeHead(const CNumerologyPMatrix &m, const QString &fullName, const QString &shortName,
                               const CReportFieldItem *item, const QVector<int> &codes)
{
    beginBlock(true);
    if (item && !item->defaultStyle)
        addHeading(item->caption.toHtmlEscaped(), item->headerColor, item->headerFont);
    else
        addPlainHeading(QStringLiteral("Numerology Psychomatrix Chart for"));
    addLine(QStringLiteral("<b>") + ReportFormat::personLine(fullName, shortName, m.birthDate).toHtmlEscaped()
                + QStringLiteral("</b>"),
            QColor(Qt::black), defaultHeadingFont());
    QString lines;
    for (int code = 1; code <= 17; ++code) {
        if (codes.contains(code))
            lines += CNumerologyPMatrix::sectionLabel(code) + QString::number(m.sectionValue(code))
                     + QStringLiteral("<br />\r\n");
    }
    addParagraph(lines);
    endBlock();
    addRawHtml(squareTable(m));
}

bool CPMatrixReport::build(const CNumerologyPMatrix &m, const QString &fullName, const QString &shortName,
                           const CReportLayout *layout)
{
    m_lastError.clear();
    if (!layout) {
        beginDocument(QStringLiteral("Qzarel Numerology Report"));
        writeHead(m, fullName, shortName, nullptr, CNumerologyPMatrix::defaultSections());
        for (int code = 1; code <= 17; ++code) {
            const int table = tableFor(code);
            const int value = m.sectionValue(code);
            const QString intro = text(table, 0);
            const QString body = text(table, CNumerologyPMatrix::textLevel(value));
            beginBlock(true);
            setImageFile(pictureFor(code));
            addPlainHeading(ReportCatalogue::fieldCaption(RKPsychoMatrix, code) + QStringLiteral(" - ")
                            + QString::number(value));
            if (code >= 10) {
                // Line sections keep introduction and value text in one paragraph.
                addParagraph(splitParagraphs(intro + QStringLiteral("<br /><br />") + body, QString(), QString()));
                endBlock();
                continue;
            }
            addParagraph(splitParagraphs(intro, QString(), QString()));
            endBlock();
            if (!body.isEmpty()) {
                beginBlock(true);
                addParagraph(splitParagraphs(body + QStringLiteral("<br />"), QString(), QString()));
                endBlock();
            }
        }
        endDocument();
        return true;
    }

    beginDocument(QStringLiteral("Numerology Report"));
    const bool hideAll = layout->hidesAllImages(RKPsychoMatrix);
    const QList<CReportFieldItem> &items = layout->fields(RKPsychoMatrix);
    QVector<int> codes;
    for (const CReportFieldItem &item : items)
        codes.append(item.id);
    for (const CReportFieldItem &item : items) {
        if (item.id == 0) {
            addParagraph(QStringLiteral("<br />"));
            writeHead(m, fullName, shortName, &item, codes);
        } else if (item.id >= 1 && item.id <= 17) {
            const int table = tableFor(item.id);
            const int value = m.sectionValue(item.id);
            const int level = CNumerologyPMatrix::textLevel(value);
            addParagraph(QStringLiteral("<br />"));
            if (showsPicture(item, hideAll))
                setImageFile(pictureFor(item.id));
            addSection(item.caption, QStringLiteral("- ") + QString::number(value), text(table, 0), text(table, level),
                       level, item, hideAll);
        } else if (item.id == 18) {
            addParagraph(QStringLiteral("<br />"));
            addSection(item.caption, QString(), texts().customText(), QString(), -1, item, hideAll);
            if (!item.defaultStyle && texts().customText().isEmpty())
                endBlock();
        }
    }
    endDocument();
    return true;
}
