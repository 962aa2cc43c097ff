#pragma once

#include <QString>

/**
 * @file
 * How typed names are cleaned before any calculation, and the short name used
 * when none is typed.
 */
namespace qz {

/**
 * Spells out Latin letters without a decomposition in their own case (ß -> ss,
 * Æ -> AE, Œ -> OE, Ø -> O, Ł -> L, Đ/Ð -> D, Þ -> TH, ı -> i), decomposes
 * accents away, keeps a-z, A-Z and 0-9, drops apostrophes, turns every other
 * character into a space, cuts to 300 characters, removes commas and
 * collapses the spaces ("Jean-Luc O'Brien" -> "Jean Luc OBrien").
 */
QString cleanName(const QString &text);

/**
 * The name advisor's cleaning: cut to 300 characters and commas removed before
 * cleanName(), so "Smith,Jr" is the one word "SmithJr" there.
 */
QString cleanAdvisorName(const QString &text);

/**
 * The short name for a cleaned full name when the field is empty: the full name
 * itself below three words, else first word + " " + last word.
 */
QString defaultShortName(const QString &cleanedFullName);

} // namespace qz
