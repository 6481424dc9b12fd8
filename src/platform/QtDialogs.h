// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dialogs.h"

#include <QPointer>

class QDialog;

class QtDialogs final : public Dialogs
{
public:
    ~QtDialogs() override;

    MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons,
                          const QString& title) override;
    void messageWithList(const QString& text, const QStringList& items, MessageIcon icon,
                         const QString& title) override;
    void notice(const QString& text, const QStringList& items, MessageIcon icon,
                const QString& title) override;
    bool isNoticeOpen() const override;
    QStringList openFiles(const QString& title, const QString& filter, int selectedPair) override;
    std::optional<QString> openFolder(const QString& title) override;
    std::optional<QString> saveFile(const QString& title, const QString& filter,
                                    const QString& suggested) override;
    std::optional<QColor> pickColour(const QString& title, const QColor& initial) override;

private:
    QPointer<QDialog> m_notice;
    QString m_lastFolder; // the dialog opens where it was last left
};
