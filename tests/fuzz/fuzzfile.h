#pragma once

// For readers that take a path: each input is written to one scratch file
// in memory-backed storage first.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <unistd.h>

inline QString fuzzScratchFile(const uint8_t *data, size_t size, const char *suffix)
{
    static const QByteArray path = [suffix]() -> QByteArray {
        const char *dir = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return QByteArray(dir) + "/qz-fuzz-" + QByteArray::number(::getpid()) + suffix;
    }();
    if (std::FILE *f = std::fopen(path.constData(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return QString::fromLocal8Bit(path);
}
