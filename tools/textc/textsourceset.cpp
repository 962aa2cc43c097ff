#include "tools/textc/textsourceset.h"

#include "texts/interpretationtexts.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextCodec>

namespace {

bool isGeneratedSection(int section)
{
    return (section >= 601 && section <= 604) || (section >= 611 && section <= 614);
}

int entryKey(int section, int index)
{
    return section * 100 + index;
}

QString headerText(int section, int index)
{
    if (section >= 700 && section <= 703) {
        return QStringLiteral("[guide:%1.%2]").arg((section - 700) * 10 + index / 10).arg(index % 10);
    }
    return QStringLiteral("[%1:%2]").arg(section).arg(index);
}

// First character of a line that cannot be carried in Latin-1, or -1.
int firstNonLatin1(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() > 0xFF)
            return i;
    }
    return -1;
}

int firstControl(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        const ushort c = text.at(i).unicode();
        if ((c < 0x20 && c != '\t') || c == 0x7F)
            return i;
    }
    return -1;
}

// Inline markup the reports render well inside a paragraph.
bool isInlineTag(const QString &name)
{
    static const QStringList tags = {QStringLiteral("b"),     QStringLiteral("i"),   QStringLiteral("em"),
                                     QStringLiteral("strong"), QStringLiteral("u"),  QStringLiteral("sup"),
                                     QStringLiteral("sub"),   QStringLiteral("small"), QStringLiteral("span"),
                                     QStringLiteral("br")};
    return tags.contains(name);
}

} // namespace

QStringList markupProblems(const QString &text)
{
    QStringList problems;
    static const QRegularExpression entity(QStringLiteral("&(?:[A-Za-z][A-Za-z0-9]{1,31}|#[0-9]{1,7}|#[xX][0-9A-Fa-f]{1,6});"));
    static const QRegularExpression tag(QStringLiteral("<(/?)([A-Za-z][A-Za-z0-9]*)(?:\\s[^<>]*)?\\s*/?>"));
    QStringList open;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('&')) {
            if (!entity.match(text, i, QRegularExpression::NormalMatch, QRegularExpression::AnchoredMatchOption).hasMatch())
                problems << QStringLiteral("bare '&' at column %1 (write &amp;)").arg(i + 1);
        } else if (c == QLatin1Char('<')) {
            const QRegularExpressionMatch m =
                tag.match(text, i, QRegularExpression::NormalMatch, QRegularExpression::AnchoredMatchOption);
            if (!m.hasMatch()) {
                problems << QStringLiteral("bare '<' at column %1 (write &lt;)").arg(i + 1);
                continue;
            }
            const QString name = m.captured(2).toLower();
            if (!isInlineTag(name)) {
                problems << QStringLiteral("<%1> is not inline markup; each line is already a paragraph").arg(name);
            } else if (name != QLatin1String("br")) {
                if (m.captured(1).isEmpty()) {
                    open.append(name);
                } else if (!open.contains(name)) {
                    problems << QStringLiteral("</%1> closes nothing open").arg(name);
                } else if (open.last() != name) {
                    problems << QStringLiteral("</%1> closes <%1> while <%2> is still open").arg(name, open.last());
                    open.removeAt(open.lastIndexOf(name));
                } else {
                    open.removeLast();
                }
            }
            i = m.capturedEnd() - 1;
        }
    }
    for (const QString &name : qAsConst(open))
        problems << QStringLiteral("<%1> is never closed").arg(name);
    return problems;
}

QDate parseDottedDate(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{1,4})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return QDate();
    return QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
}

void TextSourceSet::error(const SourceLocation &where, const QString &message)
{
    m_errors.append(where.toString() + QLatin1String(": ") + message);
}

void TextSourceSet::lintMarkup(const QString &text, const SourceLocation &where)
{
    for (const QString &problem : markupProblems(text))
        warning(where, problem);
}

void TextSourceSet::warning(const SourceLocation &where, const QString &message)
{
    m_warnings.append(where.toString() + QLatin1String(": warning: ") + message);
}

bool TextSourceSet::addFile(const QString &path)
{
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly)) {
        m_errors.append(path + QLatin1String(": cannot open: ") + file.errorString());
        return false;
    }
    if (file.size() > kMaxSourceFileBytes) {
        m_errors.append(path + QLatin1String(": file too large for a text source"));
        return false;
    }
    const QByteArray data = file.read(kMaxSourceFileBytes + 1);
    if (data.size() > kMaxSourceFileBytes) {
        m_errors.append(path + QLatin1String(": file too large for a text source"));
        return false;
    }
    return addSource(data, name);
}

bool TextSourceSet::addSource(const QByteArray &data, const QString &fileName)
{
    const int errorsBefore = m_errors.size();
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    m_target = Target::None;
    m_currentKey = -1;

    int start = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        start = 3;
    int lineNumber = 0;
    while (start <= data.size()) {
        int end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        ++lineNumber;
        int length = end - start;
        if (length > 0 && data.at(end - 1) == '\r')
            --length;
        const SourceLocation where{fileName, lineNumber};

        QTextCodec::ConverterState state(QTextCodec::ConvertInvalidToNull);
        const QString raw = utf8->toUnicode(data.constData() + start, length, &state);
        start = end + 1;
        if (state.invalidChars > 0 || state.remainingChars > 0) {
            error(where, QStringLiteral("invalid UTF-8"));
            continue;
        }
        const QString text = raw.trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char(';')))
            continue;
        const int wide = firstNonLatin1(text);
        if (wide >= 0) {
            const QString code = QString::number(text.at(wide).unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
            error(where, QStringLiteral("character U+%1 '%2' (column %3) is outside Latin-1; write it as an HTML entity")
                             .arg(code, QString(text.at(wide)))
                             .arg(raw.indexOf(text.at(wide)) + 1));
            continue;
        }
        if (firstControl(text) >= 0) {
            error(where, QStringLiteral("control character in text"));
            continue;
        }
        if (text.startsWith(QLatin1Char('['))) {
            parseHeader(text, where);
            continue;
        }
        if (m_target == Target::Celebrity) {
            parseCelebrityField(text, where);
            continue;
        }
        if (m_target == Target::Skip)
            continue; // under a header that was already reported
        if (text.startsWith(QLatin1Char('#'))) {
            error(where, QStringLiteral("a paragraph may not start with '#'"));
            continue;
        }
        if (m_target != Target::Entry) {
            error(where, QStringLiteral("text before the first entry header"));
            continue;
        }
        if (text.toLatin1().size() > kMaxParagraphBytes) {
            error(where, QStringLiteral("paragraph longer than %1 bytes").arg(kMaxParagraphBytes));
            continue;
        }
        lintMarkup(text, where);
        m_entries[m_currentKey].paragraphs.append(text);
    }
    finishTarget();
    return m_errors.size() == errorsBefore;
}

void TextSourceSet::finishTarget()
{
    if (m_target == Target::Celebrity)
        finishCelebrity();
    else if (m_target == Target::Entry && m_entries.value(m_currentKey).paragraphs.isEmpty()) {
        const SourceEntry &entry = m_entries[m_currentKey];
        warning(entry.where, QStringLiteral("entry %1 has no text").arg(headerText(entry.section, entry.index)));
    }
    m_target = Target::None;
    m_currentKey = -1;
}

bool TextSourceSet::parseHeader(const QString &text, const SourceLocation &where)
{
    finishTarget();
    // Until a good header follows, the lines below a bad one are not reported again.
    m_target = Target::Skip;
    const int close = text.indexOf(QLatin1Char(']'));
    const QString inner = close > 0 ? text.mid(1, close - 1).trimmed() : QString();
    if (inner == QLatin1String("celebrity")) {
        if (close + 1 < text.size() && !text.mid(close + 1).trimmed().isEmpty())
            warning(where, QStringLiteral("text after [celebrity] is ignored"));
        m_target = Target::Celebrity;
        m_celebrity = SourceCelebrity();
        m_celebrity.where = where;
        m_celebrityKeys.clear();
        return true;
    }

    static const QRegularExpression plain(QStringLiteral("^(\\d{1,3}):(\\d{1,2})$"));
    static const QRegularExpression guide(QStringLiteral("^guide:(\\d{1,2})\\.(\\d)$"));
    int section = -1;
    int index = -1;
    if (const QRegularExpressionMatch m = plain.match(inner); m.hasMatch()) {
        section = m.captured(1).toInt();
        index = m.captured(2).toInt();
        if (!isKnownTextSection(section)) {
            error(where, QStringLiteral("unknown section %1 in header '%2'").arg(section).arg(text.left(close + 1)));
            return false;
        }
        if (isGeneratedSection(section)) {
            error(where, QStringLiteral("section %1 is generated from [celebrity] records").arg(section));
            return false;
        }
        if (section == 900 && index >= kGeneralTextCount) {
            error(where, QStringLiteral("section 900 has entries 0..%1 only").arg(kGeneralTextCount - 1));
            return false;
        }
        if (section >= 700 && section <= 703 && index % 10 >= kGuidePartCount) {
            error(where, QStringLiteral("guide entries use parts 0..3 only"));
            return false;
        }
    } else if (const QRegularExpressionMatch g = guide.match(inner); g.hasMatch()) {
        const int guideSection = g.captured(1).toInt();
        const int part = g.captured(2).toInt();
        if (guideSection >= kGuideSectionCount || part >= kGuidePartCount) {
            error(where, QStringLiteral("guide section must be 0..%1 and part 0..%2")
                             .arg(kGuideSectionCount - 1)
                             .arg(kGuidePartCount - 1));
            return false;
        }
        section = 700 + guideSection / 10;
        index = (guideSection % 10) * 10 + part;
    } else {
        error(where, QStringLiteral("malformed header '%1'; expected [CODE:INDEX], [guide:S.P] or [celebrity]")
                         .arg(close > 0 ? text.left(close + 1) : text.left(40)));
        return false;
    }

    const int key = entryKey(section, index);
    const auto existing = m_entries.constFind(key);
    if (existing != m_entries.constEnd()) {
        error(where, QStringLiteral("duplicate entry %1, first defined at %2")
                         .arg(headerText(section, index), existing->where.toString()));
        return false;
    }
    SourceEntry entry;
    entry.section = section;
    entry.index = index;
    entry.where = where;
    m_entries.insert(key, entry);
    m_target = Target::Entry;
    m_currentKey = key;
    return true;
}

void TextSourceSet::parseCelebrityField(const QString &text, const SourceLocation &where)
{
    const int colon = text.indexOf(QLatin1Char(':'));
    const QString key = colon > 0 ? text.left(colon).trimmed() : QString();
    const QString value = colon > 0 ? text.mid(colon + 1).trimmed() : QString();
    static const QStringList keys = {QStringLiteral("name"),     QStringLiteral("born"),
                                     QStringLiteral("line2"),    QStringLiteral("lifepath"),
                                     QStringLiteral("birthday"), QStringLiteral("expression")};
    if (!keys.contains(key)) {
        error(where, QStringLiteral("expected one of %1 followed by ':' in a celebrity record").arg(keys.join(QStringLiteral(", "))));
        return;
    }
    if (m_celebrityKeys.contains(key)) {
        error(where, QStringLiteral("duplicate '%1' in a celebrity record").arg(key));
        return;
    }
    m_celebrityKeys.append(key);
    if (value.isEmpty()) {
        error(where, QStringLiteral("empty '%1'").arg(key));
        return;
    }
    if (value.startsWith(QLatin1Char('#'))) {
        error(where, QStringLiteral("a value may not start with '#'"));
        return;
    }
    if (value.toLatin1().size() > kMaxParagraphBytes) {
        error(where, QStringLiteral("'%1' longer than %2 bytes").arg(key).arg(kMaxParagraphBytes));
        return;
    }
    if (key != QLatin1String("name") && key != QLatin1String("born"))
        lintMarkup(value, where);
    if (key == QLatin1String("name")) {
        m_celebrity.name = value;
    } else if (key == QLatin1String("born")) {
        m_celebrity.born = parseDottedDate(value);
        if (!m_celebrity.born.isValid())
            error(where, QStringLiteral("'%1' is not a date dd.mm.yyyy").arg(value));
    } else if (key == QLatin1String("line2")) {
        m_celebrity.line2 = value;
    } else if (key == QLatin1String("lifepath")) {
        m_celebrity.lifePathText = value;
    } else if (key == QLatin1String("birthday")) {
        m_celebrity.birthDayText = value;
    } else {
        m_celebrity.expressionText = value;
    }
}

void TextSourceSet::finishCelebrity()
{
    const SourceLocation &where = m_celebrity.where;
    QStringList missing;
    for (const char *key : {"name", "born", "line2"}) {
        if (!m_celebrityKeys.contains(QLatin1String(key)))
            missing << QLatin1String(key);
    }
    if (!missing.isEmpty()) {
        error(where, QStringLiteral("celebrity record without %1").arg(missing.join(QStringLiteral(", "))));
        return;
    }
    if (m_celebrity.name.isEmpty() || !m_celebrity.born.isValid() || m_celebrity.line2.isEmpty())
        return; // already reported
    for (const SourceCelebrity &other : qAsConst(m_celebrities)) {
        if (other.name.compare(m_celebrity.name, Qt::CaseInsensitive) == 0 && other.born == m_celebrity.born) {
            error(where, QStringLiteral("duplicate celebrity '%1', first listed at %2").arg(m_celebrity.name, other.where.toString()));
            return;
        }
    }
    if (m_celebrities.size() >= kCelebrityCount) {
        error(where, QStringLiteral("more than %1 celebrity records").arg(kCelebrityCount));
        return;
    }
    for (const char *key : {"lifepath", "birthday", "expression"}) {
        if (!m_celebrityKeys.contains(QLatin1String(key)))
            warning(where, QStringLiteral("celebrity '%1' has no '%2' text").arg(m_celebrity.name, QLatin1String(key)));
    }
    m_celebrities.append(m_celebrity);
}
