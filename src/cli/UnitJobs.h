#pragma once
// What passes between render --all and its worker processes (UnitWork.h):
// jobs one way, answers the other, each a message framed by its length on a
// pipe. Both ends are the same program, so numbers go as the machine holds
// them.
#include <cstdint>
#include <optional>
#include <vector>

#include <QByteArray>

namespace vexoria::cli::work {

// A job: open the unit (and do all its parts when they are few), or do
// `count` of its parts from `first`.
struct Job {
    int unit = 0;
    bool open = false;
    int first = 0;
    int count = 0;
};

// What failed in a worker, as the calling process throws it again.
enum class Failure : std::int32_t { None, Memory, Other };

// A worker's answer: the unit opened (parts, what open gave) or not, the
// parts done from `first`, and a failure that stopped it.
struct Answer {
    int unit = 0;
    std::optional<int> parts;
    QByteArray opened;
    int first = 0;
    std::vector<QByteArray> done;
    Failure failure = Failure::None;
    QByteArray why;
};

QByteArray encode(const Job& job);
Job decodeJob(const QByteArray& data);
QByteArray encode(const Answer& answer);
Answer decodeAnswer(const QByteArray& data);

// Writes one message whole; false when the other end is gone.
bool sendMessage(int fd, const QByteArray& body);
// Reads one message whole; nothing when the other end is gone.
std::optional<QByteArray> receiveMessage(int fd);

} // namespace vexoria::cli::work
