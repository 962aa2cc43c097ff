#include "app/core/apppaths.h"
#include "app/core/appstate.h"

#include <QDataStream>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

class TestStateFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    // Writes the leading fields of a state file by hand, as an older or a
    // broken writer would have left it.
    void writeRaw(const QString &file, const QString &magic, const QByteArray &flags,
                  int extraFields)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QDataStream out(&f);
        out.setVersion(QDataStream::Qt_4_6);
        out << magic << QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)) << flags;
        if (extraFields > 0)
            out << true;
        if (extraFields > 1)
            out << qint32(4);
        if (extraFields > 2)
            out << true;
        if (extraFields > 3)
            out << qint32(1);
    }

private slots:
    void roundTrip()
    {
        AppState s;
        s.lastUpdateCheck = QDateTime(QDate(2025, 12, 24), QTime(18, 30, 0));
        s.calcFlags = QByteArray("\x00\x01\x01\x00\x00\x01", 6);
        s.guideNotAtStart = true;
        s.themeIndex = 5;
        s.dayFirstDates = true;
        s.extendedMasters = 1;
        s.layoutName = QStringLiteral("Brief reading");
        s.windowGeometry = QByteArray("\x01\xd9\xd0\xcb", 4);
        s.reportChoice = QByteArray("\x01\x00\x01\x01\x00\x01\x01", 7);
        QVERIFY(writeStateFile(path("rt.cfg"), s));

        AppState r;
        QVERIFY(readStateFile(path("rt.cfg"), r));
        QCOMPARE(r.lastUpdateCheck, s.lastUpdateCheck);
        QCOMPARE(r.calcFlags, s.calcFlags);
        QCOMPARE(r.guideNotAtStart, true);
        QCOMPARE(r.themeIndex, 5);
        QCOMPARE(r.dayFirstDates, true);
        QCOMPARE(r.extendedMasters, 1);
        QCOMPARE(r.layoutName, s.layoutName);
        QCOMPARE(r.windowGeometry, s.windowGeometry);
        QCOMPARE(r.reportChoice, s.reportChoice);
    }

    void missingFileKeepsDefaults()
    {
        AppState r;
        QVERIFY(!readStateFile(path("none.cfg"), r));
        QCOMPARE(r.lastUpdateCheck, QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0)));
        QCOMPARE(r.calcFlags, QByteArray("\x01\x00\x00\x01\x01\x00", 6));
        QCOMPARE(r.themeIndex, 0);
        QCOMPARE(r.dayFirstDates, false);
    }

    void shortAndForeignFiles_data()
    {
        QTest::addColumn<QString>("magic");
        QTest::addColumn<QByteArray>("flags");
        QTest::addColumn<int>("extra");
        QTest::addColumn<QByteArray>("wantFlags");
        QTest::addColumn<bool>("wantGuideOff");
        QTest::addColumn<int>("wantTheme");
        const QByteArray def("\x01\x00\x00\x01\x01\x00", 6);
        const QByteArray six("\x00\x01\x00\x00\x01\x01", 6);
        QTest::newRow("ends after flags") << "KQRXNUMFILE" << six << 0 << six << false << 0;
        QTest::newRow("two optional fields") << "KQRXNUMFILE" << six << 2 << six << true << 4;
        QTest::newRow("five-byte flags") << "KQRXNUMFILE" << QByteArray(5, 1) << 4 << def << true << 4;
        QTest::newRow("seven-byte flags") << "KQRXNUMFILE" << QByteArray(7, 1) << 4 << def << true << 4;
        QTest::newRow("foreign magic") << "KQRXNUMFILX" << six << 4 << def << false << 0;
    }

    void shortAndForeignFiles()
    {
        QFETCH(QString, magic);
        QFETCH(QByteArray, flags);
        QFETCH(int, extra);
        writeRaw(path("short.cfg"), magic, flags, extra);
        AppState r;
        readStateFile(path("short.cfg"), r);
        QFETCH(QByteArray, wantFlags);
        QFETCH(bool, wantGuideOff);
        QFETCH(int, wantTheme);
        QCOMPARE(r.calcFlags, wantFlags);
        QCOMPARE(r.guideNotAtStart, wantGuideOff);
        QCOMPARE(r.themeIndex, wantTheme);
        QCOMPARE(r.dayFirstDates, extra > 2 && magic == QLatin1String("KQRXNUMFILE"));
    }

    // Truncations and random bit flips of a good file must never crash or
    // leave flags outside 0/1.
    void corruptedFilesAreHarmless()
    {
        AppState s;
        s.themeIndex = 3;
        QVERIFY(writeStateFile(path("good.cfg"), s));
        QFile g(path("good.cfg"));
        QVERIFY(g.open(QIODevice::ReadOnly));
        const QByteArray good = g.readAll();
        QRandomGenerator rng(1234);
        for (int i = 0; i < 2000; ++i) {
            QByteArray bad = good.left(int(rng.bounded(good.size() + 1)));
            const int flips = int(rng.bounded(4));
            for (int k = 0; k < flips && !bad.isEmpty(); ++k)
                bad[int(rng.bounded(bad.size()))] = char(rng.bounded(256));
            QFile f(path("bad.cfg"));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bad);
            f.close();
            AppState r;
            readStateFile(path("bad.cfg"), r);
            QCOMPARE(r.calcFlags.size(), 6);
            for (char c : r.calcFlags)
                QVERIFY(c == 0 || c == 1);
        }
    }

    void sampleChartsNeverReplaceUserFiles()
    {
        QTemporaryDir tpl, user;
        for (const char *n : {"a.qnr", "b.qnr", "note.txt"}) {
            QFile f(tpl.filePath(QString::fromLatin1(n)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("template");
        }
        QFile mine(user.filePath(QStringLiteral("a.qnr")));
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.write("edited by the user");
        mine.close();

        QCOMPARE(AppPaths::copySampleCharts(tpl.path(), user.path()), 1);
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("edited by the user"));
        QVERIFY(QFile::exists(user.filePath(QStringLiteral("b.qnr"))));
        QVERIFY(!QFile::exists(user.filePath(QStringLiteral("note.txt"))));
        // A deleted sample comes back at the next start.
        QVERIFY(QFile::remove(user.filePath(QStringLiteral("b.qnr"))));
        QCOMPARE(AppPaths::copySampleCharts(tpl.path(), user.path()), 1);
    }

    void configFolderIsUsable()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString dir = AppPaths::configFolder();
        QVERIFY(!dir.isEmpty());
        QVERIFY(!dir.endsWith(QLatin1Char('/')));
        QVERIFY(QFileInfo(dir).isDir());
        QVERIFY(AppPaths::stateFilePath().startsWith(dir + QLatin1Char('/')));
    }
};

QTEST_GUILESS_MAIN(TestStateFile)
#include "tst_statefile.moc"
