#include "engine/atomicwrite.h"
#include "tests/common/fulldisk.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A device that takes at most `perCall` bytes a call and refuses everything
// after `capacity` bytes, returning `refusal` (-1 for an error, 0 for nothing).
class LimitedDevice : public QIODevice
{
public:
    LimitedDevice(qint64 capacity, qint64 perCall, qint64 refusal)
        : m_capacity(capacity), m_perCall(perCall), m_refusal(refusal)
    {
        open(QIODevice::WriteOnly);
    }
    QByteArray written;
    int calls = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 len) override
    {
        ++calls;
        const qint64 room = m_capacity - written.size();
        if (room <= 0)
            return m_refusal;
        const qint64 n = qMin(qMin(len, m_perCall), room);
        written.append(data, int(n));
        return n;
    }

private:
    qint64 m_capacity, m_perCall, m_refusal;
};

QByteArray sample(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char('a' + (i * 7) % 26);
    return bytes;
}

} // namespace

class TestAtomicWrite : public QObject
{
    Q_OBJECT

private slots:
    void writeAllChecksEveryCount_data();
    void writeAllChecksEveryCount();
    void savesReplaceTheWholeFile();
    void unwritableTargetIsReported();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
};

void TestAtomicWrite::writeAllChecksEveryCount_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<qint64>("capacity");
    QTest::addColumn<qint64>("perCall");
    QTest::addColumn<qint64>("refusal");
    QTest::addColumn<bool>("expected");
    const qint64 big = 1 << 30;
    QTest::newRow("everything fits") << 200000 << big << big << qint64(-1) << true;
    QTest::newRow("short writes are continued") << 1000 << big << qint64(7) << qint64(-1) << true;
    QTest::newRow("nothing to write") << 0 << qint64(0) << qint64(1) << qint64(-1) << true;
    QTest::newRow("error after part") << 5000 << qint64(4096) << big << qint64(-1) << false;
    QTest::newRow("zero after part") << 5000 << qint64(4096) << big << qint64(0) << false;
    QTest::newRow("refused from the start") << 55 << qint64(0) << big << qint64(-1) << false;
    QTest::newRow("one byte short") << 70000 << qint64(69999) << qint64(1000) << qint64(0) << false;
}

void TestAtomicWrite::writeAllChecksEveryCount()
{
    QFETCH(int, size);
    QFETCH(qint64, capacity);
    QFETCH(qint64, perCall);
    QFETCH(qint64, refusal);
    QFETCH(bool, expected);
    const QByteArray data = sample(size);
    LimitedDevice device(capacity, perCall, refusal);
    QCOMPARE(atomicwrite::writeAll(device, data), expected);
    if (expected)
        QCOMPARE(device.written, data);
    // A device that stops taking bytes must not be asked forever.
    QVERIFY(device.calls <= size + 2);
}

void TestAtomicWrite::savesReplaceTheWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state.dat"));
    QString error;
    QVERIFY(atomicwrite::saveFileAtomically(path, sample(100000), &error));
    QVERIFY(error.isEmpty());
    QVERIFY(atomicwrite::saveFileAtomically(path, "short", &error));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("short"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestAtomicWrite::unwritableTargetIsReported()
{
    QTemporaryDir dir;
    QString error;
    QVERIFY(!atomicwrite::saveFileAtomically(dir.filePath(QStringLiteral("no/such/folder/x.num")), "x", &error));
    QVERIFY(!error.isEmpty());
    // A folder in the way is no file to replace.
    error.clear();
    QVERIFY(!atomicwrite::saveFileAtomically(dir.path(), "x", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(dir.path()).isDir());
}

void TestAtomicWrite::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<int>("newSize");
    // Below Qt's 16 KB file buffer only flush() sees the failure.
    QTest::newRow("small, buffered") << 55;
    QTest::newRow("larger than the buffer") << 100000;
}

void TestAtomicWrite::fullDiskKeepsTheOldFile()
{
    QFETCH(int, newSize);
    FullDisk disk;
    QZ_REQUIRE_FULL_DISK(disk);
    const QByteArray old = sample(300);
    QVERIFY(disk.put(QStringLiteral("persons.num"), old));
    QVERIFY(disk.fill());
    QString error;
    QVERIFY(!atomicwrite::saveFileAtomically(disk.filePath(QStringLiteral("persons.num")), sample(newSize).toUpper(),
                                             &error));
    QVERIFY2(!error.isEmpty(), "a failed save must say why");
    QCOMPARE(disk.bytesOf(QStringLiteral("persons.num")), old);
    QCOMPARE(disk.entries(), QStringList{QStringLiteral("persons.num")});
}

QTEST_GUILESS_MAIN(TestAtomicWrite)
#include "tst_atomicwrite.moc"
