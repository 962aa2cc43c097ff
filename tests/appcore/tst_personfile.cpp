#include "app/core/personfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

PersonRecord person(const QString &full, const QDate &birth)
{
    PersonRecord p;
    p.fullName = full;
    p.shortName = full.section(QLatin1Char(' '), 0, 0);
    p.birthDate = birth;
    return p;
}

void writeText(const QString &path, const QByteArray &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

} // namespace

class TestPersonFile : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const char *n) const { return m_dir.filePath(QString::fromLatin1(n)); }

private slots:
    void roundTripKeepsEveryField()
    {
        PersonRecord p = person(QStringLiteral("Maria Luisa Perez"), QDate(1990, 2, 28));
        p.gender = 1;
        p.partnerFullName = QStringLiteral("Tom Hardy");
        p.partnerShortName = QStringLiteral("Tom");
        p.partnerBirthDate = QDate(1988, 7, 1);
        p.petName = QStringLiteral("Rex");
        p.petBirthDate = QDate(2020, 1, 5);
        p.fullMarks = {1, 2, 1, 2, 2, 0, 2, 1};
        p.shortMarks = {2, 1, 2, 1, 1};
        p.chaldean = true;
        QVERIFY(writePersonFile(path("rt.num"), {p}, QDate(2026, 12, 7)));

        QFile f(path("rt.num"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray raw = f.readAll();
        QVERIFY(!raw.endsWith('\n'));
        QCOMPARE(raw.count(','), 14);
        QVERIFY(raw.contains("07.12.2026"));

        PersonFileContent c;
        QCOMPARE(readPersonFile(path("rt.num"), false, c), PersonFileStatus::Ok);
        QCOMPARE(c.firstLineFields, 15);
        QCOMPARE(c.records.size(), 1);
        const PersonRecord &r = c.records.first();
        QVERIFY(r.samePerson(p));
        QCOMPARE(r.gender, 1);
        QCOMPARE(r.petName, p.petName);
        QCOMPARE(r.petBirthDate, p.petBirthDate);
        QCOMPARE(r.fullMarks, p.fullMarks);
        QCOMPARE(r.shortMarks, p.shortMarks);
        QVERIFY(r.partnerFullMarks.isEmpty());
        QCOMPARE(r.chaldean, true);
    }

    void commasAndSpacesAreCleaned()
    {
        PersonRecord p = person(QStringLiteral("  Smith,  John   Paul "), QDate(1985, 11, 29));
        QVERIFY(writePersonFile(path("comma.num"), {p}, QDate(2026, 1, 1)));
        PersonFileContent c;
        QCOMPARE(readPersonFile(path("comma.num"), false, c), PersonFileStatus::Ok);
        QCOMPARE(c.firstLineFields, 15);
        QCOMPARE(c.records.first().fullName, QStringLiteral("Smith John Paul"));
    }

    void recentListSkipsBadLines()
    {
        const QList<PersonRecord> list{person(QStringLiteral("Ann Lee"), QDate(1970, 1, 2)),
                                       person(QStringLiteral("Bob Stone"), QDate(1971, 3, 4))};
        QVERIFY(writePersonFile(path("auto.num"), list, QDate(2026, 1, 1)));
        QFile f(path("auto.num"));
        QVERIFY(f.open(QIODevice::Append));
        // A 14-field line and a trailing newline: both skipped.
        f.write("\n01.01.1999,X,X,0,,,,,,,,,,\n");
        f.close();

        PersonFileContent c;
        QCOMPARE(readPersonFile(path("auto.num"), true, c), PersonFileStatus::Ok);
        QCOMPARE(c.records.size(), 2);
        QCOMPARE(c.records.at(1).fullName, QStringLiteral("Bob Stone"));
        // Without the whole-list flag only the first line counts.
        QCOMPARE(readPersonFile(path("auto.num"), false, c), PersonFileStatus::Ok);
        QCOMPARE(c.records.size(), 1);
    }

    void oldAndWrongForms_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("records");
        QTest::newRow("ten fields") << QByteArray("29.11.1985,John Smith,John,7,,,,,,01.01.2020")
                                    << int(PersonFileStatus::Ok) << 1;
        QTest::newRow("nine fields") << QByteArray("29.11.1985,John Smith,John,0,,,,,")
                                     << int(PersonFileStatus::WrongFormat) << 0;
        QTest::newRow("empty file") << QByteArray() << int(PersonFileStatus::WrongFormat) << 0;
        QTest::newRow("binary junk") << QByteArray("\x00\xff\xfe,\x01\x02", 6)
                                     << int(PersonFileStatus::WrongFormat) << 0;
    }

    void oldAndWrongForms()
    {
        QFETCH(QByteArray, text);
        writeText(path("old.num"), text);
        PersonFileContent c;
        QFETCH(int, status);
        QFETCH(int, records);
        QCOMPARE(int(readPersonFile(path("old.num"), true, c)), status);
        QCOMPARE(int(readPersonFile(path("old.num"), false, c)), status);
        QCOMPARE(c.records.size(), records);
        if (records) {
            QCOMPARE(c.records.first().gender, 0); // out-of-range gender becomes female
            QCOMPARE(c.records.first().birthDate, QDate(1985, 11, 29));
        }
    }

    void marksLongerThanTwiceTheNameAreDropped()
    {
        writeText(path("marks.num"),
                  "29.11.1985,Al,Al,0,,,,,,01.01.2020,12121,1212,,,0");
        PersonFileContent c;
        QCOMPARE(readPersonFile(path("marks.num"), false, c), PersonFileStatus::Ok);
        QVERIFY(c.records.first().fullMarks.isEmpty());
        QCOMPARE(c.records.first().shortMarks, (QVector<int>{1, 2, 1, 2}));
    }

    void missingFileCannotOpen()
    {
        PersonFileContent c;
        QCOMPARE(readPersonFile(path("absent.num"), true, c), PersonFileStatus::CantOpen);
    }

    void failedSaveKeepsOldFile()
    {
        writeText(path("keep.num"), "old contents");
        // A folder in place of the target cannot be written; the old file elsewhere stays.
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("adir.num")));
        QVERIFY(!writePersonFile(path("adir.num"), {person(QStringLiteral("A B"), QDate(2000, 1, 1))},
                                 QDate(2026, 1, 1)));
        QFile f(path("keep.num"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old contents"));
    }

    void recentListRules()
    {
        QList<PersonRecord> recent;
        for (int i = 0; i < 8; ++i)
            pushRecent(recent, person(QStringLiteral("Person %1").arg(i), QDate(1980 + i, 1, 1)));
        QCOMPARE(recent.size(), 7);
        QCOMPARE(recent.first().fullName, QStringLiteral("Person 7"));
        QCOMPARE(recent.last().fullName, QStringLiteral("Person 1"));

        pushRecent(recent, person(QStringLiteral("Person 4"), QDate(1984, 1, 1)));
        QCOMPARE(recent.size(), 7);
        QCOMPARE(recent.first().fullName, QStringLiteral("Person 4"));
        int count = 0;
        for (const PersonRecord &r : recent)
            count += r.fullName == QLatin1String("Person 4");
        QCOMPARE(count, 1);

        // Same name, other birth date: a different person.
        pushRecent(recent, person(QStringLiteral("Person 4"), QDate(1999, 1, 1)));
        QCOMPARE(recent.at(1).fullName, QStringLiteral("Person 4"));
    }

    void buttonText()
    {
        PersonRecord p = person(QStringLiteral("John Smith"), QDate(1985, 11, 29));
        QCOMPARE(recentButtonText(p), QStringLiteral("John Smith\r\nNov 29, 1985"));
        p.partnerFullName = QStringLiteral("Jane Doe");
        QCOMPARE(recentButtonText(p), QStringLiteral("John Smith\r\nNov 29, 1985\r\nJane Doe"));
    }
};

QTEST_GUILESS_MAIN(TestPersonFile)
#include "tst_personfile.moc"
