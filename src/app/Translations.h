// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The program speaks the desktop's language where it ships one, and English,
// the language of its own texts, otherwise. Qt's dialogs follow along.
namespace Translations
{

// Installs into the application object the program's and Qt's translations
// for the first of languages that the program ships; an English one listed
// before it wins. Returns the language installed ("de", "pt_BR"), or an empty
// string for English.
QString install(const QStringList& languages = QLocale::system().uiLanguages());

// A text of the installed language where no application object is at hand.
QString text(const char* context, const char* source);

} // namespace Translations
