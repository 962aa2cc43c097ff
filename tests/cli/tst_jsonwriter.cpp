// The command line's JSON writer: every string and number it writes reads back
// unchanged, wherever an escape falls in the blocks the fast path copies.

#include "cli/jsonwriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <climits>

namespace {

QJsonObject readBack(const QByteArray &line)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("not JSON (%s): %s", qPrintable(error.errorString()), line.left(200).constData());
    return doc.object();
}

} // namespace

class TestJsonWriter : public QObject
{
    Q_OBJECT

private slots:
    void stringsReadBack_data();
    void stringsReadBack();
    void numbersAndDates();
    void bufferOwnerMayEmptyIt();
};

void TestJsonWriter::stringsReadBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("plain, shorter than a block") << QStringLiteral("JOHN");
    QTest::newRow("plain, several blocks") << QStringLiteral("JOHN MARIA SMITH OF THE HILLS");
    // A special character at every position of the first two blocks.
    for (const char *special : {"\"", "\\", "\n", "\r", "\t", "\x01", "\x1f", "\x7f"}) {
        for (int at = 0; at < 17; ++at) {
            QString text(20, QLatin1Char('a'));
            text[at] = QLatin1Char(special[0]);
            QTest::addRow("0x%02x at %d", special[0], at) << text;
        }
    }
    QTest::newRow("accents between blocks") << QStringLiteral("Ren\u00e9e Dupr\u00e9 M\u00fcller-\u00c5sa");
    QTest::newRow("only non-ASCII") << QStringLiteral("\u4e2d\u6587\u540d\u5b57\u00e9\u00e9\u00e9\u00e9\u00e9");
    QTest::newRow("surrogate pair") << QString::fromUcs4(U"name \U0001F600 end of it");
    QTest::newRow("summary lines") << QStringLiteral("Character (1) - 3<br />\r\nEnergy (2) - 2<br />\r\n");
}

void TestJsonWriter::stringsReadBack()
{
    QFETCH(QString, text);
    QByteArray out("prefix ");
    {
        JsonWriter json(out);
        json.beginObject().field("text", text).field("n", 7).endObject().newline();
    }
    QVERIFY(out.startsWith("prefix {\"text\":"));
    QVERIFY(out.endsWith("}\n"));
    const QJsonObject o = readBack(out.mid(7));
    QCOMPARE(o.value(QStringLiteral("text")).toString(), text);
    QCOMPARE(o.value(QStringLiteral("n")).toInt(), 7);
    // Control characters never appear raw.
    for (char c : out.left(out.size() - 1))
        QVERIFY(static_cast<unsigned char>(c) >= 0x20);
}

void TestJsonWriter::numbersAndDates()
{
    const int values[] = {0, 9, 10, 99, 100, 101, 999, 1000, 65536, 123456789, INT_MAX, -1, -10, -100, INT_MIN};
    QByteArray out;
    JsonWriter json(out);
    json.beginObject();
    json.field("values", values, int(sizeof values / sizeof values[0]));
    json.field("one", 42).field("yes", true).field("no", false);
    json.field("date", QDate(2024, 2, 29)).field("early", QDate(7, 3, 4)).field("none", QDate());
    json.key("list").beginArray().value(1).null().value(QStringLiteral("x")).endArray();
    json.endObject().newline();
    const QJsonObject o = readBack(out);
    const QJsonArray read = o.value(QStringLiteral("values")).toArray();
    QCOMPARE(read.size(), int(sizeof values / sizeof values[0]));
    for (int i = 0; i < read.size(); ++i)
        QCOMPARE(qint64(read.at(i).toDouble()), qint64(values[i]));
    QVERIFY(out.contains("\"values\":[0,9,10,99,100,101,999,1000,65536,123456789,2147483647,-1,-10,-100,-2147483648]"));
    QCOMPARE(o.value(QStringLiteral("one")).toInt(), 42);
    QVERIFY(out.contains("\"yes\":true,\"no\":false"));
    QVERIFY(out.contains("\"date\":\"2024-02-29\",\"early\":\"0007-03-04\",\"none\":null"));
    QVERIFY(out.contains("\"list\":[1,null,\"x\"]}"));
}

void TestJsonWriter::bufferOwnerMayEmptyIt()
{
    // The batch writes a buffer out and empties it between lines; the writer
    // must start again at its new end, and grow past any reserved room.
    QByteArray out;
    JsonWriter json(out);
    json.beginObject().field("a", 1).endObject().newline();
    QCOMPARE(out, QByteArray("{\"a\":1}\n"));
    out.truncate(0);
    const QString big(100000, QLatin1Char('b'));
    json.beginObject().field("big", big).endObject().newline();
    QCOMPARE(out.size(), 100000 + 11);
    QVERIFY(out.startsWith("{\"big\":\"bbb"));
    QVERIFY(out.endsWith("bb\"}\n"));
}

QTEST_GUILESS_MAIN(TestJsonWriter)
#include "tst_jsonwriter.moc"
