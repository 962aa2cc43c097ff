#include "cli/cliargs.h"

#include "engine/namecleaning.h"
#include "engine/numerologymath.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

bool CliArgs::parse(const QStringList &valueOptions, const QStringList &switches, QString *error,
                    int maxPositionals)
{
    m_values.clear();
    m_positionals.clear();
    QCommandLineParser parser;
    const auto bare = [](const QString &option) { return option.mid(2); };
    for (const QString &option : valueOptions)
        parser.addOption(QCommandLineOption(bare(option), QString(), QStringLiteral("value")));
    for (const QString &option : switches)
        parser.addOption(QCommandLineOption(bare(option)));

    // The parser skips the program name; its own messages are reworded to ours.
    if (!parser.parse(QStringList(QStringLiteral("qznum-cli")) + m_arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString name = unknown.first();
            const QString dashes = name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            *error = QStringLiteral("unknown option %1%2").arg(dashes, name);
            return false;
        }
        const QString text = parser.errorText();
        const int from = text.indexOf(QLatin1Char('\''));
        const int to = text.lastIndexOf(QLatin1Char('\''));
        const QString option = from >= 0 && to > from ? text.mid(from + 1, to - from - 1) : text;
        if (text.startsWith(QLatin1String("Missing value")))
            *error = QStringLiteral("missing value for %1").arg(option);
        else if (text.startsWith(QLatin1String("Unexpected value")))
            *error = QStringLiteral("%1 takes no value").arg(option);
        else
            *error = text;
        return false;
    }
    for (const QString &option : valueOptions)
        if (parser.isSet(bare(option)))
            m_values.insert(option, parser.value(bare(option)));
    for (const QString &option : switches)
        if (parser.isSet(bare(option)))
            m_values.insert(option, QStringLiteral("1"));
    m_positionals = parser.positionalArguments();
    if (m_positionals.size() > maxPositionals) {
        *error = QStringLiteral("unexpected argument '%1'").arg(m_positionals.at(maxPositionals));
        return false;
    }
    return true;
}

void cliFail(const QString &message)
{
    QString line = message;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    std::fflush(stdout);
    std::fprintf(stderr, "qznum-cli: %s\n", line.toUtf8().constData());
    std::fflush(stderr);
    std::exit(2);
}

void cliWarning(const QString &message)
{
    QString line = message;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    std::fflush(stdout);
    std::fprintf(stderr, "qznum-cli: warning: %s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

void cliWrite(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

bool parseIsoDate(const QString &text, QDate *date, QString *error)
{
    // Batch dates are nearly always bare: trim only when there is something to trim.
    const bool bare = text.isEmpty() || (!text.front().isSpace() && !text.back().isSpace());
    const QString trimmed = bare ? QString() : text.trimmed();
    const QString &t = bare ? text : trimmed;
    const QChar *c = t.constData();
    bool shapeOk = t.size() == 10 && c[4] == QLatin1Char('-') && c[7] == QLatin1Char('-');
    // Digit values at the eight digit places; above 9 for anything but an ASCII digit.
    unsigned int v[8] = {};
    unsigned int worst = 0;
    if (shapeOk) {
        const int places[8] = {0, 1, 2, 3, 5, 6, 8, 9};
        for (int k = 0; k < 8; ++k) {
            v[k] = static_cast<unsigned int>(c[places[k]].unicode()) - '0';
            worst = std::max(worst, v[k]);
        }
        // Other scripts' digits pass the shape check but are no number here (0).
        for (int k = 0; worst > 9 && shapeOk && k < 8; ++k)
            shapeOk = c[places[k]].isDigit();
    }
    if (!shapeOk) {
        *error = QStringLiteral("invalid date '%1' (expected YYYY-MM-DD)").arg(text);
        return false;
    }
    const auto number = [&v](int from, int count) {
        int n = 0;
        for (int k = from; k < from + count; ++k) {
            if (v[k] > 9)
                return 0;
            n = n * 10 + static_cast<int>(v[k]);
        }
        return n;
    };
    const int y = number(0, 4);
    const QDate parsed(y, number(4, 2), number(6, 2));
    if (y < 1 || !parsed.isValid()) {
        *error = QStringLiteral("impossible date '%1'").arg(text);
        return false;
    }
    *date = parsed;
    return true;
}

QString requiredValue(const CliArgs &args, const QString &option)
{
    if (!args.has(option))
        cliFail(QStringLiteral("missing option %1").arg(option));
    const QString v = args.value(option);
    if (v.trimmed().isEmpty())
        cliFail(QStringLiteral("empty value for %1").arg(option));
    return v;
}

QDate requiredDate(const CliArgs &args, const QString &option)
{
    const QString text = requiredValue(args, option);
    QDate date;
    QString error;
    if (!parseIsoDate(text, &date, &error))
        cliFail(option + QStringLiteral(": ") + error);
    return date;
}

QDate optionalDate(const CliArgs &args, const QString &option, const QDate &fallback)
{
    if (!args.has(option))
        return fallback;
    return requiredDate(args, option);
}

QStringList engineValueOptions()
{
    return {QStringLiteral("--target"), QStringLiteral("--phonetic"), QStringLiteral("--flags"),
            QStringLiteral("--full-marks"), QStringLiteral("--short-marks")};
}

QStringList engineSwitches()
{
    return {QStringLiteral("--chaldean"), QStringLiteral("--masters"), QStringLiteral("--raw")};
}

namespace {

QVector<int> parseMarks(const CliArgs &args, const QString &option)
{
    QVector<int> marks;
    if (!args.has(option))
        return marks;
    const QString text = args.value(option);
    marks.reserve(text.size());
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            cliFail(QStringLiteral("%1 takes digits only (0 none, 1 vowel, 2 consonant)").arg(option));
        marks.append(c.unicode() - '0');
    }
    return marks;
}

} // namespace

EngineOptions engineOptions(const CliArgs &args)
{
    EngineOptions o;
    o.target = optionalDate(args, QStringLiteral("--target"), QDate::currentDate());
    o.chaldean = args.has(QStringLiteral("--chaldean"));
    o.masters = args.has(QStringLiteral("--masters"));
    o.raw = args.has(QStringLiteral("--raw"));
    if (args.has(QStringLiteral("--phonetic"))) {
        const QString p = args.value(QStringLiteral("--phonetic")).toLower();
        if (p == QLatin1String("english"))
            o.phonetic = qz::PhoneticEnglish;
        else if (p == QLatin1String("universal"))
            o.phonetic = qz::PhoneticUniversal;
        else
            cliFail(QStringLiteral("--phonetic must be english or universal, not '%1'")
                        .arg(args.value(QStringLiteral("--phonetic"))));
    }
    if (args.has(QStringLiteral("--flags"))) {
        CalculatorFlags flags;
        if (!flags.fromText(args.value(QStringLiteral("--flags"))))
            cliFail(QStringLiteral("--flags needs six characters 0 or 1 (e.g. 100110), not '%1'")
                        .arg(args.value(QStringLiteral("--flags"))));
        calculatorFlags() = flags;
    }
    o.fullMarks = parseMarks(args, QStringLiteral("--full-marks"));
    o.shortMarks = parseMarks(args, QStringLiteral("--short-marks"));
    return o;
}

NumerologyInput personInput(const QString &fullName, const QString &shortName, const QDate &birth,
                            const EngineOptions &options)
{
    NumerologyInput in;
    if (options.raw) {
        in.fullName = fullName;
        in.shortName = shortName;
    } else {
        in.fullName = qz::cleanName(fullName);
        in.shortName = qz::cleanName(shortName);
        if (in.shortName.isEmpty())
            in.shortName = qz::defaultShortName(in.fullName);
    }
    in.fullNameMarks = options.fullMarks;
    in.shortNameMarks = options.shortMarks;
    in.chaldean = options.chaldean;
    in.birthDate = birth;
    in.targetDate = options.target;
    in.phonetic = options.phonetic;
    in.calcOnly = false;
    return in;
}
