#include "cli/batchprogress.h"

#include <sys/stat.h>
#include <unistd.h>

BatchProgress::BatchProgress(std::FILE *in, std::FILE *to)
    : m_in(in)
    , m_to(to)
    , m_start(std::chrono::steady_clock::now())
    , m_lastDraw(m_start)
{
    struct stat st;
    if (fstat(fileno(in), &st) == 0 && S_ISREG(st.st_mode))
        m_size = static_cast<long long>(st.st_size);
}

bool BatchProgress::isTerminal(std::FILE *stream)
{
    return isatty(fileno(stream)) == 1;
}

void BatchProgress::update(long long rows)
{
    using namespace std::chrono;
    const steady_clock::time_point now = steady_clock::now();
    const double elapsed = duration<double>(now - m_start).count();
    if (elapsed < 1.0 || now - m_lastDraw < milliseconds(250))
        return;
    m_lastDraw = now;
    char left[64] = "";
    const long long position = m_size > 0 ? static_cast<long long>(ftello(m_in)) : -1;
    if (position > 0 && position <= m_size) {
        const long long seconds =
            static_cast<long long>(elapsed * static_cast<double>(m_size - position) / static_cast<double>(position) + 0.5);
        std::snprintf(left, sizeof left, ", about %lld:%02lld left", seconds / 60, seconds % 60);
    }
    // Carriage return and erase to the end of the line: the line is redrawn in place.
    std::fprintf(m_to, "\r%lld rows, %.0f rows/s%s\033[K", rows, static_cast<double>(rows) / elapsed, left);
    std::fflush(m_to);
    m_shown = true;
}

void BatchProgress::clear()
{
    if (!m_shown)
        return;
    std::fputs("\r\033[K", m_to);
    std::fflush(m_to);
    m_shown = false;
}
