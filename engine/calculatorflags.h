#pragma once

#include <QByteArray>
#include <QString>

/**
 * @file
 * The six process-wide calculator flags. They steer the life-path methods, name
 * summing, master letter values and the transits. The main window's settings
 * dialog edits them and the state file stores them as six bytes in this order.
 */

/** Index of each flag in the six-byte array (also its byte position in the state file). */
enum CalculatorFlag {
    FlagLifePathPartSum = 0,   ///< "= DIG(DIG(Y) + DIG(M) + DIG(D))", default on
    FlagLifePathPlainSum = 1,  ///< "= DIG(Y +M + D)", default off
    FlagLifePathDigitSum = 2,  ///< "= Sum of all digits", default off
    FlagWordsToDigit = 3,      ///< "Down to digit every word", default on
    FlagReduceMasterLetters = 4, ///< "Reduce Master Numbers to Digit", default on
    FlagSkipMissedTransits = 5 ///< "Don't generate missed transits", default off
};

/** The six flag bytes (each 0 or 1) with named accessors. A plain value type. */
struct CalculatorFlags {
    static constexpr int Count = 6;
    unsigned char bytes[Count] = {1, 0, 0, 1, 1, 0};

    /** The defaults 1, 0, 0, 1, 1, 0. */
    static CalculatorFlags defaults() { return CalculatorFlags(); }

    bool get(CalculatorFlag f) const { return bytes[f] != 0; }
    void set(CalculatorFlag f, bool on) { bytes[f] = on ? 1 : 0; }

    bool lifePathPartSum() const { return bytes[FlagLifePathPartSum] != 0; }
    bool lifePathPlainSum() const { return bytes[FlagLifePathPlainSum] != 0; }
    bool lifePathDigitSum() const { return bytes[FlagLifePathDigitSum] != 0; }
    bool wordsToDigit() const { return bytes[FlagWordsToDigit] != 0; }
    bool reduceMasterLetters() const { return bytes[FlagReduceMasterLetters] != 0; }
    bool skipMissedTransits() const { return bytes[FlagSkipMissedTransits] != 0; }

    void setLifePathPartSum(bool on) { set(FlagLifePathPartSum, on); }
    void setLifePathPlainSum(bool on) { set(FlagLifePathPlainSum, on); }
    void setLifePathDigitSum(bool on) { set(FlagLifePathDigitSum, on); }
    void setWordsToDigit(bool on) { set(FlagWordsToDigit, on); }
    void setReduceMasterLetters(bool on) { set(FlagReduceMasterLetters, on); }
    void setSkipMissedTransits(bool on) { set(FlagSkipMissedTransits, on); }

    /** The six bytes as stored in the state file. */
    QByteArray toBytes() const;
    /**
     * Takes the flags from stored bytes. Anything but exactly six bytes leaves the
     * flags unchanged and returns false; a non-zero byte counts as 1.
     */
    bool fromBytes(const QByteArray &data);

    /** The flags as six characters '0'/'1', e.g. "100110" for the defaults. */
    QString toText() const;
    /** Parses six '0'/'1' characters; returns false (flags unchanged) otherwise. */
    bool fromText(const QString &text);

    bool operator==(const CalculatorFlags &o) const;
    bool operator!=(const CalculatorFlags &o) const { return !(*this == o); }
};

/**
 * The process-wide flag array that every calculation reads. Only the main window
 * (settings dialog, state file) and tools such as the command-line front end write it.
 */
CalculatorFlags &calculatorFlags();
