// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/SvgCheck.h"

#include <QFile>
#include <QXmlStreamReader>

SvgCheck::Verdict SvgCheck::check(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Verdict::Unreadable;
    if (file.size() > MaxFileBytes)
        return Verdict::TooComplex;
    QXmlStreamReader reader(&file);
    int depth = 0;
    int elements = 0;
    qint64 text = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > MaxDepth || ++elements > MaxElements)
                return Verdict::TooComplex;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Characters:
            if ((text += reader.text().size()) > MaxTextCharacters)
                return Verdict::TooComplex;
            break;
        default:
            break;
        }
    }
    return reader.hasError() ? Verdict::Unreadable : Verdict::Drawable;
}
