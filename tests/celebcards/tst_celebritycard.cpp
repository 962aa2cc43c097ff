#include "tools/celebcards/ccelebritycard.h"
#include "tools/textc/textsourceset.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QtTest>

class TstCelebrityCard : public QObject
{
    Q_OBJECT

private slots:
    void initials_data();
    void initials();
    void field_data();
    void field();
    void lineParts_data();
    void lineParts();
    void renderDrawsACard();
    void renderKeepsAMinimumSize();
    void shippedListIsFullyClassified();
    void shippedCardsFollowTheList();
};

void TstCelebrityCard::initials_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("initials");
    QTest::newRow("two words") << QStringLiteral("Ada Lovelace") << QStringLiteral("AL");
    QTest::newRow("three words") << QStringLiteral("Leonardo da Vinci") << QStringLiteral("LV");
    QTest::newRow("one word") << QStringLiteral("Madonna") << QStringLiteral("M");
    QTest::newRow("suffix Jr.") << QStringLiteral("Martin Luther King Jr.") << QStringLiteral("MK");
    QTest::newRow("regnal number") << QStringLiteral("Queen Elizabeth II") << QStringLiteral("QE");
    QTest::newRow("dotted initials") << QStringLiteral("J. R. R. Tolkien") << QStringLiteral("JT");
    QTest::newRow("hyphenated surname") << QStringLiteral("Tim Berners-Lee") << QStringLiteral("TB");
    QTest::newRow("apostrophe") << QStringLiteral("Georgia O'Keeffe") << QStringLiteral("GO");
    QTest::newRow("lower case") << QStringLiteral("bell hooks") << QStringLiteral("BH");
    QTest::newRow("extra spaces") << QStringLiteral("  Frida   Kahlo ") << QStringLiteral("FK");
    QTest::newRow("stray hyphen word") << QStringLiteral("Anna - Smith") << QStringLiteral("AS");
    QTest::newRow("only a suffix") << QStringLiteral("II") << QStringLiteral("I");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("no letters") << QStringLiteral("42 -") << QString();
}

void TstCelebrityCard::initials()
{
    QFETCH(QString, name);
    QFETCH(QString, initials);
    QCOMPARE(CCelebrityCard::initialsOf(name), initials);
}

void TstCelebrityCard::field_data()
{
    using F = CCelebrityCard::Field;
    QTest::addColumn<QString>("line2");
    QTest::addColumn<int>("field");
    QTest::newRow("science") << QStringLiteral("Physicist (Germany)") << int(F::Science);
    QTest::newRow("first word wins: music") << QStringLiteral("Singer and actor (USA)") << int(F::Music);
    QTest::newRow("first word wins: film") << QStringLiteral("Actress and singer (USA)") << int(F::Film);
    QTest::newRow("songwriter is not writer") << QStringLiteral("Songwriter (USA)") << int(F::Music);
    QTest::newRow("country words ignored") << QStringLiteral("Boxer (Painter Islands)") << int(F::Sport);
    QTest::newRow("explorer") << QStringLiteral("Polar explorer (Norway)") << int(F::Exploration);
    QTest::newRow("politics") << QStringLiteral("Prime minister (India)") << int(F::Politics);
    QTest::newRow("literature") << QStringLiteral("Novelist") << int(F::Literature);
    QTest::newRow("business") << QStringLiteral("Industrialist and philanthropist (USA)") << int(F::Business);
    QTest::newRow("arts") << QStringLiteral("Architect (Spain)") << int(F::Arts);
    QTest::newRow("unknown") << QStringLiteral("Juggler (Nowhere)") << int(F::Other);
    QTest::newRow("empty") << QString() << int(F::Other);
}

void TstCelebrityCard::field()
{
    QFETCH(QString, line2);
    QFETCH(int, field);
    QCOMPARE(int(CCelebrityCard::fieldOf(line2)), field);
}

void TstCelebrityCard::lineParts_data()
{
    QTest::addColumn<QString>("line2");
    QTest::addColumn<QString>("occupation");
    QTest::addColumn<QString>("country");
    QTest::newRow("both") << QStringLiteral("Painter and sculptor (Spain, France)") << QStringLiteral("Painter and sculptor")
                          << QStringLiteral("Spain, France");
    QTest::newRow("no country") << QStringLiteral("Novelist") << QStringLiteral("Novelist") << QString();
    QTest::newRow("unclosed bracket") << QStringLiteral("Poet (Chile") << QStringLiteral("Poet") << QStringLiteral("Chile");
    QTest::newRow("empty") << QString() << QString() << QString();
}

void TstCelebrityCard::lineParts()
{
    QFETCH(QString, line2);
    QFETCH(QString, occupation);
    QFETCH(QString, country);
    QCOMPARE(CCelebrityCard::occupationOf(line2), occupation);
    QCOMPARE(CCelebrityCard::countryOf(line2), country);
}

void TstCelebrityCard::renderDrawsACard()
{
    const QImage card = CCelebrityCard::render(QStringLiteral("Ada Lovelace"),
                                               QStringLiteral("Mathematician and writer (United Kingdom)"));
    QCOMPARE(card.size(), QSize(CCelebrityCard::kWidth, CCelebrityCard::kHeight));
    // The portrait disc carries the field's tint; the paper below the text is light.
    const QColor disc = card.pixelColor(CCelebrityCard::kWidth / 2 - 25, 60);
    const QColor tint = CCelebrityCard::tintOf(CCelebrityCard::Field::Science);
    QVERIFY2(qAbs(disc.hue() - tint.hue()) < 20, qPrintable(disc.name()));
    QVERIFY(card.pixelColor(20, 100).lightness() > 200);
    // Something dark (the name) is drawn in the text area.
    int darkPixels = 0;
    for (int y = 105; y < 140; ++y) {
        for (int x = 8; x < CCelebrityCard::kWidth - 8; ++x)
            darkPixels += card.pixelColor(x, y).lightness() < 90 ? 1 : 0;
    }
    QVERIFY(darkPixels > 50);
}

void TstCelebrityCard::renderKeepsAMinimumSize()
{
    QCOMPARE(CCelebrityCard::render(QStringLiteral("X"), QString(), QSize(1, 1)).size(), QSize(60, 80));
    QCOMPARE(CCelebrityCard::render(QString(), QString(), QSize(300, 380)).size(), QSize(300, 380));
    // A very long name still renders without overflowing the image.
    const QString longName = QString(QStringLiteral("Bartholomew ")).repeated(12).trimmed();
    QCOMPARE(CCelebrityCard::render(longName, longName).size(), QSize(CCelebrityCard::kWidth, CCelebrityCard::kHeight));
}

void TstCelebrityCard::shippedListIsFullyClassified()
{
    TextSourceSet sources;
    QVERIFY2(sources.addFile(QStringLiteral(QZ_CELEBRITY_SOURCE)), qPrintable(sources.errors().join(QLatin1Char('\n'))));
    QVERIFY(!sources.celebrities().isEmpty());
    for (const SourceCelebrity &c : sources.celebrities()) {
        QVERIFY2(CCelebrityCard::fieldOf(c.line2) != CCelebrityCard::Field::Other, qPrintable(c.line2));
        QVERIFY2(!CCelebrityCard::initialsOf(c.name).isEmpty(), qPrintable(c.name));
        QVERIFY2(!CCelebrityCard::countryOf(c.line2).isEmpty(), qPrintable(c.line2));
    }
}

void TstCelebrityCard::shippedCardsFollowTheList()
{
    TextSourceSet sources;
    QVERIFY(sources.addFile(QStringLiteral(QZ_CELEBRITY_SOURCE)));
    const QDir cards(QStringLiteral(QZ_BIN_DIR "/images/doc2"));
    if (!cards.exists())
        QSKIP("the celebrity cards have not been built");
    const int count = std::min(static_cast<int>(sources.celebrities().size()), 256);
    for (int i = 0; i < count; ++i) {
        const QString path = cards.filePath(QStringLiteral("%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
        QImageReader reader(path);
        QVERIFY2(reader.canRead(), qPrintable(path));
        QCOMPARE(reader.size(), QSize(CCelebrityCard::kWidth, CCelebrityCard::kHeight));
    }
}

QTEST_MAIN(TstCelebrityCard)
#include "tst_celebritycard.moc"
