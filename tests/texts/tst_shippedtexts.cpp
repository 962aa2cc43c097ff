// Checks the shipped data file: every entry a report can ask for is written.
// Fails until the interpretation content is complete (ctest label "content").

#include "texts/interpretationtexts.h"
#include "texts/requiredtexts.h"

#include <QMap>
#include <QtTest>

class TestShippedTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void requiredEntriesAreWritten();
    void celebrityDatabaseIsComplete();
};

void TestShippedTexts::initTestCase()
{
    TextLoadStats stats;
    QVERIFY2(loadInterpretationTexts(QStringLiteral(QZ_BIN_DIR "/eng.dat"), &stats), "build/bin/eng.dat is missing");
    QCOMPARE(stats.overlong, 0);
    QVERIFY(!stats.truncated);
}

void TestShippedTexts::requiredEntriesAreWritten()
{
    // One line per section keeps hundreds of gaps readable.
    QMap<int, QStringList> gaps;
    int missing = 0;
    for (const TextAddress &entry : requiredTextEntries()) {
        if (isBlankText(interpretationText(entry.section, entry.index))) {
            const bool guide = entry.section >= 700 && entry.section <= 703;
            const int group = guide ? 700 : entry.section;
            gaps[group].append(guide ? QStringLiteral("%1.%2")
                                           .arg((entry.section - 700) * 10 + entry.index / 10)
                                           .arg(entry.index % 10)
                                     : QString::number(entry.index));
            ++missing;
        }
    }
    for (auto it = gaps.constBegin(); it != gaps.constEnd(); ++it) {
        const QString title = it.key() == 700 ? QStringLiteral("guide sections.parts") : textSectionTitle(it.key());
        qWarning().noquote() << QStringLiteral("missing %1 (%2): %3").arg(it.key()).arg(title, it.value().join(QStringLiteral(", ")));
    }
    QVERIFY2(missing == 0, qPrintable(QStringLiteral("%1 of %2 required entries are empty (listed above)")
                                          .arg(missing)
                                          .arg(requiredTextEntries().size())));
}

void TestShippedTexts::celebrityDatabaseIsComplete()
{
    const QStringList problems = celebrityDatabaseProblems();
    for (const QString &problem : problems)
        qWarning().noquote() << problem;
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 celebrity problems (listed above)").arg(problems.size())));
}

QTEST_GUILESS_MAIN(TestShippedTexts)
#include "tst_shippedtexts.moc"
