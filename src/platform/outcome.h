#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace quarnix::platform {

// How src/platform and src/engine report failure, in one place:
// - a call into the system that can fail returns an Outcome: its value (none for
//   Outcome<>), or the system's words for why it failed, for the user to read;
// - a question whose answer may be "none" (no volume holds the folder, no byte in the
//   code page for a character, no free space to tell) returns a std::optional;
// - inside the split job a failure is thrown as JobFailure and ends in the job's one
//   error report, and the job's refusals go through SplitJob::refuse;
// - a function returning bool is named for what true means.
template <typename T = void> class [[nodiscard]] Outcome {
public:
    Outcome(T value)
        : value_(std::move(value))
    {
    }
    static Outcome failure(QString reason)
    {
        Outcome failed;
        failed.reason_ = std::move(reason);
        return failed;
    }

    explicit operator bool() const { return value_.has_value(); }
    const T& operator*() const { return *value_; }
    const QString& reason() const { return reason_; }

private:
    Outcome() = default;

    std::optional<T> value_;
    QString reason_;
};

template <> class [[nodiscard]] Outcome<void> {
public:
    Outcome() = default;
    static Outcome failure(QString reason)
    {
        Outcome failed;
        failed.failed_ = true;
        failed.reason_ = std::move(reason);
        return failed;
    }

    explicit operator bool() const { return !failed_; }
    const QString& reason() const { return reason_; }

private:
    bool failed_ = false;
    QString reason_;
};

} // namespace quarnix::platform
