// The interpretation text commands: one entry, the content check, and the
// celebrity matches over the loaded database.

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/jsonwriter.h"

#include "engine/celebrity.h"
#include "engine/cnumerology.h"
#include "texts/celebritynumbers.h"
#include "texts/interpretationtexts.h"
#include "texts/requiredtexts.h"

#include <QRegularExpression>

#include <cstdio>

namespace {

// Loads the data file of --data, or the one beside the executable.
void loadTexts(const CliArgs &args)
{
    const QString path = args.has(QStringLiteral("--data")) ? args.value(QStringLiteral("--data"))
                                                            : interpretationDataPath();
    if (!loadInterpretationTexts(path))
        cliFail(QStringLiteral("cannot read the interpretation data '%1'").arg(path));
}

int parseNumber(const CliArgs &args, const QString &option)
{
    bool ok = false;
    const int value = args.value(option).toInt(&ok);
    if (!ok)
        cliFail(QStringLiteral("%1 takes a whole number, not '%2'").arg(option, args.value(option)));
    return value;
}

int runCheck()
{
    const QStringList missing = missingRequiredTexts();
    const QStringList celebrities = celebrityDatabaseProblems();
    QByteArray out;
    for (const QString &entry : missing)
        out += QByteArray("missing ") + entry.toUtf8() + '\n';
    for (const QString &problem : celebrities)
        out += problem.toUtf8() + '\n';
    out += QStringLiteral("%1 of %2 required entries empty; %3 celebrity problem(s)\n")
               .arg(missing.size())
               .arg(requiredTextEntries().size())
               .arg(celebrities.size())
               .toUtf8();
    cliWrite(out);
    return missing.isEmpty() && celebrities.isEmpty() ? 0 : 1;
}

void writeMatches(JsonWriter &json, const char *name, const QVector<int> &indices)
{
    json.key(name).beginArray();
    for (int i : indices) {
        json.beginObject();
        json.field("index", i);
        json.field("name", celebrityName(i));
        json.field("birthDate", celebrityBirthDate(i));
        json.field("lifePath", celebrityLifePath(i));
        json.field("birthDayNumber", celebrityBirthDayNumber(i));
        json.field("expression", celebrityExpression(i));
        json.field("image", CelebrityTable::imageName(i));
        json.endObject();
    }
    json.endArray();
}

} // namespace

int cmdTexts(const QStringList &arguments)
{
    CliArgs args(arguments);
    QString error;
    if (!args.parse({QStringLiteral("--section"), QStringLiteral("--index"), QStringLiteral("--guide"),
                     QStringLiteral("--data")},
                    {QStringLiteral("--check")}, &error))
        cliFail(error);
    loadTexts(args);
    if (args.has(QStringLiteral("--check")))
        return runCheck();

    int section = 0;
    int index = 0;
    if (args.has(QStringLiteral("--guide"))) {
        static const QRegularExpression guide(QStringLiteral("^(\\d{1,2})\\.(\\d)$"));
        const QRegularExpressionMatch m = guide.match(args.value(QStringLiteral("--guide")));
        if (!m.hasMatch() || m.captured(1).toInt() >= kGuideSectionCount || m.captured(2).toInt() >= kGuidePartCount)
            cliFail(QStringLiteral("--guide takes SECTION.PART (0..39, 0..3), not '%1'").arg(args.value(QStringLiteral("--guide"))));
        section = 700 + m.captured(1).toInt() / 10;
        index = (m.captured(1).toInt() % 10) * 10 + m.captured(2).toInt();
    } else {
        section = parseNumber(args, QStringLiteral("--section"));
        index = args.has(QStringLiteral("--index")) ? parseNumber(args, QStringLiteral("--index")) : 0;
        if (!isKnownTextSection(section))
            cliFail(QStringLiteral("unknown section %1").arg(section));
        if (index < 0 || index >= kAddressableEntries)
            cliFail(QStringLiteral("--index must be 0..%1").arg(kAddressableEntries - 1));
    }
    const QString &text = interpretationText(section, index);
    if (isBlankText(text)) {
        std::fprintf(stderr, "qznum-cli: %s is empty\n", qPrintable(textEntryLabel(section, index)));
        return 1;
    }
    cliWrite(text.toUtf8() + '\n');
    return 0;
}

int cmdCelebrities(const QStringList &arguments)
{
    CliArgs args(arguments);
    QString error;
    if (!args.parse(QStringList{QStringLiteral("--full"), QStringLiteral("--short"), QStringLiteral("--birth"),
                                QStringLiteral("--data")}
                        + engineValueOptions(),
                    engineSwitches(), &error))
        cliFail(error);
    const QString full = requiredValue(args, QStringLiteral("--full"));
    const QDate birth = requiredDate(args, QStringLiteral("--birth"));
    const EngineOptions options = engineOptions(args);
    const NumerologyInput input = personInput(full, args.value(QStringLiteral("--short")), birth, options);
    loadTexts(args);

    CelebrityTable table;
    fillCelebrityTable(table);
    CNumerology engine;
    engine.setExtendedMasters(options.masters ? 1 : 0);
    if (!engine.calculateCelebrities(input, table))
        cliFail(engine.lastError());

    QByteArray out;
    JsonWriter json(out);
    json.beginObject();
    json.field("fullNameUpper", engine.fullNameUpper);
    json.field("birthDate", birth);
    json.field("lifePath", engine.lifePath);
    json.field("birthDay", birth.day());
    json.field("expression", engine.expression);
    json.field("celebrityRecords", celebrityRecordCount());
    writeMatches(json, "celebrityLifePathMatches", engine.celebrityLifePathMatches);
    writeMatches(json, "celebrityBirthDayMatches", engine.celebrityBirthDayMatches);
    writeMatches(json, "celebrityExpressionMatches", engine.celebrityExpressionMatches);
    json.endObject();
    json.newline();
    cliWrite(out);
    return 0;
}
