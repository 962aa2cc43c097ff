#pragma once

#include <chrono>
#include <cstdio>

/**
 * The progress line of a long batch run on a terminal: rows done, rows per
 * second and, when the input is a file of known size, the time left. It
 * appears once the run has taken a second, is redrawn a few times a second
 * in place and is erased by clear(). Callers create it only when standard
 * error is a terminal (see forTerminal()).
 */
class BatchProgress
{
public:
    /** @p in is the input (for its size and position), @p to the terminal. */
    BatchProgress(std::FILE *in, std::FILE *to);

    /** True when @p stream is a terminal. */
    static bool isTerminal(std::FILE *stream);

    /** @p rows have been read; cheap enough to call for every row. */
    void rowsRead(long long rows)
    {
        if ((rows & 1023) == 0)
            update(rows);
    }
    /** Erases the line (before other output to the terminal, and at the end). */
    void clear();

private:
    void update(long long rows);

    std::FILE *m_in;
    std::FILE *m_to;
    long long m_size = -1; ///< bytes of a regular input file, or -1
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastDraw;
    bool m_shown = false;
};
