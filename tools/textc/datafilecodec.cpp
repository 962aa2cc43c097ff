#include "tools/textc/datafilecodec.h"

#include "texts/interpretationtexts.h"
#include "texts/requiredtexts.h"
#include "texts/scrambledlinereader.h"
#include "texts/textscrambler.h"
#include "tools/textc/textsourceset.h"

#include <QMap>
#include <QSet>
#include <QVector>

namespace {

QString dataHeader(int section, int index)
{
    return QStringLiteral("#%1%2").arg(section, 3, 10, QLatin1Char('0')).arg(index, 2, 10, QLatin1Char('0'));
}

QString dottedDate(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

void appendLine(QByteArray &out, const QString &line)
{
    out += scrambleBytes(line.toLatin1());
    out += '\n';
}

} // namespace

QByteArray compileDataFile(const TextSourceSet &sources, const CelebrityNumberFunction &numbers, QStringList *errors)
{
    QMap<int, QStringList> lines; // section * 100 + index -> lines, in file order
    for (const SourceEntry &entry : sources.entries()) {
        if (!entry.paragraphs.isEmpty())
            lines.insert(entry.section * 100 + entry.index, entry.paragraphs);
    }

    QStringList problems;
    const QVector<SourceCelebrity> &celebrities = sources.celebrities();
    for (int i = 0; i < celebrities.size(); ++i) {
        const SourceCelebrity &c = celebrities.at(i);
        const CelebrityRecordNumbers n = numbers(c.name, c.born);
        if (n.lifePath <= 0 || n.birthDay <= 0 || n.expression <= 0) {
            // A zero would shift the record's later lines into the wrong fields.
            problems.append(c.where.toString()
                            + QStringLiteral(": celebrity '%1' gives a zero number (life path %2, birth day %3, expression %4)")
                                  .arg(c.name)
                                  .arg(n.lifePath)
                                  .arg(n.birthDay)
                                  .arg(n.expression));
            continue;
        }
        const int offset = i < 100 ? 0 : 10;
        const int index = i % 100;
        lines.insert((601 + offset) * 100 + index,
                     {QString::number(n.lifePath), QString::number(n.birthDay), QString::number(n.expression), c.name,
                      c.line2, dottedDate(c.born)});
        const QString texts[] = {c.lifePathText, c.birthDayText, c.expressionText};
        for (int kind = 0; kind < 3; ++kind) {
            if (!texts[kind].isEmpty())
                lines.insert((602 + kind + offset) * 100 + index, {texts[kind]});
        }
    }
    if (!problems.isEmpty()) {
        if (errors)
            *errors += problems;
        return QByteArray();
    }

    QByteArray out;
    for (auto it = lines.constBegin(); it != lines.constEnd(); ++it) {
        appendLine(out, dataHeader(it.key() / 100, it.key() % 100));
        for (const QString &line : it.value())
            appendLine(out, line);
    }
    return out;
}

namespace {

// What the decompiler gathers for one celebrity.
struct CelebrityLines
{
    QStringList record;
    QString texts[3];
};

bool isCelebrityCode(int section)
{
    return (section >= 601 && section <= 604) || (section >= 611 && section <= 614);
}

// Makes a loaded line safe as a source paragraph; empty when it cannot be.
QString sourceParagraph(const QString &line, QString *why)
{
    for (const QChar c : line) {
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F) {
            *why = QStringLiteral("holds control characters");
            return QString();
        }
    }
    if (line.trimmed() != line) {
        *why = QStringLiteral("has leading or trailing blanks");
        return QString();
    }
    if (line.toLatin1().size() > TextSourceSet::kMaxParagraphBytes) {
        *why = QStringLiteral("is longer than a source paragraph may be");
        return QString();
    }
    // The source format reserves these first characters; an entity prints the same.
    if (line.startsWith(QLatin1Char('#')))
        return QLatin1String("&#35;") + line.mid(1);
    if (line.startsWith(QLatin1Char('[')))
        return QLatin1String("&#91;") + line.mid(1);
    if (line.startsWith(QLatin1Char(';')))
        return QLatin1String("&#59;") + line.mid(1);
    return line;
}

QString sourceHeader(int section, int index)
{
    if (section >= 700 && section <= 703) {
        const int guide = (section - 700) * 10 + index / 10;
        return QStringLiteral("[guide:%1.%2] %3").arg(guide).arg(index % 10).arg(textEntryLabel(section, index));
    }
    const QString title = textSectionTitle(section);
    return QStringLiteral("[%1:%2]").arg(section).arg(index) + (title.isEmpty() ? QString() : QLatin1Char(' ') + title + QLatin1Char(' ') + QString::number(index));
}

} // namespace

QByteArray decompileDataFile(const QString &path, QStringList *warnings)
{
    ScrambledLineReader reader(path);
    if (!reader.isOpen())
        return QByteArray();
    QStringList notes;

    QVector<int> order;              // plain entries in order of first appearance
    QMap<int, QStringList> entries;  // section * 100 + index -> lines
    QVector<CelebrityLines> celebrities(kCelebrityCount);
    int section = 0;
    int index = 0;
    int lineNumber = 0;
    int orphans = 0;
    QString line;
    while (reader.next(line)) {
        ++lineNumber;
        if (parseDataHeader(line, &section, &index))
            continue;
        if (line.isEmpty())
            continue;
        if (!isKnownTextSection(section) || (section >= 700 && section <= 703 && index % 10 >= kGuidePartCount)
            || (section == 900 && index >= kGeneralTextCount)) {
            ++orphans;
            continue;
        }
        if (isCelebrityCode(section)) {
            CelebrityLines &c = celebrities[index + (section >= 611 ? 100 : 0)];
            if (section % 10 == 1)
                c.record.append(line);
            else if (c.texts[section % 10 - 2].isEmpty())
                c.texts[section % 10 - 2] = line;
            else
                notes.append(QStringLiteral("line %1: a second text line for celebrity %2 is left out")
                                 .arg(lineNumber)
                                 .arg(index + (section >= 611 ? 100 : 0)));
            continue;
        }
        const int key = section * 100 + index;
        if (!entries.contains(key))
            order.append(key);
        QString why;
        const QString paragraph = sourceParagraph(line, &why);
        if (paragraph.isEmpty()) {
            notes.append(QStringLiteral("line %1 (%2) %3 and is left out").arg(lineNumber).arg(textEntryLabel(section, index), why));
            entries[key];
            continue;
        }
        entries[key].append(paragraph);
    }
    if (orphans > 0)
        notes.append(QStringLiteral("%1 lines outside any known section are left out (the program ignores them too)").arg(orphans));
    if (reader.overlongLines() > 0)
        notes.append(QStringLiteral("%1 overlong lines were skipped").arg(reader.overlongLines()));
    if (reader.truncated())
        notes.append(QStringLiteral("the file is larger than the program reads; the rest was skipped"));

    QString out = QStringLiteral("; Decompiled by qznum-textc from %1.\n").arg(path);
    for (int key : qAsConst(order)) {
        const QStringList &paragraphs = entries[key];
        if (paragraphs.isEmpty())
            continue;
        out += QLatin1Char('\n') + sourceHeader(key / 100, key % 100) + QLatin1Char('\n');
        for (const QString &p : paragraphs)
            out += p + QLatin1Char('\n');
    }

    // The record lines fill life path, birth day, expression, name, second
    // line and date in turn, as the program reads them.
    bool gap = false;
    QSet<QString> seen;
    for (int i = 0; i < kCelebrityCount; ++i) {
        const CelebrityLines &c = celebrities.at(i);
        QStringList fields;
        int numbers = 0;
        for (const QString &recordLine : c.record) {
            if (numbers < 3) {
                if (recordLine.toInt() != 0)
                    ++numbers;
                continue;
            }
            fields.append(recordLine);
        }
        if (fields.isEmpty()) {
            gap = true;
            continue;
        }
        // Only a record the compiler accepts again is written as one.
        QString why;
        const QString name = sourceParagraph(fields.at(0).trimmed(), &why);
        const QString line2 = fields.size() > 1 ? sourceParagraph(fields.at(1).trimmed(), &why) : QString();
        const QDate born = fields.size() > 2 ? parseDottedDate(fields.at(2)) : QDate();
        const QString identity = name.toLower() + QLatin1Char('|') + born.toString(Qt::ISODate);
        if (name.isEmpty() || line2.isEmpty() || !born.isValid() || seen.contains(identity)) {
            const QString reason = seen.contains(identity) ? QStringLiteral("repeats an earlier record")
                                                           : QStringLiteral("lacks a usable name, second line or birth date");
            notes.append(QStringLiteral("celebrity %1 %2 and is left out").arg(i).arg(reason));
            out += QStringLiteral("\n; celebrity %1 left out: it %2\n").arg(i).arg(reason);
            gap = true;
            continue;
        }
        seen.insert(identity);
        if (gap)
            notes.append(QStringLiteral("celebrity %1 follows a gap; its number will change when rebuilt").arg(i));
        out += QStringLiteral("\n[celebrity]\nname: ") + name + QLatin1Char('\n');
        out += QLatin1String("born: ") + dottedDate(born) + QLatin1Char('\n');
        out += QLatin1String("line2: ") + line2 + QLatin1Char('\n');
        static const char *const keys[] = {"lifepath", "birthday", "expression"};
        for (int kind = 0; kind < 3; ++kind) {
            if (c.texts[kind].isEmpty())
                continue;
            const QString text = sourceParagraph(c.texts[kind].trimmed(), &why);
            if (text.isEmpty()) {
                notes.append(QStringLiteral("the %1 text of celebrity %2 %3 and is left out").arg(QLatin1String(keys[kind])).arg(i).arg(why));
                continue;
            }
            out += QLatin1String(keys[kind]) + QLatin1String(": ") + text + QLatin1Char('\n');
        }
    }
    if (warnings)
        *warnings += notes;
    return out.toUtf8();
}
