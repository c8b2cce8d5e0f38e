#include "engine/chunkplan.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quarnix::engine {

namespace {

// Far beyond any real file, yet chunk length and offsets stay inside 64 bits.
constexpr double largestChunkSize = double(std::numeric_limits<qint64>::max() / 4);

} // namespace

std::optional<qint64> chunkSizeForMegabytes(double megabytes)
{
    const double bytes = std::floor(megabytes * double(bytesPerMegabyte));
    if (!std::isfinite(bytes) || bytes < 0 || bytes > largestChunkSize)
        return std::nullopt;
    return qint64(bytes);
}

std::optional<qint64> chunkSizeForCount(qint64 sourceLength, double count)
{
    const double whole = std::floor(count);
    if (!std::isfinite(whole) || whole < 1 || sourceLength < 0)
        return std::nullopt;
    // Whole-number division gives what the division in double precision gives for
    // every length a double holds exactly, and stays exact beyond.
    if (whole > double(sourceLength))
        return 0;
    return sourceLength / qint64(whole);
}

std::optional<ChunkPlan> planChunks(qint64 sourceLength, qint64 chunkSize)
{
    if (sourceLength < 0 || chunkSize < 0 || chunkSize > qint64(largestChunkSize))
        return std::nullopt;
    ChunkPlan plan;
    plan.sourceLength = sourceLength;
    plan.chunkSize = chunkSize;
    plan.chunkLength = chunkSize + 1;
    const qint64 count
        = std::max<qint64>(1, sourceLength / plan.chunkLength + (sourceLength % plan.chunkLength != 0 ? 1 : 0));
    if (count > maxChunkCount)
        return std::nullopt;
    plan.count = int(count);
    return plan;
}

std::optional<QString> chunkPrefix(const QString& fileName)
{
    if (fileName.size() < 4)
        return std::nullopt;
    return fileName.left(fileName.size() - 4) + fileName.right(3);
}

QString chunkFileName(const QString& prefix, int number)
{
    return prefix + u'.' + QString::number(number);
}

} // namespace quarnix::engine
