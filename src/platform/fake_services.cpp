#include "platform/fake_services.h"

#include "platform/eventloop.h"

namespace zolmera {

int FakeMessageBoxes::msgBox(const QString& prompt, int flags, const QString& title)
{
    asked.append({prompt, flags, title});
    Answer a{};
    if (!answers_.empty()) {
        a = answers_.front();
        answers_.pop_front();
    } else if (responder) {
        const auto [answer, after] = responder(asked.back());
        a = {answer, after};
    } else {
        return mb::defaultAnswer(flags);
    }
    if (a.after > 0) {
        // The box is modal but the program goes on underneath it.
        loop_.waitUntil(loop_.now() + a.after, {});
    }
    return a.answer;
}

std::optional<QString> FakeFileDialogs::answer()
{
    if (answers_.empty())
        return responder ? responder(asked.back()) : std::nullopt;
    const Answer a = answers_.front();
    answers_.pop_front();
    if (a.cancel)
        return std::nullopt;
    return a.path;
}

std::optional<QString> FakeFileDialogs::showOpen(const FileDialogRequest& r)
{
    asked.append({false, r});
    return answer();
}

std::optional<QString> FakeFileDialogs::showSave(const FileDialogRequest& r)
{
    asked.append({true, r});
    return answer();
}

namespace {
class FakePrintJob final : public PrintJob {
public:
    FakePrintJob(FakePrinter& printer, int index) : printer_(printer), index_(index) {}
    FakePrinter::Document& doc() { return printer_.documents[index_]; }
    void setFont(const QString& family, double pointSize, bool bold, bool fixedPitch) override
    {
        font_ = family;
        size_ = pointSize;
        bold_ = bold;
        fixed_ = fixedPitch;
    }
    void printAt(int x, int y, const QString& text) override
    {
        doc().lines.append({doc().pages, x, y, font_, size_, bold_, fixed_, text});
    }
    void newPage() override { ++doc().pages; }
    int pageHeightTwips() const override { return FakePrinter::kPageHeight; }
    int lineHeightTwips() const override { return int(size_ * 20 * 1.2); }
    bool end() override
    {
        if (printer_.failing) {
            error_ = QStringLiteral("La stampa su stampante di prova non è riuscita.");
            return false;
        }
        doc().ended = true;
        return true;
    }
    QString errorString() const override { return error_; }
    QString destination() const override
    {
        return printer_.noPrinter ? QStringLiteral("/home/giocatore/Documenti/Zolmera.pdf") : QStringLiteral("stampante di prova");
    }
    bool toFile() const override { return printer_.noPrinter; }

private:
    FakePrinter& printer_;
    int index_;
    QString font_ = QStringLiteral("Arial");
    double size_ = 10;
    bool bold_ = false;
    bool fixed_ = false;
    QString error_;
};
}  // namespace

std::unique_ptr<PrintJob> FakePrinter::begin(const QString& documentName)
{
    documents.append(Document{documentName, {}, 1, false});
    return std::make_unique<FakePrintJob>(*this, int(documents.size()) - 1);
}

void FakeProgramControl::endNow()
{
    ended_ = true;
    loop_.stopDispatching();
}

}  // namespace zolmera
