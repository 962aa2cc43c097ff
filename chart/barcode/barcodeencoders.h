#pragma once

#include "chart/barcode/barcodetable.h"

/**
 * Encoders of the linear symbologies. Each takes a zero-terminated 8-bit text
 * and writes the symbol string (data, start, stop and check characters in the
 * character set of that symbology's table). Result: 0 success, 1 empty input,
 * 2 nothing encodable left after the symbology's input rules.
 *
 * Each table accessor builds its module table on first use and returns null
 * when the table cannot be built (no GUI application to measure the labels).
 */
int encodeCodabar(const char *text, BarcodeSymbols &out);
const BarcodeTable *codabarTable();

int encodeCode128(const char *text, BarcodeSymbols &out);
const BarcodeTable *code128Table();
/** Value of a Code 128 symbol character (code set B font mapping), -1 if none. */
int code128Value(unsigned char symbol);

int encodeCode39(const char *text, BarcodeSymbols &out);
const BarcodeTable *code39Table();

int encodeCode93(const char *text, BarcodeSymbols &out);
const BarcodeTable *code93Table();

int encodeEan13(const char *text, BarcodeSymbols &out);
int encodeEan8(const char *text, BarcodeSymbols &out);
int encodeUpcA(const char *text, BarcodeSymbols &out);
/** Shared by EAN-13, EAN-8 and UPC-A: digit sets, guards, add-on parts. */
const BarcodeTable *eanUpcTable();

/** Interleaved 2 of 5: the module string itself ('1' bar, '0' space) and the printed digits. */
int encodeInterleaved25(const char *text, QByteArray &modules, QByteArray &digits);

int encodeMsi(const char *text, BarcodeSymbols &out);
const BarcodeTable *msiTable();

int encodePostnet(const char *text, BarcodeSymbols &out);
/** POSTNET bar heights of a symbol string: '1' full bar, '0' half bar. */
QByteArray postnetBars(const QByteArray &symbols);
