#pragma once
// The editor's code between runs. What the user typed or pasted is kept when
// the window closes and is in the editor again at the next start, with the
// name of the file it came from and the encoding that file is saved in.
//
// The file (editor-code.txt beside the window's shema.ini in the user's
// configuration folder) is UTF-8: a first line that marks it, a line with
// the source file's name and encoding, then the code as it stood.
#include <optional>

#include <QString>

#include "platform/text/TextCodec.h"

namespace vexoria {

struct EditorSession {
    QString code;
    QString sourcePath; // empty: typed or pasted
    TextEncoding encoding = TextEncoding::Utf8;
};

// The session file in folder.
QString editorSessionPath(const QString& folder);

// The session kept at the last close; nothing when there is none, or when
// the path is not a regular file of this kind (a folder, a FIFO, another
// program's file), which is then left alone.
std::optional<EditorSession> readEditorSession(const QString& path);

// Keeps s at path, replacing the old file only when the new one is whole.
// On failure returns false with *error naming the reason.
bool writeEditorSession(const QString& path, const EditorSession& s, QString* error = nullptr);

} // namespace vexoria
