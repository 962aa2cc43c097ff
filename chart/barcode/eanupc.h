#pragma once

#include "chart/barcode/barcodetable.h"

/**
 * Helpers shared by the EAN-13, EAN-8 and UPC-A encoders. Symbol characters of
 * the shared table: '0'..'9' digit set A, 'A'..'J' set B, 'a'..'j' set C,
 * 'K'..'T' the leading digit of EAN-13 printed in the left quiet zone,
 * '(' and ')' the outer guards, '|' the centre guard, '_' a quiet zone,
 * '>' the gap before an add-on, '<' the add-on start and ',' its separator.
 */
namespace eanupc {
/** Appends digit @p d in set 'A', 'B' or 'C'. */
void appendDigit(BarcodeSymbols &out, char set, int d);
/** Appends a 2- or 5-digit add-on (digits as text); nothing for an empty one. */
void appendAddOn(BarcodeSymbols &out, const QByteArray &addOn);
/** Check digit over @p digits with the weights 3 and 1 counted from the right. */
int checkDigit(const QByteArray &digits);
/** The digits of @p text, everything else dropped. */
QByteArray digitsOf(const char *text);
} // namespace eanupc
