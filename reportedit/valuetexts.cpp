#include "reportedit/valuetexts.h"

#include "reports/reportcatalogue.h"
#include "texts/interpretationtexts.h"

namespace {

const QLatin1String kMarker("<!-- md --><br>");

bool isPairTable(int code)
{
    // Compatibility codes join the two people's numbers: 12 is one and two.
    return code == 401 || code == 403 || code == 404 || code == 405 || code == 406;
}

bool isShiftedTable(int code)
{
    return code == 115 || code == 128 || code == 130;
}

bool hasText(const QString &s)
{
    return !s.trimmed().isEmpty();
}

}  // namespace

namespace ValueTexts {

QVector<QString> standardTexts(int kind, int id)
{
    const int code = textTableFor(kind, id);
    QVector<QString> out;
    if (code >= 602 && code <= 604) {
        const auto which = static_cast<CelebrityTextKind>(code - 602);
        for (int i = 0; i < kCelebrityCount; ++i)
            out.append(celebrityText(which, i));
        return out;
    }
    const QString *table = code > 0 ? interpretationTable(code) : nullptr;
    if (!table)
        return out;
    out.reserve(kTextTableSize);
    for (int i = 0; i < kTextTableSize; ++i)
        out.append(table[i]);
    return out;
}

QVector<QPair<int, QString>> chooserEntries(const QVector<QString> &table, int tableCode)
{
    QVector<QPair<int, QString>> out;
    for (int slot = 0; slot < table.size(); ++slot) {
        if (!hasText(table.at(slot)))
            continue;
        QString label;
        const bool celebrities = tableCode >= 602 && tableCode <= 604;
        if (slot == 0 && !celebrities) {
            label = QStringLiteral("Heading");
        } else if (isPairTable(tableCode) && slot >= 10) {
            const QString digits = QString::number(slot);
            label = digits.left(1) + QStringLiteral(" + ") + digits.mid(1);
        } else {
            label = QString::number(isShiftedTable(tableCode) ? slot - 1 : slot);
        }
        out.append(qMakePair(slot, label));
    }
    return out;
}

QString toStored(const QString &html)
{
    QString s = html;
    s.replace(QLatin1String("<p"), kMarker + QLatin1String("<p"));
    return s;
}

QString fromStored(const QString &stored)
{
    QString s = stored;
    s.remove(kMarker);
    return s;
}

}  // namespace ValueTexts
