#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class SettingsStore;

// The four display settings, as positions in their value lists.
struct DisplaySettings {
    int interval = 0; // position in intervalItems(): 0 is 2 seconds
    int duration = 0; // position in durationItems(): 0 is 20 ms
    int location = 0; // 0 a random place, 1 the centre of the screen
    int order = 0;    // 0 random order, 1 list order

    bool operator==(const DisplaySettings&) const = default;

    // The chosen values: the text of the chosen item as a whole number (0
    // when nothing is chosen), and the two options.
    int intervalSeconds() const;
    int durationMilliseconds() const;
    bool randomLocation() const { return location == 0; }
    bool randomOrder() const { return order == 0; }

    static QStringList intervalItems(); // "2", "5", "10" … "120"
    static QStringList durationItems(); // "20" … "5000"

    static const QString Section;
    static const QString IntervalKey;
    static const QString DurationKey;
    static const QString LocationKey;
    static const QString OrderKey;

    using Reader = std::function<QString(const QString& key)>;
    using Writer = std::function<void(const QString& key, const QString& value)>;

    // Restores from the store. Nothing stored under the interval key means
    // nothing was ever saved: all four keep their defaults. A value that is not
    // a whole number or lies outside its list falls back to that setting's
    // default alone.
    static DisplaySettings restore(const Reader& read);
    // Writes the four keys in order: interval, duration, location, order.
    void save(const Writer& write) const;

    // The same, with the program's settings store.
    static DisplaySettings restoreFrom(SettingsStore& store, const QString& application);
    void saveTo(SettingsStore& store, const QString& application) const;
};
