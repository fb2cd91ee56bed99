#pragma once
// The one way the program writes a file it makes: pictures, text files,
// PDFs, the export database. A regular file or a new path is written to a
// temporary file beside it and put in place only when every write
// succeeded, so a failed write never leaves a cut-off file or loses the old
// one. Standard output ("-" or /dev/stdout), a FIFO or a device is written directly: it
// cannot be replaced, and replacing /dev/full by a regular file would be far
// worse than an error.
#include <functional>

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace vexoria {

// What a writer puts into the output. It returns false, with *error set,
// when it could not produce its bytes; a write that the device refuses is
// caught by writeOutput itself.
using OutputBody = std::function<bool(QIODevice& device, QString* error)>;

// Writes path through body. On failure returns false and sets *error to one
// line that names the file and the reason ("cannot write out.png: No space
// left on device"); the old file, if any, is untouched.
bool writeOutput(const QString& path, const OutputBody& body, QString* error = nullptr);

// The same for bytes made beforehand.
bool writeOutputBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// A batch of many files (render --all): while one is open, each file is put
// in place whole as ever, but without waiting for it to reach the disk; the
// batch waits once, for the file system its folder is on, when it finishes.
// Waiting for every one of thousands of small charts took far longer than
// drawing them, and kept all but one core idle.
class OutputBatch {
public:
    explicit OutputBatch(QString folder);
    ~OutputBatch();
    OutputBatch(const OutputBatch&) = delete;
    OutputBatch& operator=(const OutputBatch&) = delete;
    // Waits for the batch's files to reach the disk; false with *error set
    // (one line naming the folder) when the system could not write them.
    bool finish(QString* error = nullptr);

private:
    QString m_folder;
    bool m_finished = false;
};

// "-", a name of a descriptor the program holds (/dev/stdout, /dev/fd/N),
// or a FIFO, character or block device: written in place, not replaced.
bool isStreamTarget(const QString& path);

} // namespace vexoria
