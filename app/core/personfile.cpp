#include "app/core/personfile.h"

#include "engine/atomicwrite.h"

#include <QFile>

namespace {
constexpr qint64 kMaxPersonFileSize = 4 * 1024 * 1024;
} // namespace

PersonFileStatus readPersonFile(const QString &path, bool wholeList, PersonFileContent &out)
{
    out = PersonFileContent();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return PersonFileStatus::CantOpen;
    if (f.size() > kMaxPersonFileSize)
        return PersonFileStatus::WrongFormat;
    const QString text = QString::fromUtf8(f.read(kMaxPersonFileSize));
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QStringList first = lines.value(0).split(QLatin1Char(','));
    out.firstLineFields = first.size();
    if (first.size() == kPersonFieldsOld) {
        PersonRecord p;
        personFromFields(first, p);
        out.records.append(p);
        return PersonFileStatus::Ok;
    }
    if (first.size() != kPersonFieldsNew)
        return PersonFileStatus::WrongFormat;
    if (!wholeList) {
        PersonRecord p;
        personFromFields(first, p);
        out.records.append(p);
        return PersonFileStatus::Ok;
    }
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char(','));
        PersonRecord p;
        if (fields.size() == kPersonFieldsNew && personFromFields(fields, p))
            out.records.append(p);
    }
    return PersonFileStatus::Ok;
}

bool writePersonFile(const QString &path, const QList<PersonRecord> &records,
                     const QDate &forecast)
{
    QStringList lines;
    lines.reserve(records.size());
    for (const PersonRecord &p : records)
        lines.append(personToLine(p, forecast));
    return atomicwrite::saveFileAtomically(path, lines.join(QLatin1Char('\n')).toUtf8());
}
