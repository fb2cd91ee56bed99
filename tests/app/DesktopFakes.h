#pragma once
// Stand-ins for the desktop services: file dialogs that answer from a
// script, a clipboard that is a string, and a tray that records what it was
// given. A dialog that was not scripted fails the test.
#include <deque>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include "platform/widgets/Clipboard.h"
#include "platform/widgets/Desktop.h"
#include "platform/widgets/FileDialogs.h"
#include "platform/widgets/TrayIcon.h"

namespace vexoria::test {

class FakeFileDialogs : public FileDialogs {
public:
    // The next dialog chooses path with the filter index (nothing: cancel).
    void choose(const QString& path, int filterIndex = 1) { m_answers.push_back({false, {path, filterIndex}}); }
    void cancel() { m_answers.push_back({true, {}}); }

    std::optional<FileDialogChoice> openFile(const FileDialogRequest& r) override { return answer(r); }
    std::optional<FileDialogChoice> saveFile(const FileDialogRequest& r) override { return answer(r); }

    const std::vector<FileDialogRequest>& asked() const { return m_asked; }
    bool allAnswersUsed() const { return m_answers.empty(); }

private:
    std::optional<FileDialogChoice> answer(const FileDialogRequest& r)
    {
        m_asked.push_back(r);
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected file dialog: " << r.title.toStdString();
            return std::nullopt;
        }
        const Scripted a = m_answers.front();
        m_answers.pop_front();
        if (a.cancel) return std::nullopt;
        return a.choice;
    }
    struct Scripted {
        bool cancel;
        FileDialogChoice choice;
    };
    std::deque<Scripted> m_answers;
    std::vector<FileDialogRequest> m_asked;
};

class FakeClipboard : public Clipboard {
public:
    QString content;
    QString text() const override { return content; }
    void setText(const QString& t) override { content = t; }
};

class FakeTray : public TrayIcon {
public:
    bool available = true;
    bool shown = false;
    QIcon icon;
    QString hint;
    QMenu* menu = nullptr;
    std::function<void()> activate;

    bool isAvailable() const override { return available; }
    void show(const QIcon& i, const QString& h, QMenu* m, std::function<void()> onActivate) override
    {
        shown = true;
        icon = i;
        hint = h;
        menu = m;
        activate = std::move(onActivate);
    }
};

} // namespace vexoria::test
