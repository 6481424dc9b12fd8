// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Fakes.h"

#include <QByteArray>
#include <QColor>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class MainWindow;
class PictureLibrary;

// Everything of the library a user or the flash run could see, to show that
// a refused change left it as it was.
struct LibrarySnapshot {
    QStringList entries;
    QByteArray listFile;              // "<missing>" when there is none
    QMap<QString, QByteArray> copies; // every name in SystemFolder -> content
    QString copiesFolderKind;         // "folder", "missing" or "other"
    int loadedImageCount = 0;
    QStringList slotPaths;
    bool scrollBarVisible = false;
    int scrollMaximum = 0;

    bool operator==(const LibrarySnapshot&) const = default;
};
char* toString(const LibrarySnapshot& snapshot);

// A main window over a temporary program folder, with the user's pictures in
// a folder of their own.
class LibraryFixture
{
public:
    LibraryFixture();
    ~LibraryFixture();

    // Writes record.txt and a copy per name (in the given colours) before the
    // window loads; names without a colour get no copy.
    void prepare(const QStringList& entries, const QList<QColor>& colours = {});
    // Loads and shows the main window, and waits until every listed picture is decoded.
    void start();

    // A picture of the user's, outside the program folder.
    QString userPicture(const QString& name, QColor colour = Qt::red, const char* format = "JPEG");

    void add(const std::optional<QString>& chosen);
    void select(int row); // -1 clears the selection
    void deleteSelected();

    LibrarySnapshot snapshot() const;
    QByteArray listFileBytes() const;
    QStringList copies() const;
    // The colour in slot k's flash picture, away from its stripe.
    QColor slotColour(int slot) const;

    TestServices test;
    QTemporaryDir userFolder;
    std::unique_ptr<MainWindow> window;
    PictureLibrary* library = nullptr;
};

bool similarColour(const QColor& a, const QColor& b);

// Prepares a program folder: a copy of each named picture in SystemFolder and
// record.txt listing them in order. Names in missing are listed but not copied.
void writeLibrary(const TestServices& services, const QStringList& names,
                  const QStringList& missing = {});
QStringList pictureNames(int count);
