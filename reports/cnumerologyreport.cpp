#include "reports/cnumerologyreport.h"

#include "engine/cnumerology.h"
#include "reports/creportlayout.h"
#include "reports/creporttexts.h"
#include "reports/numerologycharts.h"
#include "reports/reportcatalogue.h"
#include "reports/reportformat.h"

namespace {

QString num(int n)
{
    return QString::number(n);
}

// Ids the built-in form counts as present in the summary.
QVector<int> allFieldIds()
{
    QVector<int> ids;
    for (int id = 0; id <= 36; ++id)
        ids.append(id);
    return ids;
}

} // namespace

CNumerologyReport::CNumerologyReport(QObject *parent)
    : CReportWriter(parent)
{
}

bool CNumerologyReport::namesValid(const CNumerology &n)
{
    return n.expression != 0 && n.heartDesire != 0 && n.personality != 0 && n.minorExpression != 0
           && n.minorHeartDesire != 0;
}

int CNumerologyReport::ageAtTarget(const CNumerology &n)
{
    const QDate b = n.birthDate;
    const QDate t = n.targetDate;
    if (!b.isValid() || !t.isValid())
        return -1;
    int age = t.year() - b.year() - 1;
    if (t.month() > b.month() || (t.month() == b.month() && t.day() >= b.day()))
        ++age;
    return age;
}

CNumerologyReport::Section CNumerologyReport::section(const CNumerology &n, int id) const
{
    Section s;
    s.present = true;
    s.title = ReportCatalogue::fieldCaption(RKNumerology, id);
    const int table = textTableFor(RKNumerology, id);
    if (table > 0)
        s.intro = text(table, 0);

    auto single = [&](int value, const QString &shown, const char *picture) {
        s.numberText = shown;
        s.valueIndex = value;
        s.body = text(table, value);
        if (picture)
            s.picture = QLatin1String(picture);
    };
    auto lifeCycleSpan = [&](int cycle) -> QString {
        const int e[3] = {n.pinnacleSpanEnds[0], n.pinnacleSpanEnds[1], n.pinnacleSpanEnds[2]};
        switch (cycle) {
        case 0: return QStringLiteral("0-") + num(e[0]);
        case 1: return num(e[0]) + QLatin1Char('-') + num(e[1]);
        case 2: return num(e[1]) + QLatin1Char('-') + num(e[2]);
        default: return num(e[2]) + QStringLiteral("-E");
        }
    };

    switch (id) {
    case 1: single(n.lifePath, num(n.lifePath), "res01.jpg"); break;
    case 2: single(n.birthDate.day(), n.birthdayText, "res02.jpg"); break;
    case 3: single(n.expression, n.expressionText, "res03.jpg"); break;
    case 4: single(n.minorExpression, n.minorExpressionText, nullptr); break;
    case 5: single(n.heartDesire, n.heartDesireText, "res04.jpg"); break;
    case 6: single(n.minorHeartDesire, n.minorHeartDesireText, nullptr); break;
    case 25:
        s.present = n.chaldeanMode && n.expressionRaw >= 10 && n.expressionRaw <= 99;
        single(n.expressionRaw, num(n.expressionRaw), nullptr);
        break;
    case 7: single(n.personality, n.personalityText, "res05.jpg"); break;
    case 21: single(n.minorPersonality, n.minorPersonalityText, nullptr); break;
    case 22:
        s.picture = QStringLiteral("res06.jpg");
        s.multi = true;
        for (int i = 0; i < n.karmicDebtCount && i < 4; ++i) {
            const int debt = n.karmicDebts[i];
            s.parts.append({QStringLiteral("Karmic Debt Number: ") + num(debt), QString(), text(table, debt), debt});
        }
        break;
    case 8: single(n.maturity, n.maturityText, "res07.jpg"); break;
    case 9: single(n.rationalThought, n.rationalThoughtText, "res08.jpg"); break;
    case 10:
    case 12:
        s.picture = QLatin1String(id == 10 ? "res09.jpg" : "res11.jpg");
        s.numberText = id == 10 ? n.karmicLessonsText : n.hiddenPassionText;
        s.multi = true;
        for (int digit : ReportFormat::numberList(s.numberText))
            s.parts.append({QString(), QStringLiteral("<b>") + num(digit) + QStringLiteral(":</b> "), text(table, digit), digit});
        break;
    case 11: single(n.balance, n.balanceText, "res10.jpg"); break;
    case 13: single(n.subconsciousConfidence, n.subconsciousConfidenceText, "res12.jpg"); break;
    case 26:
        s.picture = QStringLiteral("res03.jpg");
        break;
    case 28: single(n.planeNumbers[0], num(n.planeNumbers[0]), nullptr); break;
    case 27: single(n.planeNumbers[1], num(n.planeNumbers[1]), nullptr); break;
    case 29: single(n.planeNumbers[2], num(n.planeNumbers[2]), nullptr); break;
    case 30: single(n.planeNumbers[3], num(n.planeNumbers[3]), nullptr); break;
    case 14:
    case 15: {
        const bool pinnacles = id == 14;
        s.picture = QLatin1String(pinnacles ? "res13.jpg" : "res14.jpg");
        s.numberText = pinnacles ? n.pinnaclesText : n.challengesText;
        s.multi = true;
        s.parts.append({QString(), QStringLiteral("Age span for life cycles ") + n.pinnacleSpansText, QString(), -1});
        for (int c = 0; c < 4; ++c) {
            const int value = pinnacles ? n.pinnacles[c] : n.challenges[c];
            const int index = pinnacles ? value : 1 + value;
            s.parts.append({QString(),
                            QStringLiteral("<b>Life cycle ") + num(c + 1) + QStringLiteral(" (") + lifeCycleSpan(c)
                                + QStringLiteral(")</b> "),
                            text(table, index), index});
        }
        break;
    }
    case 31:
    case 33: {
        const int bridge = id == 31 ? n.bridgeLifePathExpression : n.bridgeHeartPersonality;
        s.present = bridge >= 0 && bridge <= 8;
        s.numberText = num(bridge);
        s.valueIndex = bridge;
        s.body = text(table, 1 + bridge);
        break;
    }
    case 32:
    case 34: {
        const int code = id == 32 ? n.bridgeLifePathExpressionCode : n.bridgeHeartPersonalityCode;
        s.present = code >= 0 && code <= 99;
        s.intro.clear();
        s.numberText = num(code);
        s.valueIndex = code;
        s.body = text(table, code);
        break;
    }
    case 16:
    case 17:
    case 18: {
        s.picture = id == 18 ? QString() : QStringLiteral("res15.jpg");
        const QDate t = n.targetDate;
        const int value = id == 16 ? n.personalYearFor(t) : id == 17 ? n.personalMonthFor(t) : n.personalDayFor(t);
        s.numberText = num(value);
        s.multi = true;
        const QVector<ForecastEntry> list =
            id == 16 ? n.forecastYears() : id == 17 ? n.forecastMonths() : n.forecastDays();
        for (const ForecastEntry &e : list) {
            QString period;
            if (id == 16)
                period = num(e.date.year());
            else if (id == 17)
                period = ReportFormat::monthAbbreviation(e.date.month()) + QLatin1Char(' ') + num(e.date.year());
            else
                period = ReportFormat::shortDate(e.date);
            s.parts.append({QString(), QStringLiteral("<b>") + period + QStringLiteral(" (") + num(e.number)
                                           + QStringLiteral(").</b> "),
                            text(table, e.number), e.number});
        }
        break;
    }
    case 19:
    case 20: {
        const int age = ageAtTarget(n);
        s.present = age >= 0 && age <= 99;
        if (!s.present)
            break;
        s.numberText = num(age);
        s.multi = true;
        if (id == 20) {
            const int value = n.essence[age];
            s.parts.append({QString(), QStringLiteral("<b>Essence ") + num(value) + QStringLiteral(":</b> "),
                            text(table, value), value});
            break;
        }
        const QString *transits[3] = {&n.physicalTransit, &n.mentalTransit, &n.spiritualTransit};
        static const char *const labels[3] = {"Physical", "Mental", "Spiritual"};
        for (int k = 0; k < 3; ++k) {
            const QChar c = age < transits[k]->size() ? transits[k]->at(age) : QChar(QLatin1Char(' '));
            const bool letter = c >= QLatin1Char('A') && c <= QLatin1Char('Z');
            const int index = letter ? 1 + (c.unicode() - 'A') : -1;
            s.parts.append({QString(),
                            QStringLiteral("<b>") + QLatin1String(labels[k])
                                + (letter ? QStringLiteral(" (") + c + QStringLiteral(")") : QString())
                                + QStringLiteral("</b> "),
                            letter ? text(table, index) : QString(), index});
        }
        break;
    }
    case 35:
        s.title = QStringLiteral("Custom Text");
        s.intro = texts().customText();
        break;
    default:
        s.present = false;
        break;
    }
    return s;
}

QString CNumerologyReport::summary(const CNumerology &n, const QVector<int> &ids, bool all) const
{
    struct Line
    {
        const char *label;
        int id;
        int altId; // a second field that also brings the line (-1: none)
        QString value;
    };
    const Line lines[] = {
        {"Life path number ", 1, -1, n.lifePathText},
        {"Birthday ", 2, -1, n.birthdayText},
        // Layouts cannot hold id 23, so their karmic debts field brings the line.
        {"Karmic Debts ", 23, 22, n.karmicDebtsText},
        {"Expression number ", 3, -1, n.expressionText},
        {"Minor Expression number ", 4, -1, n.minorExpressionText},
        {"Heart Desire number ", 5, -1, n.heartDesireText},
        {"Minor Heart Desire number ", 6, -1, n.minorHeartDesireText},
        {"Compound number ", 25, -1, num(n.expressionRaw)},
        {"Personality number ", 7, -1, n.personalityText},
        {"Minor personality number ", 21, -1, n.minorPersonalityText},
        {"Maturity number ", 8, -1, n.maturityText},
        {"Rational Thought number ", 9, -1, n.rationalThoughtText},
        {"Karmic Lessons numbers ", 10, -1, n.karmicLessonsText},
        {"Balance number ", 11, -1, n.balanceText},
        {"Hidden Passion number ", 12, -1, n.hiddenPassionText},
        {"Subconscious Confidence number ", 13, -1, n.subconsciousConfidenceText},
        {"Age span periods for challenges and pinnacles ", 15, -1, n.pinnacleSpansText},
        {"Challenge numbers: ", 15, -1, n.challengesText},
        {"Pinnacle numbers: ", 14, -1, n.pinnaclesText},
        {"Life Path periods ", 1, -1, n.lifePathPeriodsText},
        {"Time span of Life Path periods ", 1, -1, n.lifePathPeriodSpansText},
        {"Life Path - Expression Bridge number ", 31, -1, n.bridgeLifePathExpressionText},
        {"Heart's Desire - Personality Bridge number ", 33, -1, n.bridgeHeartPersonalityText},
    };
    QString out;
    for (const Line &l : lines) {
        if (all || ids.contains(l.id) || (l.altId >= 0 && ids.contains(l.altId)))
            out += QLatin1String(l.label) + l.value + QStringLiteral("<br />\r\n");
    }
    return out;
}

void CNumerologyReport::writeHead(const CNumerology &n, const CReportFieldItem *item, const QVector<int> &ids)
{
    beginBlock(true);
    if (item && !item->defaultStyle)
        addHeading(item->caption.toHtmlEscaped(), item->headerColor, item->headerFont);
    else
        addPlainHeading(n.chaldeanMode ? QStringLiteral("Chaldean Numerology Chart for")
                                       : QStringLiteral("Numerology Chart for"));
    const QString shortName = m_shortName.isEmpty() ? n.shortNameUpper : m_shortName;
    addLine(QStringLiteral("<b>") + ReportFormat::personLine(n.fullNameUpper, shortName, n.birthDate).toHtmlEscaped()
                + QStringLiteral("</b>"),
            QColor(Qt::black), defaultHeadingFont());
    addParagraph(summary(n, ids, item == nullptr));
    endBlock();
    addRawHtml(NumerologyCharts::allTables(n));
}

void CNumerologyReport::writeBuiltInSection(const Section &s)
{
    beginBlock(true);
    if (!s.picture.isEmpty())
        setImageFile(s.picture);
    // Untitled fields (the second bridge values) are headed by their number alone.
    const QString heading = s.title.isEmpty() ? s.numberText : s.title + QLatin1Char(' ') + s.numberText;
    if (!heading.isEmpty())
        addPlainHeading(heading);
    // One block per paragraph, so that a long introduction may break across pages.
    addParagraph(splitParagraphs(s.intro, QString(), QString()));
    endBlock();
    if (s.multi) {
        for (const Part &p : s.parts)
            addFieldPart(p.heading, p.prefix, p.body, nullptr, p.valueIndex);
        return;
    }
    if (s.body.isEmpty())
        return;
    beginBlock(true);
    addParagraph(splitParagraphs(s.body + QStringLiteral("<br />"), QString(), QString()));
    endBlock();
}

void CNumerologyReport::writeLayoutSection(const Section &s, const CReportFieldItem &item, bool hideAll)
{
    addParagraph(QStringLiteral("<br />"));
    if (!s.picture.isEmpty() && showsPicture(item, hideAll))
        setImageFile(s.picture);
    if (!s.multi && s.valueIndex >= 0) {
        addSection(item.caption, s.numberText, s.intro, s.body, s.valueIndex, item, hideAll);
        return;
    }
    addSection(item.caption, s.numberText, s.intro, QString(), -1, item, hideAll);
    // A custom-style heading without an introduction leaves its block open.
    if (!item.defaultStyle && s.intro.isEmpty())
        endBlock();
    for (const Part &p : s.parts)
        addFieldPart(p.heading, p.prefix, p.body, &item, p.valueIndex);
}

bool CNumerologyReport::build(const CNumerology &n, const CReportLayout *layout, const QString &shortName)
{
    if (!namesValid(n)) {
        m_lastError = CNumerology::IncorrectNameMessage;
        return false;
    }
    m_lastError.clear();
    m_shortName = shortName;
    const bool chaldean = n.chaldeanMode != 0;

    if (!layout) {
        beginDocument(chaldean ? QStringLiteral("Qzarel Chaldean Numerology Report")
                               : QStringLiteral("Qzarel Numerology Report"));
        writeHead(n, nullptr, allFieldIds());
        beginBlock(true);
        setImageFile(QStringLiteral("res39.jpg"));
        addParagraph(text(900, 0) + QStringLiteral("<br /><br />"));
        endBlock();
        const QVector<ReportCatalogue::Field> fields = ReportCatalogue::builtInFields(RKNumerology);
        for (const ReportCatalogue::Field &f : fields) {
            if (f.id == 0)
                continue;
            const Section s = section(n, f.id);
            if (s.present)
                writeBuiltInSection(s);
        }
        endDocument();
        return true;
    }

    beginDocument(chaldean ? QStringLiteral("Chaldean Numerology Report") : QStringLiteral("Numerology Report"));
    const bool hideAll = layout->hidesAllImages(RKNumerology);
    const QList<CReportFieldItem> &items = layout->fields(RKNumerology);
    QVector<int> ids;
    for (const CReportFieldItem &item : items)
        ids.append(item.id);
    for (const CReportFieldItem &item : items) {
        if (item.id == 0) {
            addParagraph(QStringLiteral("<br />"));
            writeHead(n, &item, ids);
            continue;
        }
        const Section s = section(n, item.id);
        if (!s.present)
            continue;
        if (item.id == 25) {
            // The compound number needs something to say.
            const bool custom = (item.usesCustomText(s.valueIndex) && !ReportFormat::isBlank(item.customText(s.valueIndex)))
                                || (item.usesCustomText(0) && !ReportFormat::isBlank(item.customText(0)));
            if (ReportFormat::isBlank(s.body) && ReportFormat::isBlank(s.intro) && !custom)
                continue;
        }
        writeLayoutSection(s, item, hideAll);
    }
    endDocument();
    return true;
}
