// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePauseWatch.h"

PauseReasons FakePauseWatch::reasons() const
{
    ++m_reads;
    return m_reasons;
}

void FakePauseWatch::setReasons(PauseReasons reasons)
{
    if (reasons == m_reasons)
        return;
    m_reasons = reasons;
    emit reasonsChanged(reasons);
}
