// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include "widgets/TextRoom.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace
{

QTranslator& programTranslator()
{
    static QTranslator translator;
    return translator;
}

QTranslator& qtTranslator()
{
    static QTranslator translator;
    return translator;
}

bool isEnglish(const QString& language)
{
    const QString code = language.section(u'-', 0, 0).section(u'_', 0, 0);
    return code == u"en" || code == u"C" || code == u"POSIX";
}

} // namespace

QString Translations::install(const QStringList& languages)
{
    QTranslator& program = programTranslator();
    QTranslator& qt = qtTranslator();
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
    // A load that fails leaves the translator empty.
    (void)program.load(QString());
    (void)qt.load(QString());
    TextRoom::setTranslated(false);
    for (const QString& language : languages) {
        if (isEnglish(language))
            break;
        const QLocale locale(language);
        if (locale.language() == QLocale::C)
            continue;
        // "de_DE" finds zorvik_de; "pt_BR" finds zorvik_pt_BR before zorvik_pt.
        if (!program.load(QStringLiteral("zorvik_") + locale.name(), QStringLiteral(":/i18n")))
            continue;
        (void)qt.load(QStringLiteral("qtbase_") + locale.name(),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QCoreApplication::installTranslator(&program);
        QCoreApplication::installTranslator(&qt);
        TextRoom::setTranslated(true);
        return program.language();
    }
    return {};
}

QString Translations::text(const char* context, const char* source)
{
    const QString translation = programTranslator().translate(context, source);
    return translation.isEmpty() ? QString::fromUtf8(source) : translation;
}
