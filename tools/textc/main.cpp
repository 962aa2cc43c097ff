// qznum-textc: compiles the interpretation text sources into the scrambled
// data file and turns a data file back into sources.

#include "texts/celebritynumbers.h"
#include "tools/textc/datafilecodec.h"
#include "tools/textc/textsourceset.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {

void printLine(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stream, "%s\n", bytes.constData());
}

int usage()
{
    printLine(stderr, QStringLiteral("usage: qznum-textc build --out eng.dat SOURCE.txt...\n"
                                     "       qznum-textc decompile eng.dat [--out SOURCE.txt]"));
    return 2;
}

bool writeAtomically(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        printLine(stderr, path + QLatin1String(": cannot write: ") + file.errorString());
        return false;
    }
    if (file.write(data) != data.size() || !file.commit()) {
        printLine(stderr, path + QLatin1String(": cannot write: ") + file.errorString());
        return false;
    }
    return true;
}

int runBuild(const QStringList &args)
{
    QString out;
    QStringList inputs;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--out")) {
            if (++i >= args.size())
                return usage();
            out = args.at(i);
        } else if (args.at(i).startsWith(QLatin1String("--"))) {
            return usage();
        } else {
            inputs.append(args.at(i));
        }
    }
    if (out.isEmpty())
        return usage();

    TextSourceSet sources;
    for (const QString &input : qAsConst(inputs))
        sources.addFile(input);
    for (const QString &warning : sources.warnings())
        printLine(stderr, warning);
    QStringList errors = sources.errors();
    QByteArray data;
    if (errors.isEmpty()) {
        data = compileDataFile(
            sources,
            [](const QString &name, const QDate &born) {
                const CelebrityNumbers n = computeCelebrityNumbers(name, born);
                return CelebrityRecordNumbers{n.lifePath, n.birthDay, n.expression};
            },
            &errors);
    }
    if (!errors.isEmpty()) {
        for (const QString &error : qAsConst(errors))
            printLine(stderr, QLatin1String("error: ") + error);
        printLine(stderr, QStringLiteral("qznum-textc: %1 error(s); %2 not written").arg(errors.size()).arg(out));
        return 1;
    }
    if (!writeAtomically(out, data))
        return 1;
    printLine(stdout, QStringLiteral("qznum-textc: %1 entries and %2 celebrities from %3 file(s) into %4")
                          .arg(sources.entries().size())
                          .arg(sources.celebrities().size())
                          .arg(inputs.size())
                          .arg(out));
    return 0;
}

int runDecompile(const QStringList &args)
{
    QString input;
    QString out;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--out")) {
            if (++i >= args.size())
                return usage();
            out = args.at(i);
        } else if (input.isEmpty() && !args.at(i).startsWith(QLatin1String("--"))) {
            input = args.at(i);
        } else {
            return usage();
        }
    }
    if (input.isEmpty())
        return usage();
    QStringList warnings;
    const QByteArray text = decompileDataFile(input, &warnings);
    if (text.isEmpty()) {
        printLine(stderr, input + QLatin1String(": cannot open"));
        return 1;
    }
    for (const QString &warning : qAsConst(warnings))
        printLine(stderr, input + QLatin1String(": warning: ") + warning);
    if (out.isEmpty()) {
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        return 0;
    }
    return writeAtomically(out, text) ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("build"))
        return runBuild(args);
    if (command == QLatin1String("decompile"))
        return runDecompile(args);
    return usage();
}
