#pragma once

#include "texts/textscrambler.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

// Writes a data file from plain lines; a line starting with "!" is written
// as it stands (not scrambled), without the "!".
inline QByteArray scrambledFile(const QStringList &lines, const char *lineEnd = "\n")
{
    QByteArray data;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char('!')))
            data += line.mid(1).toLatin1();
        else
            data += scrambleBytes(line.toLatin1());
        data += lineEnd;
    }
    return data;
}

inline bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}
