#pragma once

#include <QString>
#include <optional>

enum class MessageIcon { Critical, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Message boxes and the file-open dialog. Windows never open these directly,
// so tests can script the answers.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons,
                                  const QString& title) = 0;

    // filter: "description|pattern|description|pattern…"; selectedPair counts
    // from 1. Returns the chosen file's full path, or nothing on cancel.
    virtual std::optional<QString> openFile(const QString& title, const QString& filter,
                                            int selectedPair) = 0;
};
