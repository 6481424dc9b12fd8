#include "LibraryFixture.h"

#include "Fakes.h"
#include "TestPictures.h"
#include "library/PictureListFile.h"

#include <QColor>

void writeLibrary(const TestServices& services, const QStringList& names,
                  const QStringList& missing)
{
    for (qsizetype i = 0; i < names.size(); ++i)
        if (!missing.contains(names[i]))
            TestPictures::jpeg(services.copiesFolder() + "/" + names[i],
                               QColor::fromHsv(int(i * 37 % 360), 200, 220));
    PictureListFile::save(services.listFile(), names);
}

QStringList pictureNames(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("picture%1.jpg").arg(i);
    return names;
}
