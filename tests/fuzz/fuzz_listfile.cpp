// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the list file reader (built with -DZORVIK_FUZZ=ON, run
// by scripts/fuzz-listfile.sh).
#include "ListFileChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString problem = listFileProblem(bytes);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "list file reader: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
