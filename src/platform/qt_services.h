#pragma once
// The real desktop services, over Qt.
#include "platform/services.h"

#include <QLockFile>
#include <QPointer>

#include <memory>

class QWidget;

namespace zolmera {

class EventLoop;

class QtMessageBoxes final : public MessageBoxes {
public:
    int msgBox(const QString& prompt, int flags, const QString& title) override;
};

class QtFileDialogs final : public FileDialogs {
public:
    std::optional<QString> showOpen(const FileDialogRequest& r) override;
    std::optional<QString> showSave(const FileDialogRequest& r) override;
};

// Shows topics in a window of our own.
class QtHelp final : public HelpService {
public:
    ~QtHelp() override;
    void showTopic(const QString& helpFile, int topic) override;

private:
    QPointer<QWidget> window_;
};

class QtDesktop final : public Desktop {
public:
    bool openUrl(const QString& url) override;
};

// One copy per user: a lock file in the user's runtime folder. A copy that
// crashed leaves a stale lock, which the next start takes over.
class LockFileInstance final : public SingleInstance {
public:
    bool anotherCopyRunning() override;

private:
    std::unique_ptr<QLockFile> lock_;
};

class NoSystemInfo final : public SystemInfo {
public:
    bool available() const override { return false; }
    bool launch() override { return false; }
};

// Prints on the default printer; with no printer installed, into a PDF file in
// the given folder (by default the user's documents folder).
class QtPrinter final : public Printer {
public:
    explicit QtPrinter(QString pdfFolder = {}) : pdfFolder_(std::move(pdfFolder)) {}
    std::unique_ptr<PrintJob> begin(const QString& documentName) override;

private:
    QString pdfFolder_;
};

class QtProgramControl final : public ProgramControl {
public:
    explicit QtProgramControl(EventLoop& loop) : loop_(loop) {}
    void endNow() override;
    bool ended() const override { return ended_; }

private:
    EventLoop& loop_;
    bool ended_ = false;
};

}  // namespace zolmera
