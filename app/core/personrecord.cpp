#include "app/core/personrecord.h"

namespace {

const QString kDateFormat = QStringLiteral("dd.MM.yyyy");

QVector<int> marksFromString(const QString &digits, const QString &name)
{
    QVector<int> marks;
    if (digits.size() > 2 * name.size())
        return marks;
    marks.reserve(digits.size());
    for (const QChar c : digits)
        marks.append(c.isDigit() ? c.digitValue() : 0);
    return marks;
}

int flagOf(const QString &s)
{
    bool ok = false;
    const int v = s.trimmed().toInt(&ok);
    return ok && v != 0 ? 1 : 0;
}

} // namespace

bool PersonRecord::samePerson(const PersonRecord &o) const
{
    return fullName == o.fullName && shortName == o.shortName && birthDate == o.birthDate
           && partnerFullName == o.partnerFullName && partnerShortName == o.partnerShortName
           && partnerBirthDate == o.partnerBirthDate;
}

QString personFileName(const QString &name)
{
    QString s = name;
    s.remove(QLatin1Char(','));
    return s.simplified();
}

QString marksToString(const QVector<int> &marks)
{
    QString s;
    s.reserve(marks.size());
    for (int m : marks)
        s.append(QChar(QLatin1Char(char('0' + (m >= 0 && m <= 9 ? m : 0)))));
    return s;
}

QString personToLine(const PersonRecord &p, const QDate &forecast)
{
    const QStringList fields{
        p.birthDate.toString(kDateFormat),
        personFileName(p.fullName),
        personFileName(p.shortName),
        QString::number(p.gender ? 1 : 0),
        p.partnerBirthDate.toString(kDateFormat),
        personFileName(p.partnerFullName),
        personFileName(p.partnerShortName),
        p.petBirthDate.toString(kDateFormat),
        personFileName(p.petName),
        forecast.toString(kDateFormat),
        marksToString(p.fullMarks),
        marksToString(p.shortMarks),
        marksToString(p.partnerFullMarks),
        marksToString(p.partnerShortMarks),
        QString::number(p.chaldean ? 1 : 0),
    };
    return fields.join(QLatin1Char(','));
}

bool personFromFields(const QStringList &f, PersonRecord &out)
{
    if (f.size() != kPersonFieldsOld && f.size() != kPersonFieldsNew)
        return false;
    PersonRecord p;
    p.birthDate = QDate::fromString(f.at(0), kDateFormat);
    p.fullName = f.at(1);
    p.shortName = f.at(2);
    bool ok = false;
    const int g = f.at(3).toInt(&ok);
    p.gender = (ok && g == 1) ? 1 : 0;
    if (f.size() == kPersonFieldsNew)
        p.gender = flagOf(f.at(3));
    p.partnerBirthDate = QDate::fromString(f.at(4), kDateFormat);
    p.partnerFullName = f.at(5);
    p.partnerShortName = f.at(6);
    p.petBirthDate = QDate::fromString(f.at(7), kDateFormat);
    p.petName = f.at(8);
    if (f.size() == kPersonFieldsNew) {
        p.fullMarks = marksFromString(f.at(10), p.fullName);
        // An empty short name stands for one made from the full name.
        p.shortMarks = marksFromString(f.at(11), p.shortName.isEmpty() ? p.fullName : p.shortName);
        p.partnerFullMarks = marksFromString(f.at(12), p.partnerFullName);
        p.partnerShortMarks = marksFromString(f.at(13), p.partnerShortName.isEmpty() ? p.partnerFullName
                                                                                      : p.partnerShortName);
        p.chaldean = flagOf(f.at(14)) != 0;
    }
    out = p;
    return true;
}

void pushRecent(QList<PersonRecord> &recent, const PersonRecord &p, int limit)
{
    for (int i = recent.size() - 1; i >= 0; --i) {
        if (recent.at(i).samePerson(p))
            recent.removeAt(i);
    }
    recent.prepend(p);
    while (recent.size() > limit)
        recent.removeLast();
}

QString recentButtonText(const PersonRecord &p)
{
    static const char *const months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    QString s = p.fullName + QStringLiteral("\r\n");
    if (p.birthDate.isValid())
        s += QLatin1String(months[p.birthDate.month() - 1]) + QLatin1Char(' ')
             + QString::number(p.birthDate.day()) + QStringLiteral(", ")
             + QString::number(p.birthDate.year());
    if (!p.partnerFullName.isEmpty())
        s += QStringLiteral("\r\n") + p.partnerFullName;
    return s;
}
