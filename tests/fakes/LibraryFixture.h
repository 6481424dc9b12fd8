#pragma once

#include <QStringList>

struct TestServices;

// Prepares a program folder: a copy of each named picture in SystemFolder and
// record.txt listing them in order. Names in missing are listed but not copied.
void writeLibrary(const TestServices& services, const QStringList& names,
                  const QStringList& missing = {});
QStringList pictureNames(int count);
