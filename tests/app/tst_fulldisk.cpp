// Every writer of the program on a full disk: the save fails, says so, and
// the file that was there stays byte for byte.
#include "app/core/appstate.h"
#include "app/core/personfile.h"
#include "app/ui/exportdocument.h"
#include "chart/chartdocument.h"
#include "chart/chartfile.h"
#include "reports/creportlayoutfile.h"
#include "reports/creportlayoutlist.h"
#include "tests/common/fulldisk.h"
#include "tests/common/widgettestmain.h"

#include <QImage>
#include <QtTest>

#include <functional>

namespace {
QByteArray oldBytes(const QString &tag)
{
    return QByteArray("previous contents of ") + tag.toUtf8() + QByteArray(200, '.');
}

QString failure(bool ok)
{
    return ok ? QString() : QStringLiteral("failed");
}
} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT

private slots:
    void everyWriterKeepsTheOldFile_data();
    void everyWriterKeepsTheOldFile();
    void renamedLayoutSurvivesAFailedSave();
};

// Empty on success, else what the caller would show.
using Writer = std::function<QString(const QString &path)>;
Q_DECLARE_METATYPE(Writer)

void TestFullDisk::everyWriterKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Writer>("writer");
    QTest::newRow("person file") << QStringLiteral("persons.num") << Writer([](const QString &path) {
        PersonRecord p;
        p.fullName = QStringLiteral("Anna Maria Lopez");
        p.birthDate = QDate(1990, 5, 17);
        return failure(writePersonFile(path, {p}, QDate(2026, 1, 1)));
    });
    QTest::newRow("state file") << QStringLiteral("qznum.cfg") << Writer([](const QString &path) {
        return failure(writeStateFile(path, AppState()));
    });
    QTest::newRow("chart") << QStringLiteral("mine.qnr") << Writer([](const QString &path) {
        ChartDocument doc;
        doc.newDocument();
        QString error;
        return chartfile::save(doc, path, &error) ? QString() : error;
    });
    QTest::newRow("layout") << QStringLiteral("Mine.qznr") << Writer([](const QString &path) {
        QString error;
        return CReportLayoutFile::write(path, CReportLayout::createDefault(QStringLiteral("Mine")), &error)
                   ? QString()
                   : error;
    });
    QTest::newRow("report html") << QStringLiteral("report.html") << Writer([](const QString &path) {
        return failure(ExportDocument::saveHtml(path, QStringLiteral("<html><head></head><body>Life Path 7</body></html>")));
    });
    QTest::newRow("chart picture") << QStringLiteral("chart.png") << Writer([](const QString &path) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        return failure(ExportDocument::saveImage(path, image));
    });
}

void TestFullDisk::everyWriterKeepsTheOldFile()
{
    QFETCH(QString, name);
    QFETCH(Writer, writer);
    FullDisk disk;
    QZ_REQUIRE_FULL_DISK(disk);
    // The writer works where there is room.
    QCOMPARE(writer(disk.filePath(QStringLiteral("room-") + name)), QString());
    QVERIFY(disk.put(name, oldBytes(name)));
    QVERIFY(disk.fill());
    QVERIFY2(!writer(disk.filePath(name)).isEmpty(), "a save on a full disk must fail and say so");
    QCOMPARE(disk.bytesOf(name), oldBytes(name));
    QCOMPARE(disk.entries(), (QStringList{name, QStringLiteral("room-") + name}));
}

void TestFullDisk::renamedLayoutSurvivesAFailedSave()
{
    FullDisk disk;
    QZ_REQUIRE_FULL_DISK(disk);
    const QString folder = disk.filePath(QString());
    CReportLayoutList list;
    list.append(CReportLayout::createDefault(QStringLiteral("Mine")));
    QVERIFY(saveLayouts(list, folder));
    const QByteArray mine = disk.bytesOf(QStringLiteral("Mine.qznr"));
    QVERIFY(loadLayouts(list, folder));
    QCOMPARE(list.count(), 1);
    list[0].name = QStringLiteral("Ours");
    QVERIFY(disk.fill());
    QString error;
    QVERIFY(!saveLayouts(list, folder, &error));
    QVERIFY2(error.contains(QLatin1String("Ours.qznr")), qPrintable(error));
    QCOMPARE(disk.bytesOf(QStringLiteral("Mine.qznr")), mine);
    QVERIFY(!QFile::exists(disk.filePath(QStringLiteral("Ours.qznr"))));
    // With room again the rename completes and only then the old name goes.
    QVERIFY(QFile::remove(disk.filePath(QStringLiteral(".filler"))));
    QVERIFY(saveLayouts(list, folder, &error));
    QCOMPARE(disk.entries(), QStringList{QStringLiteral("Ours.qznr")});
    CReportLayout ours;
    QCOMPARE(CReportLayoutFile::read(disk.filePath(QStringLiteral("Ours.qznr")), ours), CReportLayoutFile::Ok);
}

QZ_WIDGET_TEST_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
