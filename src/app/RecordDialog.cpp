// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecordDialog.h"

#include "core/Session.h"
#include "core/ShowRecord.h"
#include "platform/Clock.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

// A number cell that sorts as a number.
QTableWidgetItem* countItem(int count)
{
    auto* item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, count);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

RecordDialog::RecordDialog(Session& session, Clock& clock, QWidget* parent)
    : QDialog(parent), m_session(session), m_clock(clock), m_summary(new QLabel(this)),
      m_table(new QTableWidget(0, 3, this)),
      m_keep(new QCheckBox(tr("&Keep a record of the pictures shown"), this))
{
    setObjectName(QStringLiteral("frmRecord"));
    setWindowTitle(tr("Record"));
    m_summary->setObjectName(QStringLiteral("lblRecordSummary"));
    m_table->setObjectName(QStringLiteral("tblRecord"));
    m_table->setHorizontalHeaderLabels({tr("Picture"), tr("Shown"), tr("Last shown")});
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_keep->setObjectName(QStringLiteral("chkKeepRecord"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table);
    layout->addWidget(m_keep);
    layout->addWidget(buttons);
    resize(520, 360);

    m_keep->setChecked(session.keepsRecord());
    // Turning it off forgets the record at once: the switch says so.
    connect(m_keep, &QCheckBox::toggled, this, [this](bool keep) {
        m_session.setKeepRecord(keep);
        refresh();
    });
    connect(&session.record(), &ShowRecord::changed, this, &RecordDialog::refresh);
    refresh();
}

void RecordDialog::refresh()
{
    const ShowRecord& record = m_session.record();
    const QDate today = m_clock.today();
    const QLocale locale;
    m_summary->setText(tr("Today: %1   This week: %2   In all: %3")
                           .arg(locale.toString(record.shownOn(today)),
                                locale.toString(record.shownInWeekOf(today)),
                                locale.toString(record.shownInAll())));
    m_table->setSortingEnabled(false);
    m_table->setRowCount(int(record.pictures().size()));
    int row = 0;
    for (auto it = record.pictures().cbegin(); it != record.pictures().cend(); ++it, ++row) {
        m_table->setItem(row, 0, new QTableWidgetItem(it.key()));
        m_table->setItem(row, 1, countItem(it->count));
        m_table->setItem(row, 2,
                         new QTableWidgetItem(locale.toString(it->last, QLocale::ShortFormat)));
    }
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(1, Qt::DescendingOrder);
    m_table->setEnabled(m_session.keepsRecord());
}
