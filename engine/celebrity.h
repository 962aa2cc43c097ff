#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

/**
 * One record of the celebrity database, as the interpretation data stores it.
 * The birth date is packed as day + month * 256 + year * 65536.
 */
struct CelebrityRecord {
    int lifePath = 0;
    int birthDayNumber = 0;
    int expression = 0;
    QString name;
    QString secondLine; ///< loaded with the record, printed by no report
    int packedDate = 0;

    int day() const { return packedDate & 0xff; }
    int month() const { return (packedDate >> 8) & 0xff; }
    int year() const { return packedDate >> 16; }
    static int packDate(int day, int month, int year) { return day + month * 256 + year * 65536; }
    bool isEmpty() const;
};

/**
 * The celebrity database: room for 256 records, of which the first 200 take part
 * in matching. Filled by the interpretation text store; tests fill it themselves.
 */
class CelebrityTable
{
public:
    static constexpr int Capacity = 256;
    static constexpr int MatchedRecords = 200;

    /** Empties every record. */
    void clear();
    /** Record 0..Capacity-1; other indices are a programming error. */
    CelebrityRecord &record(int index)
    {
        Q_ASSERT(index >= 0 && index < Capacity);
        return m_records[static_cast<size_t>(index)];
    }
    const CelebrityRecord &record(int index) const
    {
        Q_ASSERT(index >= 0 && index < Capacity);
        return m_records[static_cast<size_t>(index)];
    }
    /** Picture name of a record: the index with three digits and ".jpg" (4 -> "004.jpg"). */
    static QString imageName(int index);

private:
    std::array<CelebrityRecord, Capacity> m_records;
};
