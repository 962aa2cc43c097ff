#include "reports/creportlayoutfile.h"
#include "reports/creportlayoutlist.h"
#include "reports/creporttools.h"
#include "reports/reportcatalogue.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QVector<int> ids(const QList<CReportFieldItem> &list)
{
    QVector<int> out;
    for (const CReportFieldItem &item : list)
        out.append(item.id);
    return out;
}

QByteArray toBytes(const CReportLayout &layout, quint32 version = 2)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CReportLayoutFile::write(&buffer, layout, version);
    return bytes;
}

CReportLayoutFile::Status fromBytes(const QByteArray &bytes, CReportLayout &layout)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return CReportLayoutFile::read(&buffer, layout);
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray header(quint32 magic, quint32 version)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(12);
    out << magic << version;
    return bytes;
}

QString sample(const char *name)
{
    return QStringLiteral(QZ_TEST_DATA_DIR "/layouts/") + QLatin1String(name);
}

} // namespace

class TestReportLayouts : public QObject
{
    Q_OBJECT
private slots:
    void defaultLayout();
    void newItemDefaults();
    void textTables_data();
    void textTables();
    void roundTrip();
    void sampleFiles_data();
    void sampleFiles();
    void fuzzFindingsReadSafely();
    void migration_data();
    void migration();
    void nameCheck_data();
    void nameCheck();
    void selection();
    void truncatedFilesNeverFail();
    void absurdCounts_data();
    void absurdCounts();
    void hostilePicture();
    void randomBytes();
    void saveKeepsForeignFiles();
    void saveRemovesDeletedAndRenamed();
    void failedSaveKeepsOldFile();
};

void TestReportLayouts::defaultLayout()
{
    CReportLayout layout;
    createDefaultLayout(layout);
    QCOMPARE(layout.options.value(QStringLiteral("UPDATE1")), QStringLiteral("TRUE"));
    QCOMPARE(ids(layout.lists[RKNumerology]),
             (QVector<int>{0, 1, 2, 3, 4, 5, 6, 25, 7, 21, 22, 8, 9, 10, 11, 12, 13, 26, 28, 27, 29, 30, 14, 15,
                           31, 32, 33, 34, 16, 17, 18, 19, 20}));
    QCOMPARE(ids(layout.lists[RKPsychoMatrix]).size(), 18);
    QCOMPARE(ids(layout.lists[RKLoveCompatibility]), (QVector<int>{0, 1, 2, 7, 3, 4, 5, 8, 9, 6, 10}));
    QCOMPARE(ids(layout.lists[RKCelebrities]), (QVector<int>{0, 1, 2, 3}));
    QCOMPARE(ids(layout.lists[RKPet]), (QVector<int>{0, 1, 2}));
    for (int kind = 0; kind < RKCount; ++kind) {
        for (const CReportFieldItem &item : layout.lists[kind])
            QCOMPARE(item.reportKind, kind);
    }
    QCOMPARE(layout.lists[RKNumerology].at(25).caption, QString()); // id 32 has no caption
    QCOMPARE(layout.lists[RKNumerology].at(28).caption, QStringLiteral("Personal Year Number:"));
    // A freshly made layout needs no migration.
    CReportLayout copy = layout;
    copy.migrate();
    QCOMPARE(ids(copy.lists[RKNumerology]), ids(layout.lists[RKNumerology]));
}

void TestReportLayouts::newItemDefaults()
{
    const CReportFieldItem item = CReportFieldItem::create(2, 5, QStringLiteral("Family"));
    QCOMPARE(item.headerFont.family(), QStringLiteral("Arial"));
    QCOMPARE(item.headerFont.weight(), 75);
    QCOMPARE(item.headerFont.pixelSize(), 18);
    QCOMPARE(item.contentFont.weight(), 50);
    QCOMPARE(item.contentFont.pixelSize(), 16);
    QCOMPARE(item.headerColor, QColor(0, 0, 0, 255));
    QVERIFY(item.defaultStyle);
    QCOMPARE(item.customTexts.size(), 256);
    QCOMPARE(item.images.size(), 256);
    QCOMPARE(item.useDefaultText.count(true), 256);
    QVERIFY(!item.hidesImage());
    QVERIFY(item.name.isEmpty());
}

void TestReportLayouts::textTables_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("table");
    QTest::newRow("life path") << 0 << 1 << 101;
    QTest::newRow("minor personality shares 109") << 0 << 21 << 109;
    QTest::newRow("karmic debt 23") << 0 << 23 << 103;
    QTest::newRow("personal day") << 0 << 18 << 107;
    QTest::newRow("bridge second text") << 0 << 34 << 131;
    QTest::newRow("numerology custom text") << 0 << 35 << -1;
    QTest::newRow("head has none") << 0 << 0 << 0;
    QTest::newRow("unknown id") << 0 << 99 << 0;
    QTest::newRow("purposeful") << 1 << 10 << 201;
    QTest::newRow("self appraisal") << 1 << 13 << 213;
    QTest::newRow("love head") << 2 << 0 << 402;
    QTest::newRow("psycho-matrix none") << 2 << 4 << 0;
    QTest::newRow("energy") << 2 << 9 << 406;
    QTest::newRow("celebrity expression") << 3 << 3 << 604;
    QTest::newRow("pet forecast") << 4 << 2 << 302;
    QTest::newRow("unknown kind") << 7 << 1 << 0;
}

void TestReportLayouts::textTables()
{
    QFETCH(int, kind);
    QFETCH(int, id);
    QFETCH(int, table);
    QCOMPARE(textTableFor(kind, id), table);
}

void TestReportLayouts::roundTrip()
{
    CReportLayout layout = CReportLayout::createDefault(QStringLiteral("Mine"));
    CReportFieldItem &item = layout.lists[RKNumerology][3];
    item.defaultStyle = false;
    item.name = QStringLiteral("named");
    item.headerFont = QFont(QStringLiteral("Liberation Serif"), 13, QFont::DemiBold, true);
    item.contentColor = QColor::fromHsv(200, 100, 50);
    item.customTexts[7] = QStringLiteral("<html><body>Sieben \u00e4\u00df</body></html>");
    item.useDefaultText[7] = false;
    QImage image(5, 4, QImage::Format_ARGB32);
    image.fill(QColor(1, 2, 3, 128));
    item.images[0] = image;
    item.options.insert(QStringLiteral("hide-image"), QStringLiteral("TRUE"));
    layout.lists[RKPet].removeAt(1);
    layout.options.insert(QStringLiteral("RTPet-hide-images"), QStringLiteral("TRUE"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Mine.qznr"));
    QVERIFY(CReportLayoutFile::write(path, layout));
    CReportLayout back;
    QCOMPARE(CReportLayoutFile::read(path, back), CReportLayoutFile::Ok);
    QCOMPARE(back.name, QStringLiteral("Mine"));
    // Reading migrates: the written layout had no UPDATE2 mark.
    layout.options.insert(QStringLiteral("UPDATE2"), QStringLiteral("TRUE"));
    QVERIFY(back.options == layout.options);
    for (int kind = 0; kind < RKCount; ++kind) {
        QCOMPARE(back.lists[kind].size(), layout.lists[kind].size());
        for (int i = 0; i < back.lists[kind].size(); ++i)
            QVERIFY2(back.lists[kind].at(i) == layout.lists[kind].at(i), qPrintable(QStringLiteral("kind %1 item %2").arg(kind).arg(i)));
    }
    QVERIFY(back.lists[RKNumerology].at(3).hidesImage());
    QVERIFY(back.hidesAllImages(RKPet));
    QVERIFY(!back.hidesAllImages(RKNumerology));

    // The first bytes: magic "QNRP" and version 2, big-endian.
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.read(8), QByteArray("QNRP\0\0\0\x02", 8));
}

void TestReportLayouts::sampleFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("itemMaps");
    QTest::addColumn<QString>("petHidden");
    QTest::newRow("version 0, ends after the lists") << sample("version0.qznr") << false << QString();
    QTest::newRow("version 1") << sample("version1.qznr") << false << "TRUE";
    QTest::newRow("version 2") << sample("version2.qznr") << true << QString();
}

void TestReportLayouts::fuzzFindingsReadSafely()
{
    // Inputs that once broke the reader (run under the sanitizers in CI).
    const QDir dir(QStringLiteral(QZ_TEST_DATA_DIR "/../fuzz/regressions/layoutfile"));
    const QStringList names = dir.entryList(QDir::Files);
    QVERIFY(!names.isEmpty());
    for (const QString &name : names) {
        CReportLayout layout;
        const CReportLayoutFile::Status status = CReportLayoutFile::read(dir.filePath(name), layout);
        QVERIFY2(status != CReportLayoutFile::Ok, qPrintable(name));
    }
}

void TestReportLayouts::sampleFiles()
{
    QFETCH(QString, file);
    QFETCH(bool, itemMaps);
    QFETCH(QString, petHidden);
    CReportLayout layout;
    QCOMPARE(CReportLayoutFile::read(file, layout), CReportLayoutFile::Ok);
    QCOMPARE(layout.name, QFileInfo(file).completeBaseName());

    // The samples hold 0, 1, a custom-styled 3, 13 and 15 in the numerology list;
    // old files gain the planes after 13 and the bridges after 15.
    const bool migrated = !itemMaps;
    const QVector<int> expected = migrated ? QVector<int>{0, 1, 3, 13, 26, 28, 27, 29, 30, 15, 31, 32, 33, 34}
                                           : QVector<int>{0, 1, 3, 13, 15};
    QCOMPARE(ids(layout.lists[RKNumerology]), expected);
    QCOMPARE(ids(layout.lists[RKLoveCompatibility]),
             migrated ? (QVector<int>{0, 5, 8, 9, 10}) : (QVector<int>{0, 5}));
    QCOMPARE(ids(layout.lists[RKPsychoMatrix]), (QVector<int>{0, 18}));
    QCOMPARE(ids(layout.lists[RKCelebrities]), (QVector<int>{1}));
    QVERIFY(layout.lists[RKPet].isEmpty());
    QCOMPARE(layout.options.value(QStringLiteral("UPDATE1")), QStringLiteral("TRUE"));
    QCOMPARE(layout.options.value(QStringLiteral("UPDATE2")), QStringLiteral("TRUE"));
    QCOMPARE(layout.options.value(QStringLiteral("RTPet-hide-images")), petHidden);

    const CReportFieldItem &custom = layout.lists[RKNumerology].at(2);
    QVERIFY(!custom.defaultStyle);
    QCOMPARE(custom.caption, QStringLiteral("My Expression"));
    QCOMPARE(custom.headerColor, QColor(0x80, 0, 0x20));
    QVERIFY(custom.headerFont.italic());
    QCOMPARE(custom.customTexts.size(), 3);
    QVERIFY(custom.usesCustomText(2));
    QCOMPARE(CReportTools::extractBody(custom.customText(2)), QStringLiteral("<p>Two is <b>mine</b></p>"));
    QCOMPARE(custom.image(0).size(), QSize(4, 3));
    QCOMPARE(custom.image(0).pixelColor(0, 0), QColor(10, 200, 30));
    QVERIFY(custom.image(1).isNull());
    // Items of version 0 and 1 have no option maps: "hide-image" counts as FALSE.
    QCOMPARE(custom.hidesImage(), itemMaps);
    // Beyond the short lists the standard text is used.
    QVERIFY(!custom.usesCustomText(200));
}

void TestReportLayouts::migration_data()
{
    QTest::addColumn<QVector<int>>("numerology");
    QTest::addColumn<QVector<int>>("love");
    QTest::addColumn<QVector<int>>("expectedNumerology");
    QTest::addColumn<QVector<int>>("expectedLove");

    QTest::newRow("both steps")
        << QVector<int>{1, 13, 2, 15, 13} << QVector<int>{0, 5, 6}
        << QVector<int>{1, 13, 26, 28, 27, 29, 30, 2, 15, 31, 32, 33, 34, 13} << QVector<int>{0, 5, 8, 9, 6, 10};
    QTest::newRow("no 13: no planes, love untouched by the missing 5")
        << QVector<int>{1, 15} << QVector<int>{0, 6}
        << QVector<int>{1, 15, 31, 32, 33, 34} << QVector<int>{0, 6};
    QTest::newRow("planes already there skip the love step")
        << QVector<int>{13, 27} << QVector<int>{5}
        << QVector<int>{13, 27} << QVector<int>{5};
    QTest::newRow("a bridge already there")
        << QVector<int>{15, 34} << QVector<int>{}
        << QVector<int>{15, 34} << QVector<int>{};
    QTest::newRow("empty lists") << QVector<int>{} << QVector<int>{} << QVector<int>{} << QVector<int>{};
}

void TestReportLayouts::migration()
{
    QFETCH(QVector<int>, numerology);
    QFETCH(QVector<int>, love);
    QFETCH(QVector<int>, expectedNumerology);
    QFETCH(QVector<int>, expectedLove);
    CReportLayout layout;
    for (int id : numerology)
        layout.lists[RKNumerology].append(CReportFieldItem::create(RKNumerology, id));
    for (int id : love)
        layout.lists[RKLoveCompatibility].append(CReportFieldItem::create(RKLoveCompatibility, id));
    QVERIFY(layout.migrate());
    QCOMPARE(ids(layout.lists[RKNumerology]), expectedNumerology);
    QCOMPARE(ids(layout.lists[RKLoveCompatibility]), expectedLove);
    QCOMPARE(layout.options.value(QStringLiteral("UPDATE1")), QStringLiteral("TRUE"));
    QCOMPARE(layout.options.value(QStringLiteral("UPDATE2")), QStringLiteral("TRUE"));
    for (const CReportFieldItem &item : layout.lists[RKNumerology]) {
        QCOMPARE(item.reportKind, int(RKNumerology));
        if (!numerology.contains(item.id))
            QCOMPARE(item.caption, ReportCatalogue::fieldCaption(RKNumerology, item.id));
    }
    // Each step runs once.
    QVERIFY(!layout.migrate());
    QCOMPARE(ids(layout.lists[RKNumerology]), expectedNumerology);
}

void TestReportLayouts::nameCheck_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString forbidden = QStringLiteral("The characters \"/, ?, |, >, <, \", :, \\, *\" and \"default\" are forbidden!");
    QTest::newRow("fine") << "Evening" << QString();
    QTest::newRow("empty") << "" << "Wrong name!";
    QTest::newRow("blanks only") << "   " << "Wrong name!";
    QTest::newRow("slash") << "a/b" << forbidden;
    QTest::newRow("backslash") << "a\\b" << forbidden;
    QTest::newRow("question mark") << "why?" << forbidden;
    QTest::newRow("pipe") << "a|b" << forbidden;
    QTest::newRow("quote") << "say \"hi\"" << forbidden;
    QTest::newRow("default in another case") << "My Default Copy" << forbidden;
    QTest::newRow("in use, other case") << "ABC" << "Name \"ABC\" is already in use.";
    QTest::newRow("in use, same case") << "abc" << "Name \"abc\" is already in use.";
}

void TestReportLayouts::nameCheck()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    CReportLayoutList list;
    list.append(CReportLayout::createDefault(QStringLiteral("abc")));
    QCOMPARE(checkLayoutName(name, list), message);
    // Renaming a layout to its own name in another case is allowed.
    QCOMPARE(checkLayoutName(QStringLiteral("ABC"), list, 0), QString());
}

void TestReportLayouts::selection()
{
    CReportLayoutList list;
    QVERIFY(list.selected(1) == nullptr);
    list.append(CReportLayout::createDefault(QStringLiteral("one")));
    list.append(CReportLayout::createDefault(QStringLiteral("two")));
    QVERIFY(list.selected(0) == nullptr);
    QCOMPARE(list.selected(1)->name, QStringLiteral("one"));
    QCOMPARE(list.selected(2)->name, QStringLiteral("two"));
    QVERIFY(list.selected(3) == nullptr);
    QVERIFY(list.selected(-1) == nullptr);
    QCOMPARE(list.indexOf(QStringLiteral("TWO")), 1);
}

void TestReportLayouts::truncatedFilesNeverFail()
{
    // Short per-value lists keep the file small enough to cut it everywhere.
    CReportLayout layout = CReportLayout::createDefault();
    for (QList<CReportFieldItem> &list : layout.lists) {
        for (CReportFieldItem &item : list) {
            item.customTexts.resize(3);
            item.images.resize(3);
            item.useDefaultText.resize(3);
        }
    }
    layout.lists[RKNumerology][1].customTexts[2] = QStringLiteral("<p>text</p>");
    layout.options.insert(QStringLiteral("RTPet-hide-images"), QStringLiteral("TRUE"));
    QImage image(6, 6, QImage::Format_RGB32);
    image.fill(Qt::green);
    layout.lists[RKNumerology][1].images[0] = image;
    const QByteArray full = toBytes(layout);
    QByteArray mapBytes;
    {
        QDataStream out(&mapBytes, QIODevice::WriteOnly);
        out.setVersion(12);
        out << layout.options;
    }
    // A file that ends right after the lists is complete (it just has no options).
    const int listsEnd = full.size() - mapBytes.size();
    {
        CReportLayout back;
        QCOMPARE(fromBytes(full.left(listsEnd), back), CReportLayoutFile::Ok);
        QVERIFY(!back.options.contains(QStringLiteral("RTPet-hide-images")));
        QCOMPARE(back.lists[RKNumerology].size(), layout.lists[RKNumerology].size());
    }
    // Cut the file at many places, including inside the picture.
    for (int len = 0; len < full.size(); len += (len < 2000 ? 1 : 7)) {
        CReportLayout back;
        const CReportLayoutFile::Status s = fromBytes(full.left(len), back);
        if (len < 8) {
            QCOMPARE(s, CReportLayoutFile::WrongMagic);
            continue;
        }
        QCOMPARE(s, len == listsEnd ? CReportLayoutFile::Ok : CReportLayoutFile::Truncated);
        int items = 0;
        for (const QList<CReportFieldItem> &list : back.lists)
            items += list.size();
        // Only complete items are kept, and never more than were written (plus migration).
        QVERIFY(items <= 33 + 18 + 11 + 4 + 3 + 9);
    }
}

void TestReportLayouts::absurdCounts_data()
{
    QTest::addColumn<QByteArray>("tail");
    QByteArray hugeList;
    {
        QDataStream out(&hugeList, QIODevice::WriteOnly);
        out << quint32(0xFFFFFFF0);
    }
    QByteArray hugeTexts;
    {
        QDataStream out(&hugeTexts, QIODevice::WriteOnly);
        out.setVersion(12);
        out << quint32(1) << qint32(1) << QString() << qint32(0) << QFont() << QFont() << QColor() << QColor()
            << true << quint32(0x7FFFFFFF);
    }
    QByteArray hugeString;
    {
        QDataStream out(&hugeString, QIODevice::WriteOnly);
        out.setVersion(12);
        out << quint32(1) << qint32(1) << quint32(0xFFFFFFF0);
    }
    QByteArray hugeMap;
    {
        QDataStream out(&hugeMap, QIODevice::WriteOnly);
        out << quint32(0) << quint32(0) << quint32(0) << quint32(0) << quint32(0) << quint32(0xFFFFFFFF);
    }
    QTest::newRow("item count") << hugeList;
    QTest::newRow("text count") << hugeTexts;
    QTest::newRow("string length") << hugeString;
    QTest::newRow("option map count") << hugeMap;
}

void TestReportLayouts::absurdCounts()
{
    QFETCH(QByteArray, tail);
    CReportLayout back;
    QCOMPARE(fromBytes(header(CReportLayoutFile::Magic, 2) + tail, back), CReportLayoutFile::Truncated);
    for (const QList<CReportFieldItem> &list : back.lists)
        QVERIFY(list.size() <= 9);
}

void TestReportLayouts::hostilePicture()
{
    // An item whose picture claims to be 100000 x 100000 pixels.
    CReportLayout layout;
    CReportFieldItem item = CReportFieldItem::create(0, 1);
    item.customTexts.clear();
    item.useDefaultText.clear();
    item.images = {QImage(1, 1, QImage::Format_RGB32)};
    item.images[0].fill(Qt::white);
    layout.lists[0].append(item);
    QByteArray bytes = toBytes(layout);
    const int ihdr = bytes.indexOf("IHDR");
    QVERIFY(ihdr > 0);
    const char big[8] = {0, 1, char(0x86), char(0xA0), 0, 1, char(0x86), char(0xA0)};
    bytes.replace(ihdr + 4, 8, QByteArray(big, 8));
    CReportLayout back;
    QCOMPARE(fromBytes(bytes, back), CReportLayoutFile::Truncated);
    QVERIFY(back.lists[0].isEmpty());

    // A picture that is not a PNG at all.
    QByteArray junk = toBytes(layout);
    junk[junk.indexOf("PNG") - 1] = 'X';
    QCOMPARE(fromBytes(junk, back), CReportLayoutFile::Truncated);
}

void TestReportLayouts::randomBytes()
{
    const QByteArray valid = toBytes(CReportLayout::createDefault());
    QRandomGenerator rng(20261207);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = valid.left(int(rng.bounded(quint32(valid.size()))));
        const int flips = 1 + int(rng.bounded(8u));
        for (int i = 0; i < flips && bytes.size() > 8; ++i)
            bytes[8 + int(rng.bounded(quint32(bytes.size() - 8)))] = char(rng.bounded(256u));
        CReportLayout back;
        fromBytes(bytes, back); // must neither crash nor hang
    }
}

void TestReportLayouts::saveKeepsForeignFiles()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/Qzarel Numerology/");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(CReportLayoutFile::write(folder + QStringLiteral("kept.qznr"), CReportLayout::createDefault()));
    writeRaw(folder + QStringLiteral("foreign.qznr"), QByteArray("not a layout at all"));
    writeRaw(folder + QStringLiteral("future.qznr"), header(CReportLayoutFile::Magic, 3) + QByteArray(16, '\0'));
    writeRaw(folder + QStringLiteral("notes.txt"), QByteArray("hello"));

    CReportLayoutList list;
    QVERIFY(loadLayouts(list, folder));
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.at(0).name, QStringLiteral("kept"));
    QCOMPARE(list.skippedFiles().size(), 2);

    list.append(CReportLayout::createDefault(QStringLiteral("added")));
    // A layout named like a file that could not be read does not overwrite it.
    list.append(CReportLayout::createDefault(QStringLiteral("foreign")));
    QString error;
    QVERIFY(!saveLayouts(list, folder, &error));
    QVERIFY(error.contains(QStringLiteral("foreign.qznr")));

    QDir d(folder);
    QCOMPARE(d.entryList({QStringLiteral("*")}, QDir::Files),
             (QStringList{QStringLiteral("added.qznr"), QStringLiteral("foreign.qznr"), QStringLiteral("future.qznr"),
                          QStringLiteral("kept.qznr"), QStringLiteral("notes.txt")}));
    QFile foreign(folder + QStringLiteral("foreign.qznr"));
    QVERIFY(foreign.open(QIODevice::ReadOnly));
    QCOMPARE(foreign.readAll(), QByteArray("not a layout at all"));
}

void TestReportLayouts::saveRemovesDeletedAndRenamed()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/layouts"); // created on demand, no trailing slash
    CReportLayoutList list;
    QVERIFY(loadLayouts(list, folder));
    QVERIFY(list.isEmpty());
    list.append(CReportLayout::createDefault(QStringLiteral("alpha")));
    list.append(CReportLayout::createDefault(QStringLiteral("beta")));
    list.append(CReportLayout::createDefault(QStringLiteral("gamma")));
    QVERIFY(saveLayouts(list, folder));

    CReportLayoutList loaded;
    QVERIFY(loadLayouts(loaded, folder));
    QCOMPARE(loaded.count(), 3);
    loaded.removeAt(loaded.indexOf(QStringLiteral("beta")));
    loaded[loaded.indexOf(QStringLiteral("gamma"))].name = QStringLiteral("delta");
    loaded[0].lists[RKPet].clear();
    QVERIFY(saveLayouts(loaded, folder));
    QCOMPARE(QDir(folder).entryList({QStringLiteral("*.qznr")}, QDir::Files),
             (QStringList{QStringLiteral("alpha.qznr"), QStringLiteral("delta.qznr")}));

    // A second rename in the same session removes the file written by the first save.
    loaded[1].name = QStringLiteral("epsilon");
    QVERIFY(saveLayouts(loaded, folder));
    QCOMPARE(QDir(folder).entryList({QStringLiteral("*.qznr")}, QDir::Files),
             (QStringList{QStringLiteral("alpha.qznr"), QStringLiteral("epsilon.qznr")}));

    // Renaming by letter case only replaces the file.
    loaded[0].name = QStringLiteral("ALPHA");
    QVERIFY(saveLayouts(loaded, folder));
    QCOMPARE(QDir(folder).entryList({QStringLiteral("*.qznr")}, QDir::Files),
             (QStringList{QStringLiteral("ALPHA.qznr"), QStringLiteral("epsilon.qznr")}));

    CReportLayoutList again;
    QVERIFY(loadLayouts(again, folder));
    QCOMPARE(again.count(), 2);
    QVERIFY(again.at(0).lists[RKPet].isEmpty());
}

void TestReportLayouts::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    CReportLayoutList list;
    list.append(CReportLayout::createDefault(QStringLiteral("good")));
    list.append(CReportLayout::createDefault(QStringLiteral("blocked")));
    // A folder in the way of the target makes that one write fail.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("blocked.qznr")));
    QString error;
    QVERIFY(!saveLayouts(list, dir.path(), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("blocked.qznr"))).isDir());
    QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("good.qznr"))));

    // A name that would leave the folder is never written.
    CReportLayoutList escape;
    escape.append(CReportLayout::createDefault(QStringLiteral("../outside")));
    QVERIFY(!saveLayouts(escape, dir.filePath(QStringLiteral("sub"))));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("outside.qznr"))));
}

QTEST_MAIN(TestReportLayouts)
#include "tst_reportlayouts.moc"
