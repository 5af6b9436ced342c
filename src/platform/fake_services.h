#pragma once
// Scriptable stand-ins for the desktop services: they record what was asked
// and answer as told, so tests never block on a modal window.
#include "platform/services.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <utility>

namespace zolmera {

class EventLoop;

class FakeMessageBoxes final : public MessageBoxes {
public:
    explicit FakeMessageBoxes(EventLoop& loop) : loop_(loop) {}
    int msgBox(const QString& prompt, int flags, const QString& title) override;

    struct Asked {
        QString prompt;
        int flags;
        QString title;
    };
    QList<Asked> asked;
    // The next box gets this answer; with a delay, the box stays up that many
    // virtual seconds first, and timers tick meanwhile as they would.
    void setNextAnswer(int answer, double afterSeconds = 0) { answers_.push_back({answer, afterSeconds}); }
    // Answers every box no queued answer is left for: the answer, and how
    // long the box stays up first.
    std::function<std::pair<int, double>(const Asked&)> responder;
    // Runs while the next box is up (for example, to script a tick during it).
    int pendingAnswers() const { return int(answers_.size()); }

private:
    struct Answer {
        int answer;
        double after;
    };
    EventLoop& loop_;
    std::deque<Answer> answers_;
};

class FakeFileDialogs final : public FileDialogs {
public:
    std::optional<QString> showOpen(const FileDialogRequest& r) override;
    std::optional<QString> showSave(const FileDialogRequest& r) override;

    struct Asked {
        bool save;
        FileDialogRequest request;
    };
    QList<Asked> asked;
    void setNextFileName(const QString& path) { answers_.push_back({false, path}); }
    void setNextCancel() { answers_.push_back({true, {}}); }
    // Answers every dialog no queued answer is left for: a path, or nothing
    // for Cancel.
    std::function<std::optional<QString>(const Asked&)> responder;

private:
    struct Answer {
        bool cancel;
        QString path;
    };
    std::optional<QString> answer();
    std::deque<Answer> answers_;
};

class FakeHelp final : public HelpService {
public:
    void showTopic(const QString& helpFile, int topic) override
    {
        files << helpFile;
        topics << topic;
    }
    QStringList files;
    QList<int> topics;
};

class FakeDesktop final : public Desktop {
public:
    bool openUrl(const QString& url) override
    {
        urls << url;
        return true;
    }
    QStringList urls;
};

class FakeSingleInstance final : public SingleInstance {
public:
    bool anotherCopyRunning() override
    {
        ++checks;
        return otherCopy;
    }
    bool otherCopy = false;
    int checks = 0;
};

class FakeSystemInfo final : public SystemInfo {
public:
    bool available() const override { return isAvailable; }
    bool launch() override
    {
        ++launches;
        return isAvailable;
    }
    bool isAvailable = false;
    int launches = 0;
};

class FakePrinter final : public Printer {
public:
    std::unique_ptr<PrintJob> begin(const QString& documentName) override;

    struct Line {
        int page;
        int x;
        int y;
        QString font;
        double size;
        bool bold;
        bool fixedPitch;
        QString text;
    };
    struct Document {
        QString name;
        QList<Line> lines;
        int pages = 1;
        bool ended = false;
    };
    QList<Document> documents;
    // Makes the next documents fail when they are sent.
    bool failing = false;
    // No printer installed: documents go into a PDF file.
    bool noPrinter = false;
    // A page of 10 inches; each line takes 1.2 times its font size.
    static constexpr int kPageHeight = 14400;
};

class FakeProgramControl final : public ProgramControl {
public:
    explicit FakeProgramControl(EventLoop& loop) : loop_(loop) {}
    void endNow() override;
    bool ended() const override { return ended_; }

private:
    EventLoop& loop_;
    bool ended_ = false;
};

}  // namespace zolmera
