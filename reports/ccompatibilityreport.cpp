#include "reports/ccompatibilityreport.h"

#include "engine/ccompnumerology.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "reports/cpmatrixreport.h"
#include "reports/creportlayout.h"
#include "reports/creporttexts.h"
#include "reports/reportcatalogue.h"

namespace {

const QLatin1String kLine("<br/>\r\n");

QString num(int n)
{
    return QString::number(n);
}

QString valueRow(const QString &label, const QString &value)
{
    return QStringLiteral("<tr class=\"tab1\" style = \"border-bottom: 1px solid  #aaaaaa\">"
                          "<td style=\"padding: 5px 20px 5px 20px;\" comment=\"lc_fs\">")
           + label + QStringLiteral("</td><td  comment=\"lc_fs\" >") + value + QStringLiteral("</td></tr>\r\n");
}

QString groupRow(const QString &label)
{
    return QStringLiteral("<tr class=\"tab2\" style = \"border-bottom: 2px solid #117711\">"
                          "<td colspan=\"2\" style=\"padding: 15px 20px 5px 20px; font-weight: bold; color: #117711;\" "
                          "comment=\"lc_fs\">")
           + label + QStringLiteral("</td></tr>\r\n");
}

} // namespace

CCompatibilityReport::CCompatibilityReport(QObject *parent)
    : CReportWriter(parent)
{
}

QString CCompatibilityReport::overviewTable(const CNumerology &a, const CNumerology &b, const CNumerologyPMatrix &,
                                            const CNumerologyPMatrix &, const CCompNumerology &c)
{
    static const QLatin1String title("<td style=\"padding: 5px 20px 5px 20px; font: large bold; color:#6f2a0b;\">");
    QString html = QStringLiteral("<table class=maindoc width=\"500\" style=\"border-style: solid; color:#000000; "
                                  "border: 0px; border-collapse:collapse;\">\r\n");
    html += QStringLiteral("<tr>") + title + a.fullNameUpper.toHtmlEscaped() + QStringLiteral("<br />and<br />")
            + b.fullNameUpper.toHtmlEscaped() + QStringLiteral("</td>") + title + c.totalPercentText
            + QStringLiteral("</td></tr>\r\n");
    html += groupRow(QStringLiteral("Core numbers Compatibility"));
    html += valueRow(QStringLiteral("Life path"), c.lifePathPercentText);
    html += valueRow(QStringLiteral("Birthday"), c.birthdayPercentText);
    html += valueRow(QStringLiteral("Name"), c.namePercentText);
    html += groupRow(QStringLiteral("Psycho-matrix Compatibility"));
    html += valueRow(QStringLiteral("Marriage stability term"), c.marriageTermText + QStringLiteral(" years"));
    html += valueRow(QStringLiteral("Family"), c.familyPercentText);
    html += valueRow(QStringLiteral("Carnal interests"), c.valuesPercentText);
    html += QStringLiteral("</table>\r\n");
    return html;
}

CCompatibilityReport::Section CCompatibilityReport::section(int id, bool layoutForm) const
{
    const CNumerology &a = *m_a;
    const CNumerology &b = *m_b;
    const CCompNumerology &c = *m_c;
    const int table = textTableFor(RKLoveCompatibility, id);
    Section s;
    s.known = true;
    s.title = ReportCatalogue::fieldCaption(RKLoveCompatibility, id);
    switch (id) {
    case 0:
        s.rawHtml = overviewTable(a, b, *m_ma, *m_mb, c);
        s.intro = text(table, 0);
        break;
    case 1:
        s.summary = QStringLiteral("Life path compatibility = ") + c.lifePathPercentText + kLine
                    + QStringLiteral("Life path - ") + a.lifePathText + QStringLiteral(" / ") + b.lifePathText + kLine
                    + QStringLiteral("Life path compatibility code - ") + num(c.lifePathCode)
                    + QStringLiteral("<br/><br/>\r\n\r\n");
        s.valueIndex = c.lifePathTextCode;
        s.picture = QStringLiteral("res35.jpg");
        break;
    case 2:
        s.summary = QStringLiteral("Birthday compatibility = ") + c.birthdayPercentText + kLine
                    + QStringLiteral("Birthday - ") + a.birthdayText + QStringLiteral(" / ") + b.birthdayText + kLine
                    + QStringLiteral("Birthday code - ") + num(c.birthdayCode) + QStringLiteral("<br/><br/>\r\n\r\n");
        s.valueIndex = c.birthdayTextCode;
        s.picture = QStringLiteral("res37.jpg");
        break;
    case 7:
        // The detailed birthday texts sit at 10 + the birthday code (1..9).
        s.valueIndex = c.birthdayCode >= 1 && c.birthdayCode <= 9 ? 10 + c.birthdayCode : -1;
        break;
    case 3:
        s.summary = QStringLiteral("Name compatibility = ") + c.namePercentText + kLine
                    + QStringLiteral("Name numbers (expression) - ") + a.expressionText + QStringLiteral(" / ")
                    + b.expressionText + kLine + QStringLiteral("Name compatibility code - ") + num(c.nameCode)
                    + QStringLiteral("<br/><br/>\r\n\r\n");
        s.valueIndex = c.nameTextCode;
        s.picture = QStringLiteral("res34.jpg");
        break;
    case 4: {
        s.rawHtml = QStringLiteral("<table comment=\"st_fs\" border=\"0\"><tr><td comment=\"st_ttd\" valign=\"top\">")
                    + CPMatrixReport::squareTable(*m_ma, a.fullNameUpper.toHtmlEscaped())
                    + QStringLiteral("</td><td comment=\"st_ttd\" width=\"30\"></td><td comment=\"st_ttd\" valign=\"top\">")
                    + CPMatrixReport::squareTable(*m_mb, b.fullNameUpper.toHtmlEscaped())
                    + QStringLiteral("</td></tr></table>\r\n");
        break;
    }
    case 5:
        s.summary = QStringLiteral("Family Compatibility = ") + c.familyPercentText + kLine
                    + QStringLiteral("Home stability ") + c.homeStabilityText + kLine
                    + QStringLiteral("Spiritual stability ") + c.spiritualStabilityText + kLine
                    + QStringLiteral("Marriage stability term ") + c.marriageTermText + QStringLiteral(" years")
                    + QStringLiteral("<br/><br/>\r\n");
        s.valueIndex = 1;
        s.picture = QStringLiteral("res36.jpg");
        break;
    case 6:
        s.summary = QStringLiteral("Compatibility = ") + c.valuesPercentText + kLine
                    + QStringLiteral("Values (3-5-7) - ") + num(m_ma->lines[CNumerologyPMatrix::Line357])
                    + QStringLiteral(" / ") + num(m_mb->lines[CNumerologyPMatrix::Line357])
                    + QStringLiteral("<br/><br/><br/><br/>\r\n");
        s.valueIndex = 2;
        s.picture = QStringLiteral("res33.jpg");
        break;
    case 8:
        s.summary = QStringLiteral("Character Compatibility (1) - ") + num(m_ma->cells[1]) + QStringLiteral(" / ")
                    + num(m_mb->cells[1]) + QStringLiteral("<br/><br/><br/><br/><br/>\r\n");
        s.intro = text(table, 0);
        s.valueIndex = c.characterCode;
        s.picture = layoutForm ? QStringLiteral("res16.jpg") : QStringLiteral("res38.jpg");
        break;
    case 9:
        s.summary = QStringLiteral("Energy Compatibility (2) - ") + num(m_ma->cells[2]) + QStringLiteral(" / ")
                    + num(m_mb->cells[2]) + QStringLiteral("<br/><br/><br/><br/><br/>\r\n");
        s.valueIndex = c.energyCode;
        s.picture = QStringLiteral("res17.jpg");
        break;
    case 10:
        s.valueIndex = 3;
        break;
    case 11:
        s.title = QStringLiteral("Custom Text");
        s.intro = texts().customText();
        break;
    default:
        s.known = false;
        break;
    }
    if (table > 0 && s.valueIndex >= 0 && id != 0)
        s.body = text(table, s.valueIndex);
    return s;
}

bool CCompatibilityReport::build(const CNumerology &a, const CNumerology &b, const CNumerologyPMatrix &matrixA,
                                 const CNumerologyPMatrix &matrixB, const CCompNumerology &c,
                                 const CReportLayout *layout)
{
    m_lastError.clear();
    m_a = &a;
    m_b = &b;
    m_ma = &matrixA;
    m_mb = &matrixB;
    m_c = &c;

    if (!layout) {
        beginDocument(QStringLiteral("Qzarel Numerology Compatibility Report"));
        const QVector<ReportCatalogue::Field> fields = ReportCatalogue::builtInFields(RKLoveCompatibility);
        for (const ReportCatalogue::Field &f : fields) {
            const Section s = section(f.id, false);
            beginBlock(true);
            if (!s.picture.isEmpty())
                setImageFile(s.picture);
            if (!s.title.isEmpty())
                addPlainHeading(s.title);
            addRawHtml(s.rawHtml);
            addParagraph(s.summary + s.intro);
            endBlock();
            if (!s.body.isEmpty()) {
                beginBlock(true);
                addParagraph(splitParagraphs(s.body + QStringLiteral("<br />"), QString(), QString()));
                endBlock();
            }
        }
        endDocument();
        return true;
    }

    beginDocument(QStringLiteral("Numerology Compatibility Report"));
    const bool hideAll = layout->hidesAllImages(RKLoveCompatibility);
    for (const CReportFieldItem &item : layout->fields(RKLoveCompatibility)) {
        const Section s = section(item.id, true);
        if (!s.known)
            continue;
        addParagraph(QStringLiteral("<br />"));
        if (!s.picture.isEmpty() && showsPicture(item, hideAll))
            setImageFile(s.picture);
        if (!s.rawHtml.isEmpty()) {
            // Tables go right under the heading, before any text.
            beginBlock(false);
            if (item.defaultStyle)
                addPlainHeading(item.caption.toHtmlEscaped());
            else
                addHeading(item.caption.toHtmlEscaped(), item.headerColor, item.headerFont);
            addRawHtml(s.rawHtml);
            endBlock();
            if (!s.intro.isEmpty())
                addFieldPart(QString(), QString(), s.intro, &item, 0);
            continue;
        }
        // The summary lines stay when a custom text replaces the introduction.
        addSection(item.caption, QString(), s.intro, s.body, s.valueIndex, item, hideAll, s.summary);
        if (s.valueIndex < 0 && !item.defaultStyle && s.summary.isEmpty() && s.intro.isEmpty())
            endBlock();
    }
    endDocument();
    return true;
}
