#include "engine/celebrity.h"

bool CelebrityRecord::isEmpty() const
{
    return lifePath == 0 && birthDayNumber == 0 && expression == 0 && name.isEmpty() &&
           packedDate == 0;
}

void CelebrityTable::clear()
{
    for (CelebrityRecord &r : m_records)
        r = CelebrityRecord();
}

QString CelebrityTable::imageName(int index)
{
    return QStringLiteral("%1.jpg").arg(index, 3, 10, QLatin1Char('0'));
}
