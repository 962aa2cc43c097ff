#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

/** Settings kept between runs in the state file "qznum_prem.cfg". */
struct AppState {
    QDateTime lastUpdateCheck{QDate(2000, 1, 1), QTime(0, 0, 0), Qt::LocalTime};
    QByteArray calcFlags{defaultCalcFlags()}; ///< six bytes, 0 or 1 each
    bool guideNotAtStart = false;
    qint32 themeIndex = 0;
    bool dayFirstDates = false; ///< true: "dd/MM/yyyy", false: "MM/dd/yyyy"
    qint32 extendedMasters = 0;
    QString layoutName;        ///< the chosen report layout; empty for "Default"
    QByteArray windowGeometry; ///< QWidget::saveGeometry() of the main window; empty: default size
    QByteArray reportChoice;   ///< the PDF chooser's boxes, one byte 0 or 1 each; empty: all ticked

    static QByteArray defaultCalcFlags();
};

/** The eleven-character magic that opens every state file. */
inline constexpr const char kStateMagic[] = "KQRXNUMFILE";

/**
 * Reads @p path into @p state. Missing, foreign or short files leave the
 * fields that could not be read at their current values; a flag array that is
 * not exactly six bytes is ignored. Returns true when the magic matched.
 */
bool readStateFile(const QString &path, AppState &state);

/** Writes all ten fields atomically; false when the file could not be written. */
bool writeStateFile(const QString &path, const AppState &state);
