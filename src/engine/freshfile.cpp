#include "engine/freshfile.h"

#include <QFileInfo>

namespace quarnix::engine {

FreshFile::FreshFile(const QString& path)
    : file_(path)
{
}

bool FreshFile::create()
{
    const QFileInfo existing(file_.fileName());
    if (existing.exists() || existing.isSymLink()) {
        if (existing.isDir() && !existing.isSymLink())
            return false;
        if (!QFile::remove(file_.fileName()))
            return false;
    }
    return file_.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered);
}

bool FreshFile::write(const char* data, qint64 size)
{
    qint64 written = 0;
    while (written < size) {
        const qint64 step = file_.write(data + written, size - written);
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

bool FreshFile::close()
{
    if (!file_.isOpen())
        return false;
    file_.close();
    return file_.error() == QFileDevice::NoError;
}

} // namespace quarnix::engine
