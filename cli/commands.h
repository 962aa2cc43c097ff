#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <memory>

/**
 * @file
 * The commands of qznum-cli. Each takes the arguments after its name and
 * returns the exit status; bad input ends the process through cliFail()
 * (one line on standard error, status 2). To add a command, add a file with
 * its function, declare it here and add one line to the table in main.cpp.
 */

int cmdProfile(const QStringList &args);
int cmdBatch(const QStringList &args);
int cmdCompat(const QStringList &args);
int cmdMatrix(const QStringList &args);
int cmdExpress(const QStringList &args);
int cmdPet(const QStringList &args);
int cmdForecast(const QStringList &args);
int cmdTexts(const QStringList &args);
int cmdCelebrities(const QStringList &args);
int cmdChart(const QStringList &args);
int cmdBarcode(const QStringList &args);
int cmdReport(const QStringList &args);

/**
 * The application object of a PDF report (a GUI one, for the web engine) when
 * the command line asks for a PDF report; nullptr for any other command.
 */
std::unique_ptr<QCoreApplication> createReportApplication(int &argc, char **argv);
