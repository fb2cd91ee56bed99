#pragma once
// The lines of the editor's text as they were when the chart was built,
// followed through the edits made since: a line moved down by a line typed
// above it is still found, a line that was deleted is no more. Each line is
// held by a text cursor at its start, which the document moves with its
// edits; a line whose cursor met the next line's cursor (the lines between
// were deleted) or landed inside another line is gone. Replacing the whole
// text (another file, another routine) lets go of every line.
#include <vector>

#include <QHash>
#include <QObject>
#include <QTextCursor>

class QTextDocument;

namespace vexoria {

class LineAnchors : public QObject {
    Q_OBJECT
public:
    explicit LineAnchors(QTextDocument& document, QObject* parent = nullptr);

    // Holds every line of the text as it is now.
    void anchor();
    void clear();
    bool isEmpty() const { return m_cursors.empty(); }

    // Where a line held by anchor() is now; -1 when it is gone.
    int lineNow(int lineThen) const;
    // The line held by anchor() that a line of the text is now; -1 for a line
    // made since.
    int lineThen(int lineNow) const;

private:
    void onContentsChange(int position, int charsRemoved, int charsAdded);
    void follow() const;

    QTextDocument& m_document;
    std::vector<QTextCursor> m_cursors;
    int m_characters = 0; // the text's length after the last edit
    mutable int m_followedRevision = -1;
    mutable std::vector<int> m_now;
    mutable QHash<int, int> m_then;
};

} // namespace vexoria
