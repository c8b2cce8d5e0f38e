#pragma once

#include "platform/volumes.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quarnix::ui {

// What the folder list holds for one current folder. Entries are numbered from
// the current folder: -1 is the current folder, -2 its parent and so on up to
// the drive's root; 0, 1, 2 ... are its subfolders. Shown top to bottom in
// increasing number, so entry i - 1 is always the one just above entry i.
// Paths are in Qt's form, with "/" separators; a root keeps its separator.
class FolderEntries {
public:
    FolderEntries() = default;

    // The chain from `root` down to `current`, and the subfolders of `current`
    // as they are on disk now. When `current` does not lie under `root`, the
    // chain starts at the root of its file system.
    static FolderEntries read(const QString& root, const QString& current);

    QString current() const;
    QString root() const;
    int ancestorCount() const; // the current folder included
    int subfolderCount() const;
    int count() const;

    bool hasEntry(int index) const;
    QString path(int index) const;
    QString name(int index) const; // what the list shows: a folder's name, a root whole
    int depth(int index) const;    // 0 for the root

    int rowOf(int index) const;
    int indexOfRow(int row) const;

private:
    QStringList chain_;      // root first, current folder last
    QStringList subfolders_; // full paths, sorted by name
};

// A path as Qt keeps it: "/" separators, no trailing separator except on a root.
QString qtFolderPath(const QString& path);

// The entry in `volumes` whose root holds `path` most closely, or -1.
int volumeHolding(const QList<platform::VolumeEntry>& volumes, const QString& path);

} // namespace quarnix::ui
