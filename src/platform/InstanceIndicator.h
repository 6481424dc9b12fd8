// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Tells whether another instance of the program is running for this user.
class InstanceIndicator
{
public:
    virtual ~InstanceIndicator() = default;
    // The first call claims the indicator for this process when it is free.
    virtual bool anotherInstanceRunning() = 0;
};

// A lock file in the user's runtime folder, named after the application. The
// lock goes with the process, so a killed instance never blocks the next.
class LockFileInstanceIndicator final : public InstanceIndicator
{
public:
    explicit LockFileInstanceIndicator(const QString& applicationName, QString folder = {});
    ~LockFileInstanceIndicator() override;

    bool anotherInstanceRunning() override;
    QString lockPath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    bool m_checked = false;
    bool m_another = false;
};
