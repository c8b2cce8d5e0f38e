#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace quarnix::engine {

constexpr qint64 bytesPerMegabyte = 1048576;

// Chunk numbers are 16-bit, and a floppy-sized split of any real file stays far
// below: a job never writes more chunk files than this.
constexpr int maxChunkCount = 32766;

// The chunk size, in whole bytes, for a size typed in megabytes. Empty when the
// value gives no usable size (negative, not finite, beyond 64-bit byte counts).
[[nodiscard]] std::optional<qint64> chunkSizeForMegabytes(double megabytes);

// The chunk size for splitting `sourceLength` bytes into `count` chunks; the count
// is taken rounded down. Empty when the rounded count is below 1.
[[nodiscard]] std::optional<qint64> chunkSizeForCount(qint64 sourceLength, double count);

// How a source is cut. Every chunk but the last is one byte longer than the chunk
// size; the last holds the rest.
struct ChunkPlan {
    qint64 sourceLength = 0;
    qint64 chunkSize = 0;
    qint64 chunkLength = 0; // chunkSize + 1
    int count = 0;

    qint64 offsetOf(int number) const { return qint64(number - 1) * chunkLength; }
    qint64 lengthOf(int number) const { return number < count ? chunkLength : sourceLength - offsetOf(count); }
};

// Empty when the source needs more than maxChunkCount chunk files.
[[nodiscard]] std::optional<ChunkPlan> planChunks(qint64 sourceLength, qint64 chunkSize);

// The source file name with its fourth character from the end taken out
// ("report.doc" gives "reportdoc"); empty for names of fewer than four characters.
[[nodiscard]] std::optional<QString> chunkPrefix(const QString& fileName);

// "reportdoc.3"
QString chunkFileName(const QString& prefix, int number);

} // namespace quarnix::engine
