// Layout files are shared between users: nothing in one may put script into a
// report, while the formatting of its custom texts stays.
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "reports/cnumerologyreport.h"
#include "reports/cpmatrixreport.h"
#include "reports/creportlayout.h"
#include "reports/creporttexts.h"
#include "reports/creporttools.h"
#include "reports/htmlsanitizer.h"

#include <QtTest>

namespace {

class PlainTexts : public CReportTexts
{
public:
    QString text(int section, int index) const override
    {
        return QStringLiteral("<p>text %1 %2</p>").arg(section).arg(index);
    }
    QString customText() const override { return QString(); }
};

// Anything that would run script or load active content once in a page.
bool looksActive(const QString &html)
{
    const QString h = html.toLower();
    static const char *const signs[] = {"<script", "<iframe", "<object", "<embed", "<svg", "<meta",
                                        "<base",   "<link",   "javascript:", "vbscript:"};
    for (const char *s : signs) {
        if (h.contains(QLatin1String(s)))
            return true;
    }
    // An event attribute: " on...=" inside a tag.
    static const QRegularExpression event(QStringLiteral("<[^>]*[\\s/\"']on[a-z]+\\s*="));
    return event.match(h).hasMatch();
}

// A picture, background or style that a page would fetch from an address.
bool loadsFromElsewhere(const QString &html)
{
    static const QRegularExpression address(
        QStringLiteral("(src|background)\\s*=\\s*[\"']?(?!data:image/)|url\\("),
        QRegularExpression::CaseInsensitiveOption);
    return address.match(html).hasMatch();
}

} // namespace

class TestHtmlSanitizer : public QObject
{
    Q_OBJECT

private slots:
    void activeContentIsRemoved_data();
    void activeContentIsRemoved();
    void formattingStays_data();
    void formattingStays();
    void fontFamilies();
    void hostileLayoutInReports();
    void customTextsPassThroughRichText_data();
    void customTextsPassThroughRichText();
};

void TestHtmlSanitizer::activeContentIsRemoved_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("kept");
    auto row = [](const char *name, const char *html, const char *kept) {
        QTest::newRow(name) << QString::fromUtf8(html) << QString::fromUtf8(kept);
    };
    row("script", "A<script>alert(1)</script>B", "AB");
    row("script upper case, attributes", "A<SCRIPT type=text/javascript>x()</SCRIPT >B", "AB");
    row("script never closed", "A<script>steal()", "A");
    row("script text with a fake end", "A<script>s='</scr'+'ipt>';go()</script>B", "AB");
    row("event attribute", "<img src=\"data:image/png;base64,AA==\" onerror=\"alert(1)\">",
        "<img src=\"data:image/png;base64,AA==\">");
    row("event without spaces", "<p/title=\"x\"/onclick=alert(1)>", "<p title=\"x\">");
    row("event in odd case", "<p OnMouseOver='x()'>hi</p>", "<p>hi</p>");
    row("javascript link", "<a href=\"javascript:alert(1)\">go</a>", "<a>go</a>");
    row("javascript with entities", "<a href=\"jav&#x09;ascript&colon;alert(1)\">go</a>", "<a>go</a>");
    row("javascript in decimal", "<a href=\"&#106;avascript:x\">go</a>", "<a>go</a>");
    row("javascript spaced", "<a href=\" java\nscript:x\">go</a>", "<a>go</a>");
    row("html data url", "<a href=\"data:text/html;base64,PHNjcmlwdD4=\">go</a>", "<a>go</a>");
    row("iframe", "A<iframe src=\"file:///etc/passwd\"></iframe>B", "AB");
    row("srcdoc", "<iframe srcdoc=\"&lt;script&gt;x()&lt;/script&gt;\"></iframe>ok", "ok");
    row("object and embed", "<object data=\"x.swf\"><embed src=\"x.swf\"></object>B", "B");
    row("svg with onload", "<svg onload=\"x()\"><circle/></svg>B", "B");
    row("meta refresh", "<meta http-equiv=\"refresh\" content=\"0;url=javascript:x()\">B", "B");
    row("base and link", "<base href=\"http://evil/\"><link rel=import href=x>B", "B");
    row("comment hiding a tag", "<!--<script>-->x()<!-- -->B", "x()B");
    row("style block", "<style>@import 'javascript:x';</style>B", "B");
    row("style attribute with expression", "<p style=\"width:expression(alert(1))\">B</p>", "<p>B</p>");
    row("quote break-out in a name", "<p title=x \"onclick=alert(1)\">", "<p title=\"x\">");
    row("web picture", "A<img src=\"https://example.org/t.png\" width=\"9\">B", "AB");
    row("relative and file pictures", "<img src=\"t.png\"><IMG SRC=\"file:///etc/x.png\"><img>B", "B");
    row("svg picture as data", "<img src=\"data:image/svg+xml;base64,PHN2Zz4=\">B", "B");
    row("cell background", "<td background=\"http://x/b.png\" width=\"3\">c</td>", "<td width=\"3\">c</td>");
    row("style url", "<p style=\"color:red; background-image: URL( 'http://x/b.png' )\">B</p>",
        "<p style=\"color:red\">B</p>");
    row("style url escaped", "<p style=\"background:u\\72l(http://x/b.png)\">B</p>", "<p style=\"\">B</p>");
    row("tag cut off at the end", "B<img src=x onerror=alert(1)", "B");
    row("unclosed quote", "B<img src=\"x onerror=alert(1)>", "B");
    row("nested trick", "<scr<script>x</script>ipt>alert(1)</script>", "<scr>xipt>alert(1)");
    row("stray less-than", "1 < 2 <3", "1 &lt; 2 &lt;3");
}

void TestHtmlSanitizer::activeContentIsRemoved()
{
    QFETCH(QString, html);
    QFETCH(QString, kept);
    const QString out = HtmlSanitizer::richText(html);
    QCOMPARE(out, kept);
    QVERIFY2(!looksActive(out), qPrintable(out));
    // Cleaning is stable: a second pass changes nothing.
    QCOMPARE(HtmlSanitizer::richText(out), out);
}

void TestHtmlSanitizer::formattingStays_data()
{
    QTest::addColumn<QString>("html");
    QTest::newRow("paragraph styles") << QStringLiteral(
        "<p align=\"center\" style=\"margin-top:0px; color:#aa0000;\"><b>Bold</b> and <i>italic</i></p>");
    QTest::newRow("table") << QStringLiteral("<table border=\"1\"><tr><td width=\"50%\">a</td></tr></table>");
    QTest::newRow("picture as data") << QStringLiteral("<img src=\"data:image/png;base64,iVBORw0KGgo=\" width=\"20\">");
    QTest::newRow("link and entities") << QStringLiteral("<a href=\"https://example.org/?a=1&amp;b=2\">R&amp;D &lt;3</a>");
    QTest::newRow("line breaks and spans") << QStringLiteral(
        "one<br>two<br><span style=\"font-family:'DejaVu Sans'; font-size:12pt;\">three</span>");
    QTest::newRow("non-ASCII text") << QStringLiteral("Zo\u00eb \u4e03 \u05d0");
}

void TestHtmlSanitizer::formattingStays()
{
    QFETCH(QString, html);
    QCOMPARE(HtmlSanitizer::richText(html), html);
}

void TestHtmlSanitizer::fontFamilies()
{
    QCOMPARE(HtmlSanitizer::fontFamily(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));
    QCOMPARE(HtmlSanitizer::fontFamily(QStringLiteral("Noto-Serif_CJK.JP")), QStringLiteral("Noto-Serif_CJK.JP"));
    QCOMPARE(HtmlSanitizer::fontFamily(QStringLiteral("Arial;\"><script>alert(1)</script>")),
             QStringLiteral("Arialscriptalert1script"));
    QCOMPARE(HtmlSanitizer::fontFamily(QStringLiteral("x; color:red")), QStringLiteral("x colorred"));
}

void TestHtmlSanitizer::hostileLayoutInReports()
{
    const QString evil = QStringLiteral("<script>alert('caption')</script><img src=x onerror=alert(2)>");
    CReportLayout layout = CReportLayout::createDefault(QStringLiteral("Shared"));
    for (int kind = 0; kind < RKCount; ++kind) {
        for (CReportFieldItem &item : layout.lists[kind]) {
            item.caption = evil;
            item.defaultStyle = false;
            item.headerFont.setFamily(QStringLiteral("Arial;\"><script>alert(3)</script>"));
            item.contentFont.setFamily(QStringLiteral("Arial\" onmouseover=\"alert(4)"));
            item.padValues();
            for (int v = 0; v < item.customTexts.size(); ++v) {
                item.useDefaultText[v] = false;
                item.customTexts[v] = QStringLiteral("<html><body><!-- md --><br><b>Mine</b>")
                                      + QStringLiteral("<script>alert(5)</script><a href=\"javascript:x()\">l</a>")
                                      + QStringLiteral("<iframe src=\"file:///etc/passwd\"></iframe></body></html>");
            }
        }
    }
    NumerologyInput in;
    in.fullName = QStringLiteral("John Smith");
    in.shortName = QStringLiteral("John");
    in.birthDate = QDate(1985, 11, 29);
    in.targetDate = QDate(2026, 12, 7);
    CNumerology n;
    QVERIFY(n.calculate(in));
    PlainTexts texts;

    CNumerologyReport numerology;
    numerology.setTexts(&texts);
    QVERIFY(numerology.build(n, &layout, QStringLiteral("John")));
    CPMatrixReport matrix;
    matrix.setTexts(&texts);
    CNumerologyPMatrix m;
    m.calculate(in.fullName, in.birthDate);
    QVERIFY(matrix.build(m, in.fullName, in.shortName, &layout));
    for (const QString &doc : {numerology.document(), matrix.document()}) {
        // The head is the report's own; everything from the layout is in the body.
        const QString body = doc.mid(doc.indexOf(QLatin1String("<body")));
        QVERIFY(body.size() > 1000);
        QVERIFY2(!looksActive(body), qPrintable(body.left(2000)));
        // Captions are shown as the text they are; custom texts keep their formatting, written as Qt writes it.
        QVERIFY(doc.contains(QStringLiteral("&lt;script&gt;alert(&#x27;caption&#x27;)&lt;/script&gt;"))
                || doc.contains(QStringLiteral("&lt;script&gt;alert('caption')&lt;/script&gt;")));
        QVERIFY(doc.contains(QStringLiteral("<span style=\" font-weight:bold;\">Mine</span>")));
    }
}

void TestHtmlSanitizer::customTextsPassThroughRichText_data()
{
    QTest::addColumn<QString>("hostile");
    QTest::newRow("script") << QStringLiteral("<script>alert(1)</script>");
    QTest::newRow("event attributes")
        << QStringLiteral("<img src=x onerror=alert(2)><p onclick=\"alert(3)\" onmouseover='x()'>p</p>");
    QTest::newRow("javascript links") << QStringLiteral(
        "<a href=\"javascript:alert(4)\">a</a><a href=\" jav&#x09;ascript:alert(5)\">b</a>"
        "<img src=\"javascript:alert(6)\">");
    QTest::newRow("iframe") << QStringLiteral("<iframe src=\"https://example.org/\">f</iframe>");
    QTest::newRow("svg") << QStringLiteral("<svg onload=\"alert(7)\"><script>alert(8)</script></svg>");
    QTest::newRow("object, embed, meta, base, style")
        << QStringLiteral("<object data=\"x.swf\"></object><embed src=\"x\"><meta http-equiv=\"refresh\" "
                          "content=\"0;url=javascript:alert(9)\"><base href=\"javascript:/\">"
                          "<style>body{background:url(javascript:alert(10))}</style>");
    QTest::newRow("outside pictures")
        << QStringLiteral("<img src=\"https://example.org/a.png\"><img src=\"b.png\" width=\"4\">"
                          "<img src=\"file:///tmp/c.png\"><table><tr><td background=\"http://x/d.png\">t</td>"
                          "</tr></table><p style=\"background-image:url(http://x/e.png)\">u</p>");
}

void TestHtmlSanitizer::customTextsPassThroughRichText()
{
    QFETCH(QString, hostile);
    // Stored as the text editor stores it, with Qt's own markup around the attack.
    const QString stored = QStringLiteral("<html><head></head><body><!-- md --><br><p align=\"center\">"
                                          "<span style=\" font-weight:600; color:#aa0000;\">Kept</span></p>")
                           + hostile + QStringLiteral("</body></html>");
    const QString out = CReportTools::customTextBody(stored);
    QVERIFY2(!looksActive(out), qPrintable(out));
    QVERIFY2(!out.contains(QLatin1String("alert(")), qPrintable(out));
    QVERIFY2(!loadsFromElsewhere(out), qPrintable(out));
    // What Qt's rich text supports stays.
    QVERIFY2(out.contains(QLatin1String("align=\"center\"")), qPrintable(out));
    QVERIFY2(out.contains(QLatin1String("font-weight:600; color:#aa0000;\">Kept</span>")), qPrintable(out));
}

QTEST_MAIN(TestHtmlSanitizer)
#include "tst_htmlsanitizer.moc"
