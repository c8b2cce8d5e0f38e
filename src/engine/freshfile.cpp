#include "engine/freshfile.h"

#include "engine/jobfailure.h"
#include "engine/jobtexts.h"
#include "platform/devicesync.h"

#include <QFileInfo>

namespace quarnix::engine {

void clearName(const QString& path)
{
    const QFileInfo existing(path);
    if (!existing.exists() && !existing.isSymLink())
        return;
    if (existing.isDir() && !existing.isSymLink())
        throw JobFailure {texts::cannotCreate(path, QStringLiteral("A folder has that name"))};
    QFile old(path);
    if (!old.remove())
        throw JobFailure {texts::cannotCreate(path, old.errorString())};
}

FreshFile::FreshFile(const QString& path)
    : file_(path)
{
    clearName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        throw JobFailure {texts::cannotCreate(path, file_.errorString())};
}

FreshFile::~FreshFile()
{
    if (kept_)
        return;
    file_.close();
    file_.remove();
}

void FreshFile::write(const char* data, qint64 size)
{
    qint64 written = 0;
    while (written < size) {
        const qint64 step = file_.write(data + written, size - written);
        if (step <= 0)
            throw JobFailure {texts::cannotWrite(file_.fileName(), file_.errorString())};
        written += step;
    }
}

void FreshFile::sync()
{
    if (const auto synced = platform::syncToDevice(file_); !synced)
        throw JobFailure {texts::cannotWrite(file_.fileName(), synced.reason())};
}

void FreshFile::close()
{
    file_.close();
    if (file_.error() != QFileDevice::NoError)
        throw JobFailure {texts::cannotWrite(file_.fileName(), file_.errorString())};
    kept_ = true;
}

} // namespace quarnix::engine
