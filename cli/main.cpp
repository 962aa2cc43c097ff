// qznum-cli: a headless front end over the numerology engine for scripting,
// bulk work and testing. Output is JSON on standard output; bad input gives one
// line on standard error and exit status 2.

#include "cli/cliargs.h"
#include "cli/commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct Command {
    const char *name;
    int (*run)(const QStringList &args);
    const char *usage;
};

// One line per command.
const Command Commands[] = {
    {"profile", cmdProfile,
     "--full NAME [--short NAME] --birth YYYY-MM-DD [--target YYYY-MM-DD] [--chaldean]\n"
     "        [--phonetic english|universal] [--flags 100110] [--masters]\n"
     "        [--full-marks DIGITS] [--short-marks DIGITS] [--raw]"},
    {"compat", cmdCompat,
     "--a-full NAME [--a-short NAME] --a-birth DATE --b-full NAME [--b-short NAME]\n"
     "        --b-birth DATE [shared options of profile]"},
    {"matrix", cmdMatrix, "--birth DATE [--name NAME]"},
    {"express", cmdExpress, "--name NAME [--date DATE] [--chaldean] [--flags F] [--masters] [--raw]"},
    {"pet", cmdPet, "--name NAME --birth DATE [--target DATE] [--flags F] [--raw]"},
    {"forecast", cmdForecast, "--birth DATE [--target DATE] [--full NAME] [shared options]"},
    {"texts", cmdTexts,
     "--section CODE [--index N] | --guide S.P | --check  [--data eng.dat]\n"
     "        (one interpretation entry, or the list of required entries still empty)"},
    {"celebrities", cmdCelebrities,
     "--full NAME [--short NAME] --birth DATE [shared options of profile] [--data eng.dat]"},
    {"chart", cmdChart,
     "[render] FILE.qnr --full NAME [--short NAME] --birth DATE\n"
     "        (--png OUT [--page N] [--size WxH] | --pdf OUT | both) [shared options of profile]\n"
     "        (page 0: the last page drawn; the PDF holds every page)"},
    {"barcode", cmdBarcode, "--type N|NAME --text TEXT --png OUT [--color #RRGGBB]"},
    {"report", cmdReport,
     "numerology|psychomatrix|compatibility|celebrities|pet|name (--html FILE | --pdf FILE)\n"
     "        [options of profile, compat, pet or express] [--layout NAME] [--layouts DIR]\n"
     "        [--images DIR] [--data eng.dat]"},
    {"batch", cmdBatch,
     "[shared options] [--threads N] [--input-format csv|tsv] [--header|--no-header]\n"
     "        [--date-order ymd|dmy|mdy] [--format jsonl|csv|tsv] [--fields NAME,...] [--list-fields]\n"
     "        < rows 'full,short,birth[,target]' or with a header naming those columns\n"
     "        (one JSON profile or CSV/TSV row per input row, in input order; N defaults to the\n"
     "        number of cores)"},
};

void printUsage(FILE *to)
{
    std::fprintf(to, "usage: qznum-cli COMMAND [options]\n\ncommands:\n");
    for (const Command &c : Commands)
        std::fprintf(to, "  %s %s\n", c.name, c.usage);
    std::fprintf(to, "\nOptions take their value as --option VALUE or --option=VALUE; \"--\" ends the\n"
                     "options. Dates are YYYY-MM-DD; the target date defaults to today.\n"
                     "qznum-cli COMMAND --help shows the options of one command.\n");
}

} // namespace

int main(int argc, char *argv[])
{
    // Commands that draw need a GUI application; offscreen unless told otherwise.
    // Reports too: custom texts pass through Qt's rich text, which needs one.
    const bool drawing = argc > 1
                         && (std::strcmp(argv[1], "chart") == 0 || std::strcmp(argv[1], "barcode") == 0
                             || std::strcmp(argv[1], "report") == 0);
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = createReportApplication(argc, argv);
    if (!app)
        app.reset(drawing ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));
    // Decoded here rather than by QCoreApplication::arguments(): a byte that is
    // not valid in the locale's encoding would silently become U+FFFD, and two
    // different file names would land on one file. Such arguments are refused.
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        const QString arg = QFile::decodeName(raw);
        if (QFile::encodeName(arg) != raw)
            cliFail(QStringLiteral("argument %1 ('%2') is not valid text in the system's encoding")
                        .arg(i)
                        .arg(arg));
        args.append(arg);
    }
    if (args.isEmpty()) {
        printUsage(stderr);
        return 2;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        printUsage(stdout);
        return 0;
    }
    for (const Command &c : Commands) {
        if (name != QLatin1String(c.name))
            continue;
        const int end = args.contains(QStringLiteral("--")) ? args.indexOf(QStringLiteral("--"))
                                                            : args.size();
        const QStringList options = args.mid(0, end);
        if (options.contains(QStringLiteral("--help")) || options.contains(QStringLiteral("-h"))) {
            std::printf("usage: qznum-cli %s %s\n", c.name, c.usage);
            return 0;
        }
        return c.run(args);
    }
    cliFail(QStringLiteral("unknown command '%1' (try --help)").arg(name));
}
