#pragma once

#include <QByteArray>
#include <QString>

/**
 * Line scrambling of the interpretation data file "eng.dat".
 *
 * Every line of the file is stored as RC4-encrypted bytes written as pairs of
 * letters: the low nibble of a byte as 'a'..'p', then the high nibble as
 * 'A'..'P'. Each line uses a fresh cipher state with the same fixed key.
 */

/** Longest scrambled line the data file may hold (two letters per byte). */
constexpr int kMaxScrambledLineLength = 8192;
/** Longest plain line the data file may hold, in Latin-1 bytes. */
constexpr int kMaxPlainLineLength = kMaxScrambledLineLength / 2;

/**
 * Descrambles one line in place. Characters are taken modulo 256 (their
 * Latin-1 value for ordinary input); a trailing odd character is ignored.
 * Returns false and leaves @p text unchanged when it is shorter than 2.
 */
bool descrambleText(QString &text);

/**
 * Descrambles @p length characters at @p in (bytes, Latin-1) into @p out,
 * which must hold length / 2 bytes. Returns the number of bytes written,
 * 0 when @p length is below 2. The loader's fast path.
 */
int descrambleBytes(const char *in, int length, char *out);

/** Scrambles the Latin-1 bytes of one plain line: twice as many letters. */
QByteArray scrambleBytes(const QByteArray &plain);

/**
 * Scrambles one plain line given as text. Returns false and leaves @p text
 * unchanged when a character lies above U+00FF.
 */
bool scrambleText(QString &text);
