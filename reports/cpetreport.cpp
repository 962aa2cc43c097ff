#include "reports/cpetreport.h"

#include "engine/cnumerology.h"
#include "reports/creportlayout.h"
#include "reports/creporttexts.h"
#include "reports/reportcatalogue.h"
#include "reports/reportformat.h"

namespace {

// "7 Dec 2026"
QString dayMonthYear(const QDate &d)
{
    return QString::number(d.day()) + QLatin1Char(' ') + ReportFormat::monthAbbreviation(d.month())
           + QLatin1Char(' ') + QString::number(d.year());
}

} // namespace

CPetReport::CPetReport(QObject *parent)
    : CReportWriter(parent)
{
}

void CPetReport::writeHead(const CNumerology &pet, const QString &petName, const CReportFieldItem *item)
{
    beginBlock(true);
    if (item && !item->defaultStyle)
        addHeading(item->caption.toHtmlEscaped(), item->headerColor, item->headerFont);
    else
        addPlainHeading(QStringLiteral("Pet Numerology Chart"));
    if (!petName.trimmed().isEmpty())
        addLine(QStringLiteral("<b>") + petName.toHtmlEscaped() + QStringLiteral("</b>"), QColor(Qt::black),
                defaultHeadingFont());
    // The same form as the section heading: the pet number alone.
    addParagraph(QStringLiteral("Pet number ") + QString::number(pet.petNumber) + QStringLiteral("<br />\r\n")
                 + QStringLiteral("Pet Birthday Code ") + QString::number(pet.petBirthdayCode)
                 + QStringLiteral("<br />\r\n") + QStringLiteral("Forecast Day Code ")
                 + QString::number(pet.petForecastDayCode) + QStringLiteral("<br />\r\n"));
    endBlock();
}

bool CPetReport::build(const CNumerology &pet, const QString &petName, const QDate &forecastDate,
                       const CReportLayout *layout)
{
    if (pet.petNumber == 0) {
        m_lastError = CNumerology::IncorrectPetNameMessage;
        return false;
    }
    m_lastError.clear();
    const QString petTitle = QStringLiteral("Pet number ");
    const QString dayTitle = QStringLiteral("Day Forecast for ");
    const int number = pet.petNumber;
    const int dayCode = pet.petForecastDayCode;

    beginDocument(QStringLiteral("Pet Numerology Report"));
    if (!layout) {
        writeHead(pet, petName, nullptr);
        beginBlock(true);
        addPlainHeading(petTitle + QString::number(number));
        addParagraph(text(301, 0));
        endBlock();
        beginBlock(true);
        addParagraph(splitParagraphs(text(301, number) + QStringLiteral("<br />"), QString(), QString()));
        endBlock();
        beginBlock(true);
        addPlainHeading(dayTitle + dayMonthYear(forecastDate));
        addParagraph(splitParagraphs(text(302, dayCode) + QStringLiteral("<br />"), QString(), QString()));
        endBlock();
        endDocument();
        return true;
    }

    const bool hideAll = layout->hidesAllImages(RKPet);
    for (const CReportFieldItem &item : layout->fields(RKPet)) {
        addParagraph(QStringLiteral("<br />"));
        switch (item.id) {
        case 0:
            writeHead(pet, petName, &item);
            break;
        case 1:
            addSection(item.caption, QString::number(number), text(301, 0), text(301, number), number, item, hideAll);
            break;
        case 2:
            addSection(item.caption, dayMonthYear(forecastDate), QString(), text(302, dayCode), dayCode, item, hideAll);
            break;
        case 3:
            addSection(item.caption, QString(), texts().customText(), QString(), -1, item, hideAll);
            if (!item.defaultStyle && texts().customText().isEmpty())
                endBlock();
            break;
        default:
            break;
        }
    }
    endDocument();
    return true;
}
