// Barcodes we draw must scan: each picture goes through zbarimg and
// ZXingReader; MSI and POSTNET, which neither reads, are compared module by
// module with zint's patterns.
#include "chart/barcode/barcodeencoders.h"
#include "chart/barcode/barcodepicture.h"
#include "chart/barcode/qrcode.h"
#include "decoders.h"

#include <QFile>
#include <QtTest>

class TestBarcode : public QObject
{
    Q_OBJECT

private:
    // Modules of a linear picture, read back from the middle of the bars.
    static QString modulesOf(const QImage &picture, int moduleCount, int y = 65)
    {
        QString bits;
        for (int i = 0; i < moduleCount; ++i)
            bits += qGray(picture.pixel(2 * i + 1, y)) < 128 ? QLatin1Char('1') : QLatin1Char('0');
        return bits;
    }

private slots:
    void symbolStrings_data();
    void symbolStrings();
    void decodes_data();
    void decodes();
    void qrCodeLevelAndModes_data();
    void qrCodeLevelAndModes();
    void msiMatchesZint_data();
    void msiMatchesZint();
    void postnetMatchesZint_data();
    void postnetMatchesZint();
    void substitutedInputs_data();
    void substitutedInputs();
    void nothingToDraw_data();
    void nothingToDraw();
    void geometry();
};

void TestBarcode::symbolStrings_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("code128 A") << int(BarcodeCode128) << QByteArray("A")
                               << QByteArray("\xcc" "AB" "\xce");
    // value 0 (the blank) is written as code 194, also as a check character
    QTest::newRow("code128 blank") << int(BarcodeCode128) << QByteArray("a b")
                                   << QByteArray("\xcc" "a\xc2" "bZ\xce");
    // (104 + 2 + 2 x 50) mod 103 = 0: a check value of 0 is written as code 194 too
    QTest::newRow("code128 check 0") << int(BarcodeCode128) << QByteArray("\"R")
                                     << QByteArray("\xcc" "\"R\xc2\xce");
    QTest::newRow("code128 drops control and 8-bit")
        << int(BarcodeCode128) << QByteArray("A\t\xe9") << QByteArray("\xcc" "AB" "\xce");
    QTest::newRow("codabar") << int(BarcodeCodabar) << QByteArray("12-34X") << QByteArray("A12-34B");
    QTest::newRow("code39") << int(BarcodeCode39) << QByteArray("ab c") << QByteArray("*AB=C*");
    // check characters of "TEST93" per the standard are 'N' ... recomputed below
    QTest::newRow("code93") << int(BarcodeCode93) << QByteArray("test93")
                            << QByteArray("(TEST93+6)");
    QTest::newRow("msi") << int(BarcodeMsi) << QByteArray("1234567") << QByteArray("(12345674)");
    QTest::newRow("postnet") << int(BarcodePostnet) << QByteArray("12345") << QByteArray("(123455)");
}

void TestBarcode::symbolStrings()
{
    QFETCH(int, symbology);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    BarcodeSymbols out;
    int rc = -1;
    switch (symbology) {
    case BarcodeCode128: rc = encodeCode128(text.constData(), out); break;
    case BarcodeCodabar: rc = encodeCodabar(text.constData(), out); break;
    case BarcodeCode39: rc = encodeCode39(text.constData(), out); break;
    case BarcodeCode93: rc = encodeCode93(text.constData(), out); break;
    case BarcodeMsi: rc = encodeMsi(text.constData(), out); break;
    case BarcodePostnet: rc = encodePostnet(text.constData(), out); break;
    }
    QCOMPARE(rc, 0);
    QCOMPARE(out.symbols, expected);
}

void TestBarcode::decodes_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("zbarExpected");  // empty: zbar does not read it
    QTest::addColumn<QString>("zxingExpected"); // empty: ZXing does not read it
    QTest::addColumn<QStringList>("zbarArgs");

    const QStringList none;
    const QStringList i25{QStringLiteral("-Si25.min-length=2")};
    const QStringList codabar{QStringLiteral("-Scodabar.min-length=1")};
    const QStringList upca{QStringLiteral("-Supca.enable")};
    const QString ascii = QStringLiteral(
        " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~");

    QTest::newRow("qr latin") << int(BarcodeQrCode) << QStringLiteral("Qzarel Numerology 29.11.1985")
                              << QStringLiteral("Qzarel Numerology 29.11.1985")
                              << QStringLiteral("Qzarel Numerology 29.11.1985") << none;
    QTest::newRow("qr utf8") << int(BarcodeQrCode) << QStringLiteral("Zoë Müller – Größe")
                             << QStringLiteral("Zoë Müller – Größe")
                             << QStringLiteral("Zoë Müller – Größe") << none;
    QTest::newRow("qr kanji") << int(BarcodeQrCode) << QStringLiteral("数秘術の漢字")
                              << QStringLiteral("数秘術の漢字") << QStringLiteral("数秘術の漢字") << none;
    QTest::newRow("qr numeric") << int(BarcodeQrCode) << QStringLiteral("01234567890123456789")
                                << QStringLiteral("01234567890123456789")
                                << QStringLiteral("01234567890123456789") << none;
    QTest::newRow("codabar") << int(BarcodeCodabar) << QStringLiteral("12-34X$:/.+")
                             << QStringLiteral("A12-34$:/.+B") << QStringLiteral("12-34$:/.+")
                             << codabar;
    QTest::newRow("code128 all printable") << int(BarcodeCode128) << ascii << ascii << ascii << none;
    QTest::newRow("code128 check 0") << int(BarcodeCode128) << QStringLiteral("\"R")
                                     << QStringLiteral("\"R") << QStringLiteral("\"R") << none;
    QTest::newRow("code128 short") << int(BarcodeCode128) << QStringLiteral("A") << QStringLiteral("A")
                                   << QStringLiteral("A") << none;
    QTest::newRow("code39") << int(BarcodeCode39) << QStringLiteral("ab c-1.$/+%")
                            << QStringLiteral("AB C-1.$/+%") << QStringLiteral("AB C-1.$/+%") << none;
    QTest::newRow("code39 digits") << int(BarcodeCode39) << QStringLiteral("0123456789XYZ")
                                   << QStringLiteral("0123456789XYZ")
                                   << QStringLiteral("0123456789XYZ") << none;
    QTest::newRow("code93") << int(BarcodeCode93) << QStringLiteral("Numerology 93-$/+%")
                            << QStringLiteral("NUMEROLOGY 93-$/+%")
                            << QStringLiteral("NUMEROLOGY 93-$/+%") << none;
    QTest::newRow("code93 all values") << int(BarcodeCode93)
                                       << QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ")
                                       << QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ")
                                       << QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ")
                                       << none;
    QTest::newRow("ean13 12 digits") << int(BarcodeEan13) << QStringLiteral("400638133393")
                                     << QStringLiteral("4006381333931")
                                     << QStringLiteral("4006381333931") << none;
    QTest::newRow("ean13 wrong check replaced") << int(BarcodeEan13) << QStringLiteral("9780306406150")
                                                << QStringLiteral("9780306406157")
                                                << QStringLiteral("9780306406157") << none;
    for (int first = 0; first <= 9; ++first) {
        const QString number = QString::number(first) + QStringLiteral("12345678901");
        QByteArray n = number.toLatin1();
        int sum = 0;
        for (int i = 0; i < 12; ++i)
            sum += (n[i] - '0') * (i % 2 ? 3 : 1);
        const QString full = number + QString::number((10 - sum % 10) % 10);
        QTest::newRow(qPrintable(QStringLiteral("ean13 parity %1").arg(first)))
            << int(BarcodeEan13) << number << (first == 0 ? full.mid(1) : full)
            << (first == 0 ? full.mid(1) : full)
            << (first == 0 ? upca : none);
    }
    QTest::newRow("ean13 addon2") << int(BarcodeEan13) << QStringLiteral("400638133393 12")
                                  << QStringLiteral("4006381333931") << QStringLiteral("4006381333931 12")
                                  << none;
    QTest::newRow("ean13 addon5") << int(BarcodeEan13) << QStringLiteral("400638133393 52495")
                                  << QStringLiteral("4006381333931")
                                  << QStringLiteral("4006381333931 52495") << none;
    QTest::newRow("ean8") << int(BarcodeEan8) << QStringLiteral("9638507")
                          << QStringLiteral("96385074") << QStringLiteral("96385074") << none;
    QTest::newRow("ean8 short input") << int(BarcodeEan8) << QStringLiteral("123")
                                      << QStringLiteral("00050005") << QStringLiteral("00050005")
                                      << none;
    // ZXing reads Interleaved 2 of 5 from six digits on
    QTest::newRow("i25 with letter") << int(BarcodeInterleaved25) << QStringLiteral("12a34")
                                     << QStringLiteral("1234") << QString() << i25;
    QTest::newRow("i25 odd") << int(BarcodeInterleaved25) << QStringLiteral("123")
                             << QStringLiteral("0123") << QString() << i25;
    QTest::newRow("i25 odd long") << int(BarcodeInterleaved25) << QStringLiteral("1234567")
                                  << QStringLiteral("01234567") << QStringLiteral("01234567") << i25;
    QTest::newRow("i25 all digits") << int(BarcodeInterleaved25) << QStringLiteral("0123456789")
                                    << QStringLiteral("0123456789")
                                    << QStringLiteral("0123456789") << i25;
    QTest::newRow("upc 11") << int(BarcodeUpcA) << QStringLiteral("03600029145")
                            << QStringLiteral("036000291452") << QStringLiteral("036000291452")
                            << upca;
    QTest::newRow("upc 12 check dropped") << int(BarcodeUpcA) << QStringLiteral("036000291459")
                                          << QStringLiteral("036000291452")
                                          << QStringLiteral("036000291452") << upca;
    QTest::newRow("upc addon2") << int(BarcodeUpcA) << QStringLiteral("0360002914512")
                                << QStringLiteral("036000291452")
                                << QStringLiteral("036000291452 12") << upca;
    QTest::newRow("upc addon5 from 17") << int(BarcodeUpcA) << QStringLiteral("03600029145X952495")
                                        << QStringLiteral("036000291452")
                                        << QStringLiteral("036000291452 52495") << upca;
}

void TestBarcode::decodes()
{
    QFETCH(int, symbology);
    QFETCH(QString, text);
    QFETCH(QString, zbarExpected);
    QFETCH(QString, zxingExpected);
    QFETCH(QStringList, zbarArgs);
    if (!decoders::haveZbar() || !decoders::haveZxing())
        QSKIP("zbarimg or ZXingReader is not installed");

    const QImage picture = barcodePicture(text, symbology, QColor(20, 20, 60));
    QVERIFY(!picture.isNull());
    const QString png = decoders::savePadded(picture);
    QVERIFY(!png.isEmpty());

    if (!zbarExpected.isEmpty()) {
        const QStringList found = decoders::zbar(png, zbarArgs);
        QVERIFY2(found.contains(zbarExpected), qPrintable(found.join(QLatin1Char('|'))));
    }
    if (!zxingExpected.isEmpty()) {
        const decoders::ZxingResult r = decoders::zxing(png);
        QVERIFY2(r.found, qPrintable(png));
        QCOMPARE(r.text, zxingExpected);
    }
    QFile::remove(png);
}

void TestBarcode::qrCodeLevelAndModes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expectedSize");
    // level L: 41 digits, 25 alphanumerics, 17 bytes and 10 Kanji fill version 1 (21 modules)
    QTest::newRow("41 digits v1") << QString(41, QLatin1Char('7')) << 21;
    QTest::newRow("42 digits v2") << QString(42, QLatin1Char('7')) << 25;
    QTest::newRow("25 alnum v1") << QStringLiteral("QZAREL NUMEROLOGY 2026 AB") << 21;
    QTest::newRow("17 bytes v1") << QStringLiteral("qzarel numerology") << 21;
    QTest::newRow("18 bytes v2") << QStringLiteral("qzarel numerology!") << 25;
    QTest::newRow("10 kanji v1") << QStringLiteral("数秘術数秘術数秘術数") << 21;
    QTest::newRow("2953 bytes v40") << QString(2953, QLatin1Char('a')) << 177;
    QTest::newRow("2954 bytes too long") << QString(2954, QLatin1Char('a')) << 0;
}

void TestBarcode::qrCodeLevelAndModes()
{
    QFETCH(QString, text);
    QFETCH(int, expectedSize);
    const QrMatrix m = encodeQrCode(text);
    QCOMPARE(m.size, expectedSize);
    const QImage picture = barcodePicture(text, BarcodeQrCode, Qt::black);
    QCOMPARE(picture.isNull(), expectedSize == 0);
    if (expectedSize == 0)
        return;
    QCOMPARE(picture.size(), QSize(10 * expectedSize, 10 * expectedSize));
    // no quiet zone: the finder pattern starts in the corner pixel
    QCOMPARE(qGray(picture.pixel(0, 0)), 0);
    QCOMPARE(qGray(picture.pixel(69, 69)), 0); // 7-module finder, 10 px each
    QCOMPARE(qGray(picture.pixel(75, 75)), 255); // separator
    if (decoders::haveZxing() && expectedSize < 177) {
        const QString png = decoders::savePadded(picture);
        const decoders::ZxingResult r = decoders::zxing(png);
        QCOMPARE(r.text, text);
        QCOMPARE(r.ecLevel, QStringLiteral("L"));
        QFile::remove(png);
    }
}

void TestBarcode::msiMatchesZint_data()
{
    QTest::addColumn<QString>("digits");
    QTest::newRow("1234567") << QStringLiteral("1234567");
    QTest::newRow("all digits") << QStringLiteral("0123456789");
    QTest::newRow("single") << QStringLiteral("8");
    QTest::newRow("check 0") << QStringLiteral("55");
    QTest::newRow("long") << QStringLiteral("9876543210987654321098765");
}

void TestBarcode::msiMatchesZint()
{
    QFETCH(QString, digits);
    if (!decoders::haveZint())
        QSKIP("zint is not installed");
    const QImage picture = barcodePicture(digits, BarcodeMsi, Qt::black);
    QVERIFY(!picture.isNull());
    const int modules = (picture.width() - 5) / 2;
    const QStringList rows =
        decoders::zintDump(QStringLiteral("MSI_PLESSEY"), digits, {QStringLiteral("--vers=1")});
    QVERIFY(!rows.isEmpty());
    const QString reference = rows.first();
    QVERIFY(reference.size() >= modules);
    QCOMPARE(modulesOf(picture, modules), reference.left(modules));
    QVERIFY(!reference.mid(modules).contains(QLatin1Char('1')));
}

void TestBarcode::postnetMatchesZint_data()
{
    QTest::addColumn<QString>("digits");
    QTest::newRow("zip5") << QStringLiteral("12345");
    QTest::newRow("zip9") << QStringLiteral("123456789");
    QTest::newRow("dpbc") << QStringLiteral("12345678901");
    QTest::newRow("all digits") << QStringLiteral("0987654321");
}

void TestBarcode::postnetMatchesZint()
{
    QFETCH(QString, digits);
    if (!decoders::haveZint())
        QSKIP("zint is not installed");
    const QImage picture = barcodePicture(digits, BarcodePostnet, Qt::black);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.height(), 20);
    // frame + 5 bars per digit + 5 check bars + frame
    const int bars = 2 + 5 * (digits.size() + 1);
    QVERIFY(picture.width() >= 2 + 6 * (bars - 1) + 2);
    QString tall;
    for (int k = 0; k < bars; ++k) {
        const int x = 2 + 6 * k;
        QCOMPARE(qGray(picture.pixel(x, 15)), 0); // every bar reaches the baseline
        QCOMPARE(qGray(picture.pixel(x + 3, 15)), 255);
        tall += qGray(picture.pixel(x, 2)) < 128 ? QLatin1Char('1') : QLatin1Char('0');
    }
    const QStringList rows = decoders::zintDump(QStringLiteral("POSTNET"), digits);
    QCOMPARE(rows.size(), 2);
    QString reference;
    for (int k = 0; k < bars; ++k) {
        QCOMPARE(rows.at(1).at(2 * k), QLatin1Char('1'));
        reference += rows.at(0).at(2 * k);
    }
    QCOMPARE(tall, reference);
}

void TestBarcode::substitutedInputs_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sameAs");
    QTest::newRow("ean13 16 digits") << int(BarcodeEan13) << QStringLiteral("1234567890123456")
                                     << QStringLiteral("0000000000000");
    QTest::newRow("ean13 11 digits") << int(BarcodeEan13) << QStringLiteral("12345678901")
                                     << QStringLiteral("0000000000000");
    QTest::newRow("ean13 letters") << int(BarcodeEan13) << QStringLiteral("abc")
                                   << QStringLiteral("000000000000");
    QTest::newRow("ean8 123") << int(BarcodeEan8) << QStringLiteral("123") << QStringLiteral("0005000");
    QTest::newRow("ean8 long") << int(BarcodeEan8) << QStringLiteral("12345678999")
                               << QStringLiteral("1234567");
    QTest::newRow("upc 15 digits") << int(BarcodeUpcA) << QStringLiteral("123456789012345")
                                   << QStringLiteral("00000000000");
    QTest::newRow("i25 odd") << int(BarcodeInterleaved25) << QStringLiteral("123")
                             << QStringLiteral("0123");
    QTest::newRow("code39 blank") << int(BarcodeCode39) << QStringLiteral("a b") << QStringLiteral("A B");
    QTest::newRow("codabar drops letters") << int(BarcodeCodabar) << QStringLiteral("1x2y")
                                           << QStringLiteral("12");
    QTest::newRow("code93 drops symbols") << int(BarcodeCode93) << QStringLiteral("a#b!")
                                          << QStringLiteral("AB");
}

void TestBarcode::substitutedInputs()
{
    QFETCH(int, symbology);
    QFETCH(QString, text);
    QFETCH(QString, sameAs);
    const QImage a = barcodePicture(text, symbology, Qt::black);
    const QImage b = barcodePicture(sameAs, symbology, Qt::black);
    QVERIFY(!a.isNull());
    QCOMPARE(a, b);
}

void TestBarcode::nothingToDraw_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("text");
    for (int s = 0; s < BarcodeSymbologyCount; ++s)
        QTest::newRow(qPrintable(QStringLiteral("empty %1").arg(s))) << s << QString();
    QTest::newRow("unknown symbology") << 11 << QStringLiteral("123");
    QTest::newRow("negative symbology") << -1 << QStringLiteral("123");
    QTest::newRow("i25 no digits") << int(BarcodeInterleaved25) << QStringLiteral("abc");
    QTest::newRow("msi no digits") << int(BarcodeMsi) << QStringLiteral("abc");
    QTest::newRow("postnet no digits") << int(BarcodePostnet) << QStringLiteral("abc");
    QTest::newRow("codabar nothing kept") << int(BarcodeCodabar) << QStringLiteral("xyz");
    QTest::newRow("code128 nothing printable") << int(BarcodeCode128) << QStringLiteral("\t\n");
    QTest::newRow("qr too long") << int(BarcodeQrCode) << QString(8000, QLatin1Char('x'));
}

void TestBarcode::nothingToDraw()
{
    QFETCH(int, symbology);
    QFETCH(QString, text);
    QVERIFY(barcodePicture(text, symbology, Qt::black).isNull());
}

void TestBarcode::geometry()
{
    // Linear: 150 px high, 2 px modules with 130 px bars, cropped to used width + 5.
    const QImage c128 = barcodePicture(QStringLiteral("A"), BarcodeCode128, Qt::red);
    QCOMPARE(c128.height(), 150);
    QCOMPARE(c128.width(), 2 * (11 + 11 + 11 + 13) + 5); // start, A, check, stop
    QCOMPARE(c128.pixel(0, 0), QColor(Qt::red).rgba());
    QCOMPARE(c128.pixel(0, 129), QColor(Qt::red).rgba());
    QCOMPARE(c128.pixel(0, 131), qRgb(255, 255, 255));
    QVERIFY(c128.hasAlphaChannel());
    // Discrete: 4 px between characters.
    const QImage c39 = barcodePicture(QStringLiteral("A"), BarcodeCode39, Qt::black);
    QCOMPARE(c39.width(), 3 * (2 * 12 + 4) + 5);
    // Interleaved 2 of 5: 2 x modules + 2 wide, 80 high, 60 px bars.
    const QImage i25 = barcodePicture(QStringLiteral("12"), BarcodeInterleaved25, Qt::black);
    QCOMPARE(i25.size(), QSize(2 * (4 + 14 + 4) + 2, 80));
    QCOMPARE(qGray(i25.pixel(0, 59)), 0);
    QCOMPARE(qGray(i25.pixel(0, 61)), 255);
    QCOMPARE(qGray(i25.pixel(2, 30)), 255);
    // The readable text sits in the band under the bars.
    bool inked = false;
    for (int x = 0; x < c39.width(); ++x)
        inked = inked || qGray(c39.pixel(x, 140)) < 128;
    QVERIFY(inked);
}

QTEST_MAIN(TestBarcode)
#include "tst_barcode.moc"
