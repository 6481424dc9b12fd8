// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PauseWatch.h"

// A pause watch the test sets by hand.
class FakePauseWatch final : public PauseWatch
{
    Q_OBJECT
public:
    using PauseWatch::PauseWatch;

    PauseReasons reasons() const override;
    void setWatching(bool watching) override { m_watching = watching; }

    bool isWatching() const { return m_watching; }
    // How often the run asked for the reasons.
    int reads() const { return m_reads; }

    // Changes the reasons and reports the change.
    void setReasons(PauseReasons reasons);
    // Changes the reasons before any signal says so, as a source whose signal
    // is still on its way; reportReasons() sends it.
    void setReasonsUnreported(PauseReasons reasons) { m_reasons = reasons; }
    void reportReasons() { emit reasonsChanged(m_reasons); }

private:
    PauseReasons m_reasons;
    bool m_watching = false;
    mutable int m_reads = 0;
};
