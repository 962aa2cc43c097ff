#pragma once

#include <Qt>

class QObject;

/**
 * @file
 * String-based connections (SIGNAL()/SLOT()) are only checked at run time, and
 * Qt merely prints a warning when one fails. Every layer connects through
 * qz::checkedConnect() so a misspelt signal or slot is reported loudly: a
 * critical message (fatal under QT_FATAL_WARNINGS, as the tests run) and an
 * assertion in debug builds.
 */
namespace qz {

/** Connects like QObject::connect(); false, reported, when it failed. */
bool checkedConnect(const QObject *sender, const char *signal, const QObject *receiver,
                    const char *method, Qt::ConnectionType type = Qt::AutoConnection);

} // namespace qz
