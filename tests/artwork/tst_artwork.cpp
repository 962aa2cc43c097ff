// The pictures the program and its reports load by name are all drawn by the
// build, at the sizes the interface lays them out for, and none is blank.
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QtTest>

namespace {
const QString kImages = QString::fromUtf8(QZ_BIN_DIR "/images/");

int distinctColours(const QImage &img)
{
    QSet<QRgb> seen;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            seen.insert(img.pixel(x, y));
    return seen.size();
}
}  // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void interfacePicture_data();
    void interfacePicture();
    void reportPictures();
};

void TestArtwork::interfacePicture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    const QSize feature(60, 60), tool(20, 20), tree(16, 16);
    for (const char *f : {"numer-but.png", "matr-but.png", "love-but.png", "cel-but.png", "pet-but.png",
                          "guide-but.png", "chart-but.png", "an-but.png", "fore-but.png"})
        QTest::newRow(f) << QString::fromLatin1(f) << feature;
    for (const char *f : {"bzoomn.png", "bzoomi.png", "bzoomo.png", "bprops.png", "bdelete.png",
                          "bgrid.png", "bsnap.png", "bbound.png", "bbringfront.png",
                          "bbringback.png", "bundo.png", "bredo.png", "text-bold.png", "text-italic.png", "text-under.png",
                          "tool-menu.png", "tool-data.png", "tool-info.png", "tool-save.png",
                          "tool-print.png"})
        QTest::newRow(f) << QString::fromLatin1(f) << tool;
    for (const char *f : {"datafield-i.png", "datafieldtitle-i.png", "thumb.png"})
        QTest::newRow(f) << QString::fromLatin1(f) << tree;
    QTest::newRow("rep_man") << QStringLiteral("rep_man.png") << QSize(21, 25);
    QTest::newRow("rep_manh") << QStringLiteral("rep_manh.png") << QSize(21, 25);
    QTest::newRow("scale-s") << QStringLiteral("scale-s.png") << QSize(9, 9);
    QTest::newRow("move-s") << QStringLiteral("move-s.png") << QSize(15, 15);
    QTest::newRow("rotate-s") << QStringLiteral("rotate-s.png") << QSize(15, 15);
    QTest::newRow("logo") << QStringLiteral("logo.png") << QSize(48, 48);
    QTest::newRow("noimage") << QStringLiteral("noimage.png") << QSize(320, 240);
    QTest::newRow("pmatrix-bg") << QStringLiteral("pmatrix-bg.png") << QSize(600, 290);
    QTest::newRow("hline") << QStringLiteral("hline.png") << QSize(240, 2);
    QTest::newRow("check") << QStringLiteral("check.png") << QSize(13, 13);
    QTest::newRow("shadow-br") << QStringLiteral("shadow-br.png") << QSize(10, 10);
}

void TestArtwork::interfacePicture()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QImage img(kImages + file);
    QVERIFY2(!img.isNull(), qPrintable(file));
    QCOMPARE(img.size(), size);
    QVERIFY2(distinctColours(img) > 1, qPrintable(file + QStringLiteral(" is blank")));
}

void TestArtwork::reportPictures()
{
    QSet<QByteArray> hashes;
    for (int n = 1; n <= 39; ++n) {
        const QString path = kImages + QStringLiteral("doc/res%1.jpg").arg(n, 2, 10, QLatin1Char('0'));
        QFile f(path);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = f.readAll();
        QVERIFY2(bytes.startsWith("\xff\xd8"), qPrintable(path + QStringLiteral(" is not a JPEG")));
        const QImage img = QImage::fromData(bytes, "JPG");
        QCOMPARE(img.size(), QSize(300, 200));
        QVERIFY2(distinctColours(img) > 200, qPrintable(path));
        // Every section has a picture of its own.
        hashes.insert(QCryptographicHash::hash(bytes, QCryptographicHash::Md5));
    }
    QCOMPARE(hashes.size(), 39);
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
