// qznum-cli chart and barcode: draw a chart file for a person, or one barcode, into a PNG.
#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/jsonwriter.h"

#include "chart/barcode/barcodepicture.h"
#include "chart/chartdocument.h"
#include "chart/chartfile.h"
#include "chart/chartpdf.h"
#include "chart/chartprofileengine.h"
#include "chart/chartrender.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

#include "engine/atomicwrite.h"

#include <QBuffer>
#include <QColor>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

void writePngResult(const QString &path, const QImage &picture, int pages = -1)
{
    // Encoded in memory first: saving straight to the path would leave a
    // fragment over the old picture when the disk fills up.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString reason = QStringLiteral("the picture could not be encoded");
    if (!picture.save(&buffer, "PNG") || !atomicwrite::saveFileAtomically(path, bytes, &reason))
        cliFail(QStringLiteral("cannot write %1: %2").arg(path, reason));
    QByteArray out;
    JsonWriter json(out);
    json.beginObject().field("png", path).field("width", picture.width()).field("height",
                                                                                picture.height());
    if (pages >= 0)
        json.field("pages", pages);
    json.endObject().newline();
    cliWrite(out);
}

// Qt's warnings (picture decoders among them) would be extra lines around the
// one that reports a damaged chart; only a fatal message still gets through.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "qznum-cli: %s\n", message.toUtf8().constData());
        std::abort();
    }
}

// libpng writes its errors straight to stderr; while a chart file is read
// that goes nowhere, and the damage is reported as one line afterwards.
class QuietStderr
{
public:
    QuietStderr()
    {
        std::fflush(stderr);
        m_saved = ::dup(2);
        const int null = ::open("/dev/null", O_WRONLY);
        if (m_saved >= 0 && null >= 0)
            ::dup2(null, 2);
        if (null >= 0)
            ::close(null);
    }
    ~QuietStderr()
    {
        std::fflush(stderr);
        if (m_saved >= 0) {
            ::dup2(m_saved, 2);
            ::close(m_saved);
        }
    }
    QuietStderr(const QuietStderr &) = delete;
    QuietStderr &operator=(const QuietStderr &) = delete;

private:
    int m_saved = -1;
};

QSize parseSize(const QString &text)
{
    if (text.isEmpty())
        return QSize(0, 0);
    const QStringList parts = text.split(QLatin1Char('x'));
    bool okW = false, okH = false;
    const int w = parts.value(0).toInt(&okW);
    const int h = parts.value(1).toInt(&okH);
    if (parts.size() != 2 || !okW || !okH || w < 1 || h < 1 || w > 20000 || h > 20000)
        cliFail(QStringLiteral("--size wants WIDTHxHEIGHT in pixels, got '%1'").arg(text));
    return QSize(w, h);
}

} // namespace

int cmdChart(const QStringList &arguments)
{
    CliArgs args(arguments);
    QString error;
    const QStringList valueOptions =
        QStringList{QStringLiteral("--full"), QStringLiteral("--short"), QStringLiteral("--birth"),
                    QStringLiteral("--png"), QStringLiteral("--pdf"), QStringLiteral("--page"),
                    QStringLiteral("--size")} +
        engineValueOptions();
    // Plain arguments: [render] FILE.qnr, anywhere among the options or after "--".
    if (!args.parse(valueOptions, engineSwitches(), &error, 2))
        cliFail(error);
    QStringList plain = args.positionals();
    if (plain.size() == 2 && plain.first() == QLatin1String("render"))
        plain.removeFirst();
    if (plain.size() != 1)
        cliFail(QStringLiteral("chart wants one chart file (FILE.qnr)"));
    const QString file = plain.first();
    // One picture, every page as a PDF, or both.
    if (!args.has(QStringLiteral("--png")) && !args.has(QStringLiteral("--pdf")))
        cliFail(QStringLiteral("chart wants --png OUT, --pdf OUT or both"));
    const QString pdf = args.has(QStringLiteral("--pdf"))
                            ? requiredValue(args, QStringLiteral("--pdf"))
                            : QString();
    const QString png = args.has(QStringLiteral("--png"))
                            ? requiredValue(args, QStringLiteral("--png"))
                            : QString();
    const QString full = requiredValue(args, QStringLiteral("--full"));
    const QDate birth = requiredDate(args, QStringLiteral("--birth"));
    const QSize size = parseSize(args.value(QStringLiteral("--size")));
    int page = 1;
    if (args.has(QStringLiteral("--page"))) {
        bool ok = false;
        page = args.value(QStringLiteral("--page")).toInt(&ok);
        if (!ok || page < 0)
            cliFail(QStringLiteral("--page wants a page number (0: the last page drawn)"));
    }
    const EngineOptions options = engineOptions(args);
    const NumerologyInput input =
        personInput(full, args.value(QStringLiteral("--short")), birth, options);

    CNumerology engine;
    CNumerologyPMatrix matrix;
    engine.setExtendedMasters(options.masters ? 1 : 0);
    if (!engine.calculate(input))
        cliFail(engine.lastError());
    matrix.calculate(input.fullName, input.birthDate);
    const ChartProfile person =
        chartProfileFromEngine(engine, &matrix, input.fullName, input.shortName);

    ChartDocument doc;
    // Picture decoders report damage through Qt's messages (libpng's among
    // them); the damage is reported once below instead, as one line.
    qInstallMessageHandler(quietMessages);
    bool loaded = false;
    {
        const QuietStderr quiet;
        loaded = chartfile::load(doc, file, &error);
    }
    if (!loaded)
        cliFail(QStringLiteral("%1: %2").arg(file, error));
    if (!error.isEmpty())
        cliWarning(QStringLiteral("%1: %2").arg(file, error));
    doc.setProfile(person);

    const QList<ChartProfile> records{person};
    const int total = chartPageCount(records, doc);
    if (!png.isEmpty() && page > total)
        cliFail(QStringLiteral("the chart draws %1 page(s) for one person, not %2")
                    .arg(total)
                    .arg(page));
    if (!pdf.isEmpty()) {
        int pageCount = 0;
        const QByteArray bytes = chartPdf(records, doc, &pageCount);
        QString reason = QStringLiteral("the chart draws no page");
        if (bytes.isEmpty() || !atomicwrite::saveFileAtomically(pdf, bytes, &reason))
            cliFail(QStringLiteral("cannot write %1: %2").arg(pdf, reason));
        QByteArray out;
        JsonWriter(out)
            .beginObject()
            .field("pdf", pdf)
            .field("pages", pageCount)
            .endObject()
            .newline();
        cliWrite(out);
        if (png.isEmpty())
            return 0;
    }
    if (page == 0) {
        writePngResult(png, renderChart(records, doc, size));
        return 0;
    }
    const QList<QImage> pages = renderChartPages(records, doc, size, page);
    if (page > pages.size())
        cliFail(QStringLiteral("the chart draws %1 page(s) for one person, not %2")
                    .arg(pages.size())
                    .arg(page));
    writePngResult(png, pages.at(page - 1), total);
    return 0;
}

int cmdBarcode(const QStringList &arguments)
{
    CliArgs args(arguments);
    QString error;
    if (!args.parse({QStringLiteral("--type"), QStringLiteral("--text"), QStringLiteral("--png"),
                     QStringLiteral("--color")},
                    {}, &error))
        cliFail(error);
    const QString typeText = requiredValue(args, QStringLiteral("--type"));
    const QString text = requiredValue(args, QStringLiteral("--text"));
    const QString png = requiredValue(args, QStringLiteral("--png"));
    const QStringList names = barcodeSymbologyNames();
    bool isNumber = false;
    int type = typeText.toInt(&isNumber);
    if (!isNumber)
        type = names.indexOf(typeText);
    if (type < 0 || type >= names.size())
        cliFail(QStringLiteral("--type wants 0..%1 or one of: %2")
                    .arg(names.size() - 1)
                    .arg(names.join(QStringLiteral(", "))));
    QColor colour(Qt::black);
    if (args.has(QStringLiteral("--color"))) {
        colour = QColor(args.value(QStringLiteral("--color")));
        if (!colour.isValid())
            cliFail(QStringLiteral("--color wants a colour such as #203040"));
    }
    const QImage picture = barcodePicture(text, type, colour);
    if (picture.isNull())
        cliFail(QStringLiteral("%1 cannot encode this text").arg(names.at(type)));
    writePngResult(png, picture);
    return 0;
}
