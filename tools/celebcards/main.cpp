// qznum-celebcards: draws the portrait card of every celebrity of a text
// source file into NNN.jpg, numbered like the records of eng.dat.
#include "tools/celebcards/ccelebritycard.h"
#include "tools/textc/textsourceset.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

namespace {

// The text store keeps room for this many celebrities; more records are not loaded.
constexpr int kMaxCards = 256;

int usage(QTextStream &err)
{
    err << "usage: qznum-celebcards --out FOLDER [--size WxH] celebrities.txt\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // A build step has no display; draw offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString outDir;
    QString source;
    QSize size(CCelebrityCard::kWidth, CCelebrityCard::kHeight);
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--out") && i + 1 < args.size()) {
            outDir = args.at(++i);
        } else if (a == QLatin1String("--size") && i + 1 < args.size()) {
            const QStringList wh = args.at(++i).split(QLatin1Char('x'));
            bool okW = false;
            bool okH = false;
            const int cw = wh.value(0).toInt(&okW);
            const int ch = wh.value(1).toInt(&okH);
            if (wh.size() != 2 || !okW || !okH || cw < 60 || ch < 80 || cw > 2000 || ch > 2000) {
                err << "qznum-celebcards: bad --size " << args.at(i) << " (60x80 to 2000x2000)\n";
                return 2;
            }
            size = QSize(cw, ch);
        } else if (!a.startsWith(QLatin1String("--")) && source.isEmpty()) {
            source = a;
        } else {
            return usage(err);
        }
    }
    if (outDir.isEmpty() || source.isEmpty())
        return usage(err);

    if (!QImageWriter::supportedImageFormats().contains("jpg")) {
        err << "qznum-celebcards: this Qt has no JPEG writer\n";
        return 1;
    }

    TextSourceSet sources;
    if (!sources.addFile(source)) {
        for (const QString &e : sources.errors())
            err << e << '\n';
        return 1;
    }
    if (!QDir().mkpath(outDir)) {
        err << "qznum-celebcards: cannot create " << outDir << '\n';
        return 1;
    }

    const QVector<SourceCelebrity> &people = sources.celebrities();
    const int count = std::min(static_cast<int>(people.size()), kMaxCards);
    for (int i = 0; i < count; ++i) {
        const SourceCelebrity &c = people.at(i);
        const QImage card = CCelebrityCard::render(c.name, c.line2, size);
        const QString path = QDir(outDir).filePath(QStringLiteral("%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            err << "qznum-celebcards: cannot write " << path << ": " << file.errorString() << '\n';
            return 1;
        }
        QImageWriter writer(&file, "jpg");
        writer.setQuality(92);
        if (!writer.write(card) || !file.commit()) {
            err << "qznum-celebcards: cannot write " << path << ": " << writer.errorString() << '\n';
            return 1;
        }
    }
    if (people.size() > kMaxCards)
        err << "qznum-celebcards: only the first " << kMaxCards << " of " << people.size() << " records drawn\n";
    out << "qznum-celebcards: " << count << " cards of " << size.width() << "x" << size.height() << " into "
        << QDir::toNativeSeparators(outDir) << '\n';
    return 0;
}
