// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Root passes every file mode check through its capabilities, so a read-only
// folder would not stop a test run as root. While this lives, the calling
// thread does without those capabilities and file modes stop it as they stop
// any user. Elsewhere it does nothing.
class FileModesApply
{
public:
    FileModesApply()
    {
        if (::geteuid() != 0)
            return;
        if (::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_lowered = ::syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~FileModesApply()
    {
        if (m_lowered)
            ::syscall(SYS_capset, &m_header, m_saved);
    }
    FileModesApply(const FileModesApply&) = delete;
    FileModesApply& operator=(const FileModesApply&) = delete;

    // False when running as root and the capabilities could not be dropped.
    bool apply() const { return ::geteuid() != 0 || m_lowered; }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_lowered = false;
};

// For the rest of the test function file modes stop this thread, root or
// not; skips the test where they cannot be made to.
#define APPLY_FILE_MODES()                                                                         \
    const FileModesApply fileModesApply;                                                           \
    if (!fileModesApply.apply())                                                                   \
    QSKIP("File modes cannot be made to stop root here.")
