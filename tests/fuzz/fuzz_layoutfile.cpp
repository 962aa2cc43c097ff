// libFuzzer target for report layout files: every input is read as a layout
// and, when it reads, a numerology report is built with it (captions, fonts
// and custom texts from the file all reach the HTML).
#include "engine/cnumerology.h"
#include "reports/cnumerologyreport.h"
#include "reports/creportlayoutfile.h"
#include "reports/creporttexts.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

namespace {
class FixedTexts : public CReportTexts
{
public:
    QString text(int section, int index) const override
    {
        return QStringLiteral("<p>%1 %2</p>").arg(section).arg(index);
    }
    QString customText() const override { return QString(); }
};
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                               int(qMin<size_t>(size, 1 << 24)));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CReportLayout layout;
    const CReportLayoutFile::Status status = CReportLayoutFile::read(&buffer, layout);
    if (status != CReportLayoutFile::Ok && status != CReportLayoutFile::Truncated)
        return 0;
    layout.migrate();
    static CNumerology engine = [] {
        CNumerology n;
        NumerologyInput in;
        in.fullName = QStringLiteral("John Smith");
        in.shortName = QStringLiteral("John");
        in.birthDate = QDate(1985, 11, 29);
        in.targetDate = QDate(2026, 12, 7);
        n.calculate(in);
        return n;
    }();
    static FixedTexts texts;
    CNumerologyReport report;
    report.setTexts(&texts);
    report.build(engine, &layout, QStringLiteral("John"));
    return 0;
}
