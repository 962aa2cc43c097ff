#pragma once

#include <QString>

/**
 * The folder that holds the shipped data (eng.dat, images/, the guide pages,
 * the sample charts). A build keeps it beside the executables; an installed
 * copy keeps it in ../share/qzarel-numerology relative to them.
 */
namespace DataFolder {

/** Name of the installed data folder below share/. */
inline constexpr const char *InstallName = "qzarel-numerology";

/**
 * The data folder for an executable living in @p appDir: @p appDir itself when
 * it holds eng.dat or images/, else @p appDir/../share/qzarel-numerology when
 * that exists, else @p appDir (so messages name the place looked at first).
 * No trailing separator.
 */
QString forApplicationDir(const QString &appDir);

/** forApplicationDir() of the running executable's folder. */
QString path();

} // namespace DataFolder
