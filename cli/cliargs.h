#pragma once

#include "engine/calculatorflags.h"
#include "engine/numerologyinput.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>

/**
 * Options of one command in the GNU forms "--name value" and "--name=value",
 * bare switches, and "--" ending the options. Every command names what it
 * accepts and how many plain arguments it takes; anything else is an error.
 */
class CliArgs
{
public:
    explicit CliArgs(const QStringList &arguments) : m_arguments(arguments) {}

    /**
     * Parses against the accepted options (names with their leading "--");
     * false with a one-line message otherwise. Up to @p maxPositionals plain
     * arguments are kept for positionals(); the last value of a repeated option wins.
     */
    bool parse(const QStringList &valueOptions, const QStringList &switches, QString *error,
               int maxPositionals = 0);

    bool has(const QString &option) const { return m_values.contains(option); }
    QString value(const QString &option) const { return m_values.value(option); }
    /** The plain arguments, in order (those after "--" included). */
    const QStringList &positionals() const { return m_positionals; }

private:
    QStringList m_arguments;
    QHash<QString, QString> m_values;
    QStringList m_positionals;
};

/** Prints "qznum-cli: message" on standard error and exits with status 2. */
[[noreturn]] void cliFail(const QString &message);

/** Prints "qznum-cli: warning: message" as one line on standard error; the command goes on. */
void cliWarning(const QString &message);

/** Writes bytes to standard output (and flushes). */
void cliWrite(const QByteArray &bytes);

/** Strict YYYY-MM-DD, years 1..9999; false with a message for malformed or impossible dates. */
bool parseIsoDate(const QString &text, QDate *date, QString *error);

/** The date of a required option (fails when missing or invalid). */
QDate requiredDate(const CliArgs &args, const QString &option);
/** The date of an optional option, @p fallback when absent (fails when invalid). */
QDate optionalDate(const CliArgs &args, const QString &option, const QDate &fallback);
/** The value of a required option (fails when missing or empty). */
QString requiredValue(const CliArgs &args, const QString &option);

/** The calculator options shared by the profile-like commands. */
struct EngineOptions {
    QDate target;
    bool chaldean = false;
    int phonetic = 0;
    bool masters = false;
    bool raw = false;
    QVector<int> fullMarks;
    QVector<int> shortMarks;
};

/** Value options understood by engineOptions(): --target --phonetic --flags --full-marks --short-marks. */
QStringList engineValueOptions();
/** Switches understood by engineOptions(): --chaldean --masters --raw. */
QStringList engineSwitches();

/**
 * Reads the shared options (failing on bad values) and applies --flags to the
 * process-wide calculator flags.
 */
EngineOptions engineOptions(const CliArgs &args);

/**
 * Builds a calculation input the way the person panel does: names cleaned and
 * the short name derived (when empty) unless @p options.raw.
 */
NumerologyInput personInput(const QString &fullName, const QString &shortName, const QDate &birth,
                            const EngineOptions &options);
