#include "engine/namecleaning.h"

#include <QStringList>

namespace qz {

QString cleanName(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString kept;
    kept.reserve(decomposed.size());
    for (QChar c : decomposed) {
        const QChar::Category cat = c.category();
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Other_NotAssigned)
            continue;
        const ushort u = c.unicode();
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9'))
            kept.append(c);
        else if (u == '\'')
            continue;
        else
            kept.append(QLatin1Char(' '));
    }
    kept.truncate(300);
    kept.remove(QLatin1Char(','));
    return kept.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char(' '));
}

QString cleanAdvisorName(const QString &text)
{
    QString name = text.left(300);
    name.remove(QLatin1Char(','));
    return cleanName(name);
}

QString defaultShortName(const QString &cleanedFullName)
{
    const QStringList words = cleanedFullName.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 3)
        return words.join(QLatin1Char(' '));
    return words.first() + QLatin1Char(' ') + words.last();
}

} // namespace qz
