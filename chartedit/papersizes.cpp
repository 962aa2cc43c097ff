#include "chartedit/papersizes.h"

#include <QtGlobal>

#include <cmath>

namespace papersize {

namespace {
constexpr double kMmPerInch = 25.4;
const QChar kInfinity(0x221E);
} // namespace

const QVector<PaperSize> &paperSizes()
{
    static const QVector<PaperSize> sizes{
        {QStringLiteral("Custom"), 0.0, 0.0},
        {QStringLiteral("Letter (8.5\" x 11\")"), 8.5, 11.0},
        {QStringLiteral("Legal (8.5\" x 14\")"), 8.5, 14.0},
        {QStringLiteral("Junior Legal (8\" x 5\")"), 8.0, 5.0},
        {QStringLiteral("Ledger (17\" x 11\")"), 17.0, 11.0},
        {QStringLiteral("Tabloid (11\" x 17\")"), 11.0, 17.0},
        {QStringLiteral("A3 (297mm x 420mm)"), 297.0 / kMmPerInch, 420.0 / kMmPerInch},
        {QStringLiteral("A4 (210mm x 297mm)"), 210.0 / kMmPerInch, 297.0 / kMmPerInch},
        {QStringLiteral("A5 (148.5mm x 210mm)"), 148.5 / kMmPerInch, 210.0 / kMmPerInch},
        {QStringLiteral("A6 (105mm x 148.5mm)"), 105.0 / kMmPerInch, 148.5 / kMmPerInch},
    };
    return sizes;
}

PaperMatch matchPaperSize(double widthInches, double heightInches)
{
    auto near = [](double a, double b) { return std::fabs(a - b) <= kMatchTolerance; };
    const QVector<PaperSize> &sizes = paperSizes();
    for (int i = 1; i < sizes.size(); ++i) {
        if (near(sizes[i].widthInches, widthInches) && near(sizes[i].heightInches, heightInches))
            return {i, false};
    }
    // Ledger and Tabloid are each other's swap: the upright pass above wins.
    for (int i = 1; i < sizes.size(); ++i) {
        if (near(sizes[i].widthInches, heightInches) && near(sizes[i].heightInches, widthInches))
            return {i, true};
    }
    return {0, false};
}

double clampInches(double inches)
{
    if (!std::isfinite(inches))
        return inches > 0 ? kMaxInches : kMinInches;
    return qBound(kMinInches, inches, kMaxInches);
}

int clampPageCount(qint64 count)
{
    return int(qBound<qint64>(0, count, kMaxPageCount));
}

int parsePageCount(const QString &text, bool *ok)
{
    const QString t = text.trimmed();
    if (ok)
        *ok = true;
    if (t.isEmpty() || t == kInfinity)
        return 0;
    bool digits = false;
    const qlonglong value = t.toLongLong(&digits);
    if (digits)
        return clampPageCount(value);
    // Longer digit strings than a 64-bit number holds are still a (huge) count.
    bool allDigits = !t.isEmpty();
    for (QChar c : t)
        allDigits = allDigits && c.isDigit();
    if (allDigits)
        return kMaxPageCount;
    if (ok)
        *ok = false;
    return 0;
}

QString pageCountText(int count)
{
    return count == 0 ? QString(kInfinity) : QString::number(count);
}

double toInches(double value, SizeUnit unit)
{
    switch (unit) {
    case SizeUnit::Millimetres:
        return value / kMmPerInch;
    case SizeUnit::ScreenUnits:
        return value * kPageUnitsPerScreenUnit / kPageUnitsPerInch;
    case SizeUnit::Inches:
        break;
    }
    return value;
}

double fromInches(double inches, SizeUnit unit)
{
    switch (unit) {
    case SizeUnit::Millimetres:
        return inches * kMmPerInch;
    case SizeUnit::ScreenUnits:
        return inches * kPageUnitsPerInch / kPageUnitsPerScreenUnit;
    case SizeUnit::Inches:
        break;
    }
    return inches;
}

} // namespace papersize
