#include "reports/creportfielditem.h"
#include "reports/creporttools.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString kEnd = QStringLiteral("</td></tr></table>\r\n");
const QString kOpen = QStringLiteral("<table class=maindoc border=\"0\"><tr><td>\r\n");

QFont pixelFont(const QString &family, int px)
{
    QFont f(family);
    f.setPixelSize(px);
    return f;
}

// What the builder appended after the skeleton.
QString appended(const CReportTools &r, int skeletonSize)
{
    return r.document().mid(skeletonSize);
}

} // namespace

class TestReportTools : public QObject
{
    Q_OBJECT
private slots:
    void skeleton();
    void endDocumentBoldsWeight600();
    void styledText_data();
    void styledText();
    void paragraphMarksElements();
    void emptyParagraphAddsNothing();
    void pictures();
    void splitParagraphs_data();
    void splitParagraphs();
    void splitParagraphsMatchesPlainRule();
    void extractBody_data();
    void extractBody();
    void sectionDefaultStyle();
    void sectionCustomStyle();
    void sectionPictureRules_data();
    void sectionPictureRules();
    void fieldTextCustomAndBeyondLists();
};

void TestReportTools::skeleton()
{
    CReportTools r;
    r.addRawHtml(QStringLiteral("leftover"));
    r.beginDocument(QStringLiteral("My Title"));
    const QString &doc = r.document();
    QVERIFY(doc.startsWith(QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
                                          "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\r\n")));
    QVERIFY(doc.contains(QStringLiteral("<html xmlns=\"http://www.w3.org/1999/xhtml\">\r\n")));
    QVERIFY(doc.contains(QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\r\n")));
    QVERIFY(doc.contains(QStringLiteral("body { font-family: Arial, Helvetica, sans-serif; font-size: 16px; line-height: 1.6; color: #111111; }\r\n")));
    QVERIFY(doc.contains(QStringLiteral("h2 { font-size: 18px; line-height: 1.4; color: #222222; margin-left: 4px; }\r\n")));
    QVERIFY(doc.contains(QStringLiteral("tr { page-break-inside:avoid; page-break-after:auto }\r\n")));
    QVERIFY(doc.contains(QStringLiteral("<title>My Title</title>\r\n")));
    QVERIFY(doc.endsWith(QStringLiteral("</head><body style=\"background-color:#FFFFFF\">\r\n")));
    QVERIFY(!doc.contains(QStringLiteral("leftover")));
    // Every line ends in CR LF.
    QCOMPARE(doc.count(QLatin1Char('\n')), doc.count(QStringLiteral("\r\n")));
}

void TestReportTools::endDocumentBoldsWeight600()
{
    CReportTools r;
    r.beginDocument(QStringLiteral("t"));
    r.setImageFile(QStringLiteral("x.jpg"));
    r.addRawHtml(QStringLiteral("<span style=\"font-weight:600;\">a</span><span style=\"FONT-WEIGHT:600\">b</span>"));
    r.endDocument();
    QVERIFY(r.document().contains(QStringLiteral("font-weight:bold;")));
    QVERIFY(!r.document().contains(QStringLiteral("font-weight:600")));
    QVERIFY(r.document().contains(QStringLiteral("FONT-WEIGHT:600"))); // case-sensitive
    QVERIFY(r.document().endsWith(QStringLiteral("</body></html>\r\n")));
    QVERIFY(r.pendingImage().isEmpty());
}

void TestReportTools::styledText_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<bool>("asLine");
    QTest::addColumn<QString>("expected");

    QFont underlined = pixelFont(QStringLiteral("Arial"), 14);
    underlined.setUnderline(true);
    QTest::newRow("underlined pixel font")
        << underlined << "#000080" << false
        << "<h2><u><font style=\"font-size: 14px; font-family:'Arial', sans-serif; color:#000080;\">Text</font></u></h2>\r\n";

    QFont points(QStringLiteral("Georgia"));
    points.setPointSize(12);
    QTest::newRow("point size has no size part")
        << points << "#102030" << false
        << "<h2><font style=\" font-family:'Georgia', sans-serif; color:#102030;\">Text</font></h2>\r\n";

    QFont italic = pixelFont(QStringLiteral("Arial"), 20);
    italic.setItalic(true);
    italic.setUnderline(true);
    QTest::newRow("italic and underlined line")
        << italic << "#ff0000" << true
        << "<p><u><i><font style=\"font-size: 20px; font-family:'Arial', sans-serif; color:#ff0000;\">Text</font></i></u></p>\r\n";

    QTest::newRow("default heading font")
        << CReportTools::defaultHeadingFont() << "#000000" << false
        << "<h2><font style=\" color:#000000;\">Text</font></h2>\r\n";
}

void TestReportTools::styledText()
{
    QFETCH(QFont, font);
    QFETCH(QString, colour);
    QFETCH(bool, asLine);
    QFETCH(QString, expected);
    CReportTools r;
    r.beginDocument(QString());
    const int start = r.document().size();
    if (asLine)
        r.addLine(QStringLiteral("Text"), QColor(colour), font);
    else
        r.addHeading(QStringLiteral("Text"), QColor(colour), font);
    QCOMPARE(appended(r, start), expected);
}

void TestReportTools::paragraphMarksElements()
{
    CReportTools r;
    r.addParagraph(QStringLiteral("<p>one</p><table><tr><td>x</td></tr></table>"));
    QCOMPARE(r.document(),
             QStringLiteral("<p comment=\"st_fs\"   ><p comment=\"st_fs\"   >one</p><table><tr>"
                            "<td comment=\"st_fs\"   >x</td></tr></table></p>\r\n"));
}

void TestReportTools::emptyParagraphAddsNothing()
{
    CReportTools r;
    r.addParagraph(QString());
    QVERIFY(r.document().isEmpty());
    // A pending picture alone is still placed.
    r.setImagesFolder(QStringLiteral("/img"));
    r.setImageFile(QStringLiteral("res01.jpg"));
    r.addParagraph(QString());
    QCOMPARE(r.document(), QStringLiteral("<p comment=\"st_fs\"   ><img src=\"file:////img/res01.jpg\" "
                                          "style=\"margin-left: 15px;\" align=\"right\" /></p>\r\n"));
    QVERIFY(r.pendingImage().isEmpty());
}

void TestReportTools::pictures()
{
    CReportTools r;
    r.setImagesFolder(QStringLiteral("/opt/app/images/doc"));
    r.setImageFile(QStringLiteral("res39.jpg"));
    QCOMPARE(r.pendingImage(), QStringLiteral("<img src=\"file:////opt/app/images/doc/res39.jpg\" "
                                              "style=\"margin-left: 15px;\" align=\"right\" />"));
    // The pending file picture goes into the next heading, then is gone.
    r.addHeading(QStringLiteral("H"), Qt::black, CReportTools::defaultHeadingFont());
    QVERIFY(r.document().startsWith(QStringLiteral("<h2><img src=\"file:///")));
    QVERIFY(r.pendingImage().isEmpty());

    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    r.addParagraph(QStringLiteral("text"), image);
    const QRegularExpression inlineImg(QStringLiteral("<p comment=\"st_fs\"   ><img src = \"data:image/png;base64,([A-Za-z0-9+/=]+)\" "
                                                      "style=\"margin-left: 15px;\" align=\"right\" />text</p>\r\n$"));
    const QRegularExpressionMatch m = inlineImg.match(r.document());
    QVERIFY2(m.hasMatch(), qPrintable(r.document()));
    const QImage back = QImage::fromData(QByteArray::fromBase64(m.captured(1).toLatin1()), "PNG");
    QCOMPARE(back.size(), QSize(3, 2));
    QCOMPARE(back.pixelColor(1, 1), QColor(Qt::red));

    // beginBlock keeps or drops the pending picture as asked; endBlock always drops it.
    r.setImageFile(QStringLiteral("a.jpg"));
    r.beginBlock(false);
    QVERIFY(!r.pendingImage().isEmpty());
    r.beginBlock(true);
    QVERIFY(r.pendingImage().isEmpty());
    r.setImageFile(QStringLiteral("a.jpg"));
    r.endBlock();
    QVERIFY(r.pendingImage().isEmpty());
    QVERIFY(r.document().endsWith(QStringLiteral("<table class=maindoc border=\"0\" width=100%><tr><td>\r\n") + kEnd));
}

void TestReportTools::splitParagraphs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("close");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QString() << "<b>" << "</b>" << QString();
    QTest::newRow("two words") << "one<br />two" << QString() << QString()
                               << QStringLiteral("one") + kEnd + kOpen + QStringLiteral("two") + kEnd;
    QTest::newRow("paragraph tags and tags around")
        << "<p>a</p><p>b</p>" << "<i>" << "</i>"
        << QStringLiteral("<i>a</i>") + kEnd + kOpen + QStringLiteral("<i>b</i>") + kEnd + kOpen + QStringLiteral("<i></i>") + kEnd;
    QTest::newRow("span carried over two paragraphs")
        << "<span style=\"x\">a<br>b<br>c</span><br>d" << QString() << QString()
        << QStringLiteral("<span style=\"x\">a</span>") + kEnd
           + kOpen + QStringLiteral("<span style=\"x\">b</span>") + kEnd
           + kOpen + QStringLiteral("<span style=\"x\">c</span>") + kEnd
           + kOpen + QStringLiteral("d") + kEnd;
    QTest::newRow("span closed at the start of a paragraph ends the carry")
        << "<span style=\"y\">a<br></span>b<br>c" << QString() << QString()
        << QStringLiteral("<span style=\"y\">a</span>") + kEnd
           + kOpen + QStringLiteral("<span style=\"y\"></span>b") + kEnd
           + kOpen + QStringLiteral("c") + kEnd;
    QTest::newRow("closed span needs nothing")
        << "<span>a</span> b<br/>c" << QString() << QString()
        << QStringLiteral("<span>a</span> b") + kEnd + kOpen + QStringLiteral("c") + kEnd;
}

void TestReportTools::splitParagraphs()
{
    QFETCH(QString, text);
    QFETCH(QString, open);
    QFETCH(QString, close);
    QFETCH(QString, expected);
    QCOMPARE(CReportTools::splitParagraphs(text, open, close), expected);
}

// The cutting rule written the plain way (whole-text replacements, then a split),
// to hold the one-pass version to it on many mixed texts.
static QString plainSplit(const QString &text, const QString &open, const QString &close)
{
    if (text.isEmpty())
        return QString();
    QString src = text;
    src.remove(QStringLiteral("<p>"));
    src.replace(QStringLiteral("</p>"), QStringLiteral("<br>"));
    src.replace(QStringLiteral("<br/>"), QStringLiteral("<br>"));
    src.replace(QStringLiteral("<br />"), QStringLiteral("<br>"));
    const QStringList parts = src.split(QStringLiteral("<br>"));
    QString out, carried;
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        const int g = part.lastIndexOf(QStringLiteral("<span"));
        const int h = part.lastIndexOf(QStringLiteral("</span>"));
        const int k = part.indexOf(QStringLiteral("</span>"));
        const bool needsClose = h < g || (!carried.isEmpty() && k < 0);
        out += (i > 0 ? kOpen + open + carried : open) + part + (needsClose ? QStringLiteral("</span>") : QString())
               + close + kEnd;
        if (h < g) {
            const int end = part.indexOf(QLatin1Char('>'), g);
            carried = end < 0 ? part.mid(g) + QLatin1Char('>') : part.mid(g, end - g + 1);
        } else if (h >= 0 && g < h) {
            carried.clear();
        }
    }
    return out;
}

void TestReportTools::splitParagraphsMatchesPlainRule()
{
    const QStringList tokens = {QStringLiteral("<p>"), QStringLiteral("</p>"), QStringLiteral("<br>"),
                                QStringLiteral("<br/>"), QStringLiteral("<br />"), QStringLiteral("<span style=\"a\">"),
                                QStringLiteral("<span>"), QStringLiteral("</span>"), QStringLiteral("word "),
                                QStringLiteral("<b>x</b>"), QStringLiteral("<"), QStringLiteral(">"),
                                QStringLiteral("<td>"), QStringLiteral("<sp"), QStringLiteral("p>"),
                                QStringLiteral("br>"), QStringLiteral("/p>"), QStringLiteral("an>")};
    QRandomGenerator rng(7);
    for (int round = 0; round < 3000; ++round) {
        QString text;
        const int count = int(rng.bounded(12u));
        for (int i = 0; i < count; ++i)
            text += tokens.at(int(rng.bounded(quint32(tokens.size()))));
        QCOMPARE(CReportTools::splitParagraphs(text, QStringLiteral("<i>"), QStringLiteral("</i>")),
                 plainSplit(text, QStringLiteral("<i>"), QStringLiteral("</i>")));
    }
}

void TestReportTools::extractBody_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("no body tags") << "<p>plain</p>" << "<p>plain</p>";
    QTest::newRow("body with attributes")
        << "<html><head><style>p{}</style></head><body style=\"a\"><p>x</p></body></html>" << "<p>x</p>";
    QTest::newRow("marker after body")
        << "<html><body><p>head</p><!-- md --><br><p>content</p></body></html>" << "<p>content</p>";
    QTest::newRow("marker before body is ignored")
        << "<!-- md --><br><html><body>in</body></html>" << "in";
    QTest::newRow("end before start") << "</body><body>" << QString();
}

void TestReportTools::extractBody()
{
    QFETCH(QString, html);
    QFETCH(QString, expected);
    QCOMPARE(CReportTools::extractBody(html), expected);
}

void TestReportTools::sectionDefaultStyle()
{
    const CReportFieldItem item = CReportFieldItem::create(0, 1, QStringLiteral("Ignored Caption"));
    CReportTools r;
    r.setImagesFolder(QStringLiteral("/i"));
    r.setImageFile(QStringLiteral("res01.jpg"));
    r.addSection(QStringLiteral("Life Path Number"), QStringLiteral("7"), QStringLiteral("<p>Intro</p>"),
                 QStringLiteral("<p>Seven</p>"), 7, item, false);
    const QString expected =
        QStringLiteral("<table class=maindoc border=\"0\" width=100%><tr><td>\r\n"
                       "<h2><img src=\"file:////i/res01.jpg\" style=\"margin-left: 15px;\" align=\"right\" />"
                       "<font style=\" color:#000000;\">Life Path Number 7</font></h2>\r\n"
                       "<p comment=\"st_fs\"   >Intro")
        + kEnd + QStringLiteral("<table class=maindoc border=\"0\"><tr><td comment=\"st_fs\"   >\r\n")
        + kEnd + QStringLiteral("<table class=maindoc border=\"0\"><tr><td comment=\"st_fs\"   >\r\nSeven")
        + kEnd + QStringLiteral("<table class=maindoc border=\"0\"><tr><td comment=\"st_fs\"   >\r\n")
        + kEnd + QStringLiteral("</p>\r\n");
    QCOMPARE(r.document(), expected);

    // Without any text the block is simply closed.
    CReportTools e;
    e.addSection(QStringLiteral("T"), QStringLiteral("1"), QString(), QString(), 1, item, false);
    QVERIFY(e.document().endsWith(QStringLiteral("</h2>\r\n") + kEnd));
}

void TestReportTools::sectionCustomStyle()
{
    CReportFieldItem item = CReportFieldItem::create(0, 15, QStringLiteral("My Challenges"));
    item.defaultStyle = false;
    item.headerColor = QColor(0x12, 0x34, 0x56);
    item.contentColor = QColor(0xab, 0xcd, 0xef);
    item.contentFont.setWeight(QFont::Bold);
    // Challenge value 2 lives at entry 3.
    item.useDefaultText[3] = false;
    item.customTexts[3] = QStringLiteral("<html><body><p>Mine</p></body></html>");

    CReportTools r;
    r.addSection(QString(), QStringLiteral("2"), QStringLiteral("Intro"), QStringLiteral("Standard"), 2, item, false);
    const QString doc = r.document();
    QVERIFY(doc.contains(QStringLiteral("<h2><font style=\"font-size: 18px; font-family:'Arial', sans-serif; color:#123456;\">My Challenges 2</font></h2>")));
    QVERIFY(doc.contains(QStringLiteral("<b><font style=\"font-size: 16px; font-family:'Arial', sans-serif; color:#abcdef;\" >Intro</font></b>")));
    QVERIFY(doc.contains(QStringLiteral("Mine")));
    QVERIFY(!doc.contains(QStringLiteral("Standard")));
    // The custom text is printed without the item's content tags.
    QVERIFY(!doc.contains(QStringLiteral("color:#abcdef;\" >Mine")));

    // Value index -1 stops after the introduction.
    CReportTools c;
    c.addSection(QString(), QString(), QStringLiteral("Only intro"), QStringLiteral("never"), -1, item, false);
    QVERIFY(c.document().contains(QStringLiteral("Only intro")));
    QVERIFY(!c.document().contains(QStringLiteral("never")));
}

void TestReportTools::sectionPictureRules_data()
{
    QTest::addColumn<bool>("defaultStyle");
    QTest::addColumn<bool>("hideAll");
    QTest::addColumn<QString>("hideImage");
    QTest::addColumn<bool>("shown");
    QTest::newRow("custom style shows its picture") << false << false << QString() << true;
    QTest::newRow("hide all") << false << true << QString() << false;
    QTest::newRow("item hides") << false << false << "TRUE" << false;
    QTest::newRow("item option false") << false << false << "FALSE" << true;
    QTest::newRow("default style never uses item pictures") << true << false << QString() << false;
}

void TestReportTools::sectionPictureRules()
{
    QFETCH(bool, defaultStyle);
    QFETCH(bool, hideAll);
    QFETCH(QString, hideImage);
    QFETCH(bool, shown);
    CReportFieldItem item = CReportFieldItem::create(1, 3, QStringLiteral("Interest (3)"));
    item.defaultStyle = defaultStyle;
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::blue);
    item.images[0] = image;
    if (!hideImage.isEmpty())
        item.options.insert(QStringLiteral("hide-image"), hideImage);
    CReportTools r;
    r.addSection(QStringLiteral("Interest (3)"), QStringLiteral("2"), QStringLiteral("i"), QStringLiteral("b"), 3,
                 item, hideAll);
    QCOMPARE(r.document().contains(QStringLiteral("data:image/png;base64,")), shown);
}

void TestReportTools::fieldTextCustomAndBeyondLists()
{
    CReportFieldItem item = CReportFieldItem::create(0, 1);
    item.defaultStyle = false;
    item.contentFont.setItalic(true);
    // A short list from a file: index 5 lies beyond it and counts as standard text.
    item.customTexts.resize(2);
    item.images.resize(2);
    item.useDefaultText.resize(2);
    item.useDefaultText[1] = false;
    item.customTexts[1] = QStringLiteral("<html><body>line one<br />line two</body></html>");

    CReportTools r;
    r.addFieldText(QStringLiteral("standard"), item, 5);
    QVERIFY(r.document().contains(QStringLiteral("<i><font style=\"font-size: 16px; font-family:'Arial', sans-serif; color:#000000;\" >standard</font></i>")));

    CReportTools c;
    c.addFieldText(QStringLiteral("standard"), item, 1);
    QVERIFY(!c.document().contains(QStringLiteral("standard")));
    QVERIFY(c.document().contains(QStringLiteral("line one") + kEnd + QStringLiteral("<table class=maindoc border=\"0\"><tr><td comment=\"st_fs\"   >\r\nline two")));

    // An empty text just closes the block.
    CReportTools e;
    e.setImageFile(QStringLiteral("x.jpg"));
    e.addFieldText(QString(), item, 0);
    QCOMPARE(e.document(), kEnd);
    QVERIFY(e.pendingImage().isEmpty());
}

QTEST_MAIN(TestReportTools)
#include "tst_reporttools.moc"
