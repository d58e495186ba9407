#include "cli/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

int g_failure = 0;

void keepFailure(int error)
{
    if (g_failure == 0)
        g_failure = error != 0 ? error : EIO;
}

} // namespace

bool PrintToStandardOutput(std::string_view text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
        keepFailure(errno);
    return g_failure == 0;
}

bool FlushStandardOutput()
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        keepFailure(errno);
    return g_failure == 0;
}

QString StandardOutputFailure()
{
    if (FlushStandardOutput())
        return QString();
    return QString::fromLocal8Bit(std::strerror(g_failure));
}
