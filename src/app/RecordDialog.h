// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Clock;
class QCheckBox;
class QLabel;
class QTableWidget;
class Session;

// How often the pictures were shown, today, this week and in all, and for
// each picture how often and when last; with the switch that keeps the
// record, or turns it off and forgets it. Follows the record while open.
class RecordDialog final : public QDialog
{
    Q_OBJECT
public:
    RecordDialog(Session& session, Clock& clock, QWidget* parent = nullptr);

private:
    void refresh();

    Session& m_session;
    Clock& m_clock;
    QLabel* m_summary;
    QTableWidget* m_table;
    QCheckBox* m_keep;
};
