// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RequestNotice.h"

#include "app/LibraryEditor.h"
#include "platform/Dialogs.h"
#include "platform/ProgramInfo.h"

namespace
{

// Enough to read through; a list of 100,000 missing files says no more.
constexpr int MaxListed = 1000;

} // namespace

void RequestNotice::startOverOnceClosed()
{
    if (m_dialogs.isNoticeOpen())
        return;
    m_reasons.clear();
    m_adds = {};
    m_total = 0;
}

void RequestNotice::refused(const QString& reason)
{
    startOverOnceClosed();
    if (!m_reasons.contains(reason))
        m_reasons << reason;
    show();
}

void RequestNotice::added(const PictureBatch::Summary& summary, int total)
{
    if (LibraryEditor::describeAdd(summary, total).text.isEmpty())
        return;
    startOverOnceClosed();
    m_adds.added += summary.added;
    m_adds.duplicates += summary.duplicates;
    m_adds.leftOut += summary.leftOut;
    m_adds.cancelled = m_adds.cancelled || summary.cancelled;
    for (const QString& file : summary.refused) {
        if (m_adds.refused.size() >= MaxListed)
            break;
        m_adds.refused << file;
    }
    m_total += total;
    show();
}

void RequestNotice::show()
{
    const LibraryEditor::AddReport adds = LibraryEditor::describeAdd(m_adds, m_total);
    QStringList lines = m_reasons;
    MessageIcon icon = m_reasons.isEmpty() ? MessageIcon::Information : MessageIcon::Critical;
    if (m_total > 0 || m_adds.cancelled) {
        lines << adds.text;
        if (adds.icon != MessageIcon::Information && icon != MessageIcon::Critical)
            icon = adds.icon;
    }
    m_dialogs.notice(lines.join(u'\n'), adds.refused, icon, ProgramInfo::title());
}
