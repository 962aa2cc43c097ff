#include "reports/htmlinliner.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {

QString streamForm(const QString &html, bool print = false, HtmlInliner::Mode mode = HtmlInliner::PlainMode)
{
    QString out;
    QTextStream stream(&out);
    HtmlInliner::inlinePictures(html, stream, print, mode);
    stream.flush();
    return out;
}

QImage decode(const QString &html, const QString &prefix)
{
    const QRegularExpression re(QRegularExpression::escape(prefix) + QStringLiteral("([A-Za-z0-9+/=]*)\""));
    const QRegularExpressionMatch m = re.match(html);
    if (!m.hasMatch())
        return QImage();
    return QImage::fromData(QByteArray::fromBase64(m.captured(1).toLatin1()));
}

} // namespace

class TestHtmlInliner : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void filePictures();
    void otherReferencesStay_data();
    void otherReferencesStay();
    void printTags();
    void marginForm();
    void otherFormatsBecomePng();

private:
    QTemporaryDir m_dir;
    QString m_png, m_jpg;
};

void TestHtmlInliner::initTestCase()
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(QColor(200, 10, 10));
    m_png = m_dir.filePath(QStringLiteral("pic.png"));
    m_jpg = m_dir.filePath(QStringLiteral("pic.JPG"));
    QVERIFY(image.save(m_png, "PNG"));
    QVERIFY(image.save(m_jpg, "JPG"));
}

void TestHtmlInliner::filePictures()
{
    const QString html = QStringLiteral("<p>a</p><img src=\"file:///") + m_png
                         + QStringLiteral("\" style=\"margin-left: 15px;\" align=\"right\" /><p>b</p><img src=\"file:///")
                         + m_jpg + QStringLiteral("\" align=\"right\" />end");
    const QString out = streamForm(html);
    QVERIFY(out.startsWith(QStringLiteral("<p>a</p><img src=\"data:image/png;base64,")));
    QVERIFY(out.contains(QStringLiteral("\" style=\"margin-left: 15px;\" align=\"right\" /><p>b</p><img src=\"data:image/jpg;base64,")));
    QVERIFY(out.endsWith(QStringLiteral("\" align=\"right\" />end")));
    QVERIFY(!out.contains(QStringLiteral("file:")));
    QCOMPARE(decode(out, QStringLiteral("data:image/png;base64,")).size(), QSize(6, 4));
    QCOMPARE(decode(out, QStringLiteral("data:image/jpg;base64,")).size(), QSize(6, 4));
}

void TestHtmlInliner::otherReferencesStay_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("expected");
    QTest::newRow("inline picture of the builder")
        << "x<img src = \"data:image/png;base64,AAAA\" />y" << "x<img src = \"data:image/png;base64,AAAA\" />y";
    QTest::newRow("already a data url") << "<img src=\"data:image/png;base64,QQ==\" />" << "<img src=\"data:image/png;base64,QQ==\" />";
    QTest::newRow("other format") << "<img src=\"file:///x/pic.gif\" />" << "<img src=\"file:///x/pic.gif\" />";
    QTest::newRow("no closing quote") << "a<img src=\"file:///x/pic.png" << "a<img src=\"file:///x/pic.png";
    QTest::newRow("missing file is left out") << "a<img src=\"file:///no/such/res01.jpg\" align=\"right\" />b" << "ab";
}

void TestHtmlInliner::otherReferencesStay()
{
    QFETCH(QString, html);
    QFETCH(QString, expected);
    QCOMPARE(streamForm(html), expected);
}

void TestHtmlInliner::printTags()
{
    const QString html = QStringLiteral("<html><head></head><body>text</body></html>");
    QCOMPARE(streamForm(html, true),
             QStringLiteral("<html><head></head><body onload=\"window.print()\">text</body></html>"));
    QCOMPARE(streamForm(html, true, HtmlInliner::PrintMode),
             QStringLiteral("<html><head></head><style type=\"text/css\" media=\"print\"> @page { margin: 0; }</style>"
                            "<body onload=\"window.print()\">text</body></html>"));
    // A body tag with attributes (or two bodies) is left as it is.
    const QString styled = QStringLiteral("<body style=\"x\">t</body>");
    QCOMPARE(streamForm(styled, true), styled);
}

void TestHtmlInliner::marginForm()
{
    const QString html = QStringLiteral("<img src=\"file:///") + m_jpg + QStringLiteral("\" />");
    const QString out = HtmlInliner::inlinePictures(html, HtmlInliner::MarginMode);
    QVERIFY(out.startsWith(QStringLiteral("<img hspace=\"50\"   src=\"data:image/png;base64,")));
    const QImage image = decode(out, QStringLiteral("data:image/png;base64,"));
    QCOMPARE(image.size(), QSize(26, 4));
    QCOMPARE(image.pixelColor(5, 2), QColor(Qt::white));
    QVERIFY(image.pixelColor(23, 2).red() > 150);

    const QString plain = HtmlInliner::inlinePictures(html, HtmlInliner::PlainMode);
    QVERIFY(plain.startsWith(QStringLiteral("<img hspace=\"50\"   src=\"data:image/jpg;base64,")));
}

void TestHtmlInliner::otherFormatsBecomePng()
{
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 10));
    const QString bmp = m_dir.filePath(QStringLiteral("own.bmp"));
    QVERIFY(image.save(bmp, "BMP"));
    const QString out = streamForm(QStringLiteral("a<img src=\"file:///") + bmp + QStringLiteral("\" />b"));
    QVERIFY(out.startsWith(QStringLiteral("a<img src=\"data:image/png;base64,")));
    QVERIFY(out.endsWith(QStringLiteral("\" />b")));
    const QImage decoded = decode(out, QStringLiteral("data:image/png;base64,"));
    QCOMPARE(decoded.size(), QSize(5, 3));
    QVERIFY(decoded.pixelColor(2, 1).green() > 150);
    // A file that is no picture keeps its reference.
    const QString text = m_dir.filePath(QStringLiteral("note.gif"));
    QFile f(text);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    const QString kept = QStringLiteral("<img src=\"file:///") + text + QStringLiteral("\" />");
    QCOMPARE(streamForm(kept), kept);
}

QTEST_MAIN(TestHtmlInliner)
#include "tst_htmlinliner.moc"
