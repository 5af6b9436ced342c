#pragma once
// The services of the desktop that the screens use, each behind a small
// interface with a real implementation (qt_services) and a scriptable fake
// (fake_services), so that no test ever blocks on a modal window.
#include <QString>

#include <memory>
#include <optional>

namespace zolmera {

// Message box flags and answers, with the values the screens are written in.
namespace mb {
inline constexpr int OKOnly = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4,
                     RetryCancel = 5;
inline constexpr int Critical = 16, Question = 32, Exclamation = 48, Information = 64;
inline constexpr int DefaultButton1 = 0, DefaultButton2 = 256, DefaultButton3 = 512;
inline constexpr int OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
// The answer a box gives when the user just presses Enter.
int defaultAnswer(int flags);
}  // namespace mb

class MessageBoxes {
public:
    virtual ~MessageBoxes();
    // Modal; timers keep ticking while it is up. An empty title shows the game's name.
    virtual int msgBox(const QString& prompt, int flags = mb::OKOnly, const QString& title = {}) = 0;
};

// A common dialog request, in the terms the screens use: the filter is
// "description|pattern" pairs, flags are the dialog's bits (0x1000: the file
// must exist; 0x2: ask before overwriting).
struct FileDialogRequest {
    QString title;
    QString initialDir;
    QString filter;
    QString fileName;
    int flags = 0;
    // Added to a typed name that has no extension (empty: nothing is added).
    QString defaultSuffix;
};
inline constexpr int kDlgOverwritePrompt = 0x2;
inline constexpr int kDlgFileMustExist = 0x1000;

class FileDialogs {
public:
    virtual ~FileDialogs();
    // The chosen path, or nothing when cancelled.
    virtual std::optional<QString> showOpen(const FileDialogRequest& r) = 0;
    virtual std::optional<QString> showSave(const FileDialogRequest& r) = 0;
};

class HelpService {
public:
    virtual ~HelpService();
    // Shows the help file's topic (the file lies in the program's folder).
    virtual void showTopic(const QString& helpFile, int topic) = 0;
};

class Desktop {
public:
    virtual ~Desktop();
    // A web address or a "mailto:" link, opened by the user's own programs.
    virtual bool openUrl(const QString& url) = 0;
};

class SingleInstance {
public:
    virtual ~SingleInstance();
    // True when another copy of the game is already running for this user.
    virtual bool anotherCopyRunning() = 0;
};

class SystemInfo {
public:
    virtual ~SystemInfo();
    // The system-information program; there is none on Linux, and callers
    // show their own message when it is not available.
    virtual bool available() const = 0;
    virtual bool launch() = 0;
};

// One printed document. Positions are twips from the page's printable corner.
class PrintJob {
public:
    virtual ~PrintJob();
    // A fixed-pitch font falls back to the system's typewriter face when the
    // family is missing, so columns of text still line up.
    virtual void setFont(const QString& family, double pointSize, bool bold = false, bool fixedPitch = false) = 0;
    virtual void printAt(int xTwips, int yTwips, const QString& text) = 0;
    virtual void newPage() = 0;
    // The printable page's height and the current font's line spacing.
    virtual int pageHeightTwips() const = 0;
    virtual int lineHeightTwips() const = 0;
    // Sends the document; false with an error text when it could not be.
    virtual bool end() = 0;
    virtual QString errorString() const = 0;
    // Where the document went: a printer's name or the path of a PDF file.
    virtual QString destination() const = 0;
    // True when there was no printer and the document went into a file.
    virtual bool toFile() const = 0;
};

class Printer {
public:
    virtual ~Printer();
    virtual std::unique_ptr<PrintJob> begin(const QString& documentName) = 0;
};

// Ending the program at once: no other window's closing steps run.
class ProgramControl {
public:
    virtual ~ProgramControl();
    virtual void endNow() = 0;
    virtual bool ended() const = 0;
};

}  // namespace zolmera
