#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

/** Runs the external barcode readers over pictures we drew. */
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
/** zint --dump rows as module strings ('1' bar, '0' space). */
QStringList zintDump(const QString &barcode, const QString &data, const QStringList &extra = {});
} // namespace decoders
