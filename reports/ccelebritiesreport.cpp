#include "reports/ccelebritiesreport.h"

#include "engine/celebrity.h"
#include "engine/cnumerology.h"
#include "reports/creportlayout.h"
#include "reports/creporttexts.h"
#include "reports/reportcatalogue.h"
#include "reports/reportformat.h"

#include <QDir>

CCelebritiesReport::CCelebritiesReport(QObject *parent)
    : CReportWriter(parent)
{
}

QString CCelebritiesReport::celebrityHeading(const QString &name, int packedDate)
{
    const int day = packedDate % 256;
    const int month = (packedDate / 256) % 256;
    const int year = packedDate / 65536;
    return name + QStringLiteral(", ") + QString::number(month) + QLatin1Char('/') + QString::number(day)
           + QLatin1Char('/') + QString::number(year);
}

QString CCelebritiesReport::celebrityFolder() const
{
    // Celebrity pictures live in "doc2", a sibling of the report pictures' "doc".
    if (imagesFolder().isEmpty())
        return QString();
    return QDir::cleanPath(imagesFolder() + QStringLiteral("../doc2")) + QLatin1Char('/');
}

void CCelebritiesReport::writeHead(const CNumerology &p, const QString &shortName, const CReportFieldItem *item)
{
    beginBlock(true);
    if (item && !item->defaultStyle)
        addHeading(item->caption.toHtmlEscaped(), item->headerColor, item->headerFont);
    else
        addPlainHeading(QStringLiteral("Celebrities Report for"));
    addLine(QStringLiteral("<b>")
                + ReportFormat::personLine(p.fullNameUpper, shortName.isEmpty() ? p.shortNameUpper : shortName,
                                           p.birthDate)
                      .toHtmlEscaped()
                + QStringLiteral("</b>"),
            QColor(Qt::black), defaultHeadingFont());
    addParagraph(QStringLiteral("Date Number ") + QString::number(p.lifePath) + QStringLiteral("<br />Name Number ")
                 + QString::number(p.expression));
    endBlock();
}

void CCelebritiesReport::writeMatches(int list, const CNumerology &p, const CelebrityTable &table, bool pictures)
{
    const QVector<int> &matches = list == 1   ? p.celebrityLifePathMatches
                                  : list == 2 ? p.celebrityBirthDayMatches
                                              : p.celebrityExpressionMatches;
    const int section = 601 + list;
    const QString folder = celebrityFolder();
    for (int index : matches) {
        if (index < 0 || index >= CelebrityTable::MatchedRecords)
            continue;
        const CelebrityRecord &r = table.record(index);
        beginBlock(true);
        if (pictures)
            m_pendingImage = QStringLiteral("<img src=\"file:///") + folder + CelebrityTable::imageName(index)
                             + QStringLiteral("\" style=\"margin-left: 15px;\" align=\"right\" />");
        addPlainHeading(celebrityHeading(r.name.toHtmlEscaped(), r.packedDate));
        addParagraph(text(section, index) + QStringLiteral("<br />"));
        endBlock();
    }
}

bool CCelebritiesReport::build(const CNumerology &p, const CelebrityTable &table, const CReportLayout *layout,
                               const QString &shortName)
{
    m_lastError.clear();
    if (!layout) {
        beginDocument(QStringLiteral("Qzarel Numerology Celebrities Report"));
        writeHead(p, shortName, nullptr);
        for (int list = 1; list <= 3; ++list) {
            beginBlock(true);
            addPlainHeading(ReportCatalogue::fieldCaption(RKCelebrities, list));
            endBlock();
            writeMatches(list, p, table, true);
        }
        endDocument();
        return true;
    }

    beginDocument(QStringLiteral("Celebrities Report"));
    const bool hideAll = layout->hidesAllImages(RKCelebrities);
    for (const CReportFieldItem &item : layout->fields(RKCelebrities)) {
        if (item.id == 0) {
            addParagraph(QStringLiteral("<br />"));
            writeHead(p, shortName, &item);
        } else if (item.id >= 1 && item.id <= 3) {
            addParagraph(QStringLiteral("<br />"));
            beginBlock(true);
            if (item.defaultStyle)
                addPlainHeading(item.caption.toHtmlEscaped());
            else
                addHeading(item.caption.toHtmlEscaped(), item.headerColor, item.headerFont);
            endBlock();
            writeMatches(item.id, p, table, showsPicture(item, hideAll));
        } else if (item.id == 4) {
            addParagraph(QStringLiteral("<br />"));
            addSection(item.caption, QString(), texts().customText(), QString(), -1, item, hideAll);
            if (!item.defaultStyle && texts().customText().isEmpty())
                endBlock();
        }
    }
    endDocument();
    return true;
}
