#pragma once

#include "platform/Dialogs.h"

class QWidget;

class QtDialogs final : public Dialogs
{
public:
    MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons,
                          const QString& title) override;
    std::optional<QString> openFile(const QString& title, const QString& filter,
                                    int selectedPair) override;

private:
    QString m_lastFolder; // the dialog opens where it was last left
};
