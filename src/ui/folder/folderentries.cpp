#include "ui/folder/folderentries.h"

#include <QDir>

namespace quarnix::ui {

namespace {

bool isUnder(const QString& path, const QString& root)
{
    if (path == root)
        return true;
    const QString prefix = root.endsWith(u'/') ? root : root + u'/';
    return path.startsWith(prefix);
}

// "/" for "/home/user", "C:/" for "C:/Data".
QString fileSystemRootOf(const QString& path)
{
    const qsizetype slash = path.indexOf(u'/');
    return slash < 0 ? path : path.left(slash + 1);
}

QString childPath(const QString& folder, const QString& name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

} // namespace

QString qtFolderPath(const QString& path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

FolderEntries FolderEntries::read(const QString& root, const QString& current)
{
    FolderEntries entries;
    const QString folder = qtFolderPath(current);
    QString top = qtFolderPath(root);
    if (top.isEmpty() || !isUnder(folder, top))
        top = fileSystemRootOf(folder);

    entries.chain_.append(top);
    QString walked = top;
    for (const QString& part : folder.mid(top.size()).split(u'/', Qt::SkipEmptyParts)) {
        walked = childPath(walked, part);
        entries.chain_.append(walked);
    }

    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        entries.subfolders_.append(childPath(folder, name));
    return entries;
}

QString FolderEntries::current() const
{
    return chain_.isEmpty() ? QString() : chain_.last();
}

QString FolderEntries::root() const
{
    return chain_.isEmpty() ? QString() : chain_.first();
}

int FolderEntries::ancestorCount() const
{
    return int(chain_.size());
}

int FolderEntries::subfolderCount() const
{
    return int(subfolders_.size());
}

int FolderEntries::count() const
{
    return ancestorCount() + subfolderCount();
}

bool FolderEntries::hasEntry(int index) const
{
    return index >= -ancestorCount() && index < subfolderCount();
}

QString FolderEntries::path(int index) const
{
    if (!hasEntry(index))
        return {};
    return index < 0 ? chain_.at(ancestorCount() + index) : subfolders_.at(index);
}

QString FolderEntries::name(int index) const
{
    if (index == -ancestorCount())
        return root();
    const QString full = path(index);
    return full.mid(full.lastIndexOf(u'/') + 1);
}

int FolderEntries::depth(int index) const
{
    return index < 0 ? ancestorCount() + index : ancestorCount();
}

int FolderEntries::rowOf(int index) const
{
    return index + ancestorCount();
}

int FolderEntries::indexOfRow(int row) const
{
    return row - ancestorCount();
}

int volumeHolding(const QList<platform::VolumeEntry>& volumes, const QString& path)
{
    const QString folder = qtFolderPath(path);
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < volumes.size(); ++i) {
        const QString root = qtFolderPath(volumes.at(i).rootPath);
        if (!root.isEmpty() && isUnder(folder, root) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

} // namespace quarnix::ui
