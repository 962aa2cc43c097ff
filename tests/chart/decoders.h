#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

/** Runs the external barcode and PDF readers over what we drew. */
namespace decoders {
/** Saves @p picture with a white border of @p margin px as a PNG in a temporary file. */
QString savePadded(const QImage &picture, int margin = 40);
/** zbarimg's raw output lines for @p png; empty when it found nothing. */
QStringList zbar(const QString &png, const QStringList &extraArgs = {});
/** ZXingReader's decoded text and format for @p png. */
struct ZxingResult {
    QString text;
    QString format;
    QString ecLevel;
    bool found = false;
};
ZxingResult zxing(const QString &png);
bool haveZbar();
bool haveZxing();
bool haveZint();
bool havePoppler();
/** pdftotext's text of page @p page (1-based) of @p pdf. */
QString pdfText(const QString &pdf, int page);
/** The page count pdfinfo reports for @p pdf, -1 when it cannot read it. */
int pdfPages(const QString &pdf);
/** zint --dump rows as module strings ('1' bar, '0' space). */
QStringList zintDump(const QString &barcode, const QString &data, const QStringList &extra = {});
} // namespace decoders
