#include "platform/qt_services.h"

#include "platform/eventloop.h"
#include "platform/helpfile.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>

namespace zolmera {

// ---- message boxes ----------------------------------------------------------

int QtMessageBoxes::msgBox(const QString& prompt, int flags, const QString& title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Zolmera") : title);
    box.setText(prompt);
    switch (flags & 0x70) {
    case mb::Critical: box.setIcon(QMessageBox::Critical); break;
    case mb::Question: box.setIcon(QMessageBox::Question); break;
    case mb::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case mb::Information: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    struct Choice {
        const char* text;
        int answer;
        QMessageBox::ButtonRole role;
    };
    std::vector<Choice> choices;
    switch (flags & 0x7) {
    case mb::OKCancel: choices = {{"OK", mb::OK, QMessageBox::AcceptRole}, {"Annulla", mb::Cancel, QMessageBox::RejectRole}}; break;
    case mb::AbortRetryIgnore:
        choices = {{"Interrompi", mb::Abort, QMessageBox::RejectRole}, {"Riprova", mb::Retry, QMessageBox::AcceptRole},
                   {"Ignora", mb::Ignore, QMessageBox::AcceptRole}};
        break;
    case mb::YesNoCancel:
        choices = {{"Sì", mb::Yes, QMessageBox::YesRole}, {"No", mb::No, QMessageBox::NoRole},
                   {"Annulla", mb::Cancel, QMessageBox::RejectRole}};
        break;
    case mb::YesNo: choices = {{"Sì", mb::Yes, QMessageBox::YesRole}, {"No", mb::No, QMessageBox::NoRole}}; break;
    case mb::RetryCancel: choices = {{"Riprova", mb::Retry, QMessageBox::AcceptRole}, {"Annulla", mb::Cancel, QMessageBox::RejectRole}}; break;
    default: choices = {{"OK", mb::OK, QMessageBox::AcceptRole}}; break;
    }
    std::vector<QPushButton*> buttons;
    for (const Choice& c : choices)
        buttons.push_back(box.addButton(QString::fromUtf8(c.text), c.role));
    const std::size_t def = std::min<std::size_t>(std::size_t((flags >> 8) & 0x3), buttons.size() - 1);
    box.setDefaultButton(buttons[def]);
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return choices[i].answer;
    // Closed with Esc or the close box: the cancel answer where there is one.
    for (const Choice& c : choices)
        if (c.answer == mb::Cancel || c.answer == mb::No)
            return c.answer;
    return choices.front().answer;
}

// ---- file dialogs -----------------------------------------------------------

namespace {
QString qtFilter(const QString& filter)
{
    // "desc (*.003)|*.003|other|*.*" -> "desc (*.003);;other (*.*)"
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!desc.contains(QLatin1Char('(')))
            desc += QStringLiteral(" (%1)").arg(pattern);
        out << desc;
    }
    return out.join(QStringLiteral(";;"));
}

std::optional<QString> runDialog(const FileDialogRequest& r, bool save)
{
    QFileDialog dlg(QApplication::activeWindow(), r.title, r.initialDir, qtFilter(r.filter));
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save ? QFileDialog::AnyFile
                         : (r.flags & kDlgFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    if (save && !(r.flags & kDlgOverwritePrompt))
        dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!r.fileName.isEmpty())
        dlg.selectFile(r.fileName);
    // Before the dialog's own overwrite question, so that it asks about the
    // name that will really be written.
    if (!r.defaultSuffix.isEmpty())
        dlg.setDefaultSuffix(r.defaultSuffix);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return dlg.selectedFiles().constFirst();
}
}  // namespace

std::optional<QString> QtFileDialogs::showOpen(const FileDialogRequest& r) { return runDialog(r, false); }
std::optional<QString> QtFileDialogs::showSave(const FileDialogRequest& r) { return runDialog(r, true); }

// ---- help -------------------------------------------------------------------

QtHelp::~QtHelp() { delete window_.data(); }

void QtHelp::showTopic(const QString& helpFile, int topic)
{
    if (!window_) {
        window_ = new QWidget(nullptr, Qt::Window);
        window_->setObjectName(QStringLiteral("guida"));
        window_->resize(560, 460);
        auto* layout = new QVBoxLayout(window_);
        auto* browser = new QTextBrowser(window_);
        browser->setObjectName(QStringLiteral("pagina"));
        browser->setOpenExternalLinks(true);
        layout->addWidget(browser);
        auto* close = new QPushButton(QStringLiteral("Chiudi"), window_);
        QObject::connect(close, &QPushButton::clicked, window_.data(), &QWidget::close);
        layout->addWidget(close, 0, Qt::AlignRight);
    }
    const QMap<int, HelpTopic> topics = readHelpFile(helpFile);
    auto* browser = window_->findChild<QTextBrowser*>(QStringLiteral("pagina"));
    if (const auto it = topics.constFind(topic); it != topics.constEnd()) {
        window_->setWindowTitle(QStringLiteral("Guida di Zolmera - %1").arg(it->title));
        browser->setHtml(QStringLiteral("<h2>%1</h2>%2").arg(it->title.toHtmlEscaped(), it->html));
        browser->setAccessibleName(QStringLiteral("Guida: %1").arg(it->title));
    } else {
        window_->setWindowTitle(QStringLiteral("Guida di Zolmera"));
        browser->setHtml(QStringLiteral("<p>Questa pagina della guida non è disponibile.</p>"));
        browser->setAccessibleName(QStringLiteral("Guida"));
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

// ---- desktop ----------------------------------------------------------------

bool QtDesktop::openUrl(const QString& url) { return QDesktopServices::openUrl(QUrl(url)); }

bool LockFileInstance::anotherCopyRunning()
{
    if (lock_)
        return false;
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    auto lock = std::make_unique<QLockFile>(dir + QStringLiteral("/zolmera.lock"));
    lock->setStaleLockTime(0);   // only a live process holds the game
    if (!lock->tryLock(0))
        return lock->error() == QLockFile::LockFailedError;
    lock_ = std::move(lock);
    return false;
}

// ---- printer ----------------------------------------------------------------

namespace {
class QtPrintJob final : public PrintJob {
public:
    QtPrintJob(const QString& documentName, const QString& pdfFolder) : printer_(QPrinter::HighResolution)
    {
        printer_.setDocName(documentName);
        if (!pdfFolder.isEmpty() || QPrinterInfo::availablePrinters().isEmpty()) {
            toFile_ = true;
            QString dir = pdfFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : pdfFolder;
            if (dir.isEmpty() || !QDir().mkpath(dir))
                dir = QDir::homePath();
            const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh.mm.ss"));
            destination_ = QDir(dir).filePath(QStringLiteral("Zolmera - %1 - %2.pdf").arg(documentName, stamp));
            printer_.setOutputFormat(QPrinter::PdfFormat);
            printer_.setOutputFileName(destination_);
        } else {
            destination_ = printer_.printerName();
        }
        started_ = painter_.begin(&printer_);
        if (!started_)
            error_ = QStringLiteral("Impossibile avviare la stampa su %1.").arg(destination_);
    }

    void setFont(const QString& family, double pointSize, bool bold, bool fixedPitch) override
    {
        if (!started_)
            return;
        QFont f(family);
        f.setPointSizeF(pointSize);
        f.setBold(bold);
        if (fixedPitch) {
            f.setStyleHint(QFont::TypeWriter);
            f.setFixedPitch(true);
        }
        painter_.setFont(f);
    }

    void printAt(int xTwips, int yTwips, const QString& text) override
    {
        if (!started_)
            return;
        const double dpi = printer_.resolution();
        const double ascent = painter_.fontMetrics().ascent();
        painter_.drawText(QPointF(xTwips * dpi / 1440.0, yTwips * dpi / 1440.0 + ascent), text);
    }

    void newPage() override
    {
        if (started_)
            printer_.newPage();
    }

    int pageHeightTwips() const override
    {
        return int(printer_.pageLayout().paintRect(QPageLayout::Inch).height() * 1440);
    }

    int lineHeightTwips() const override
    {
        if (!started_)
            return 240;
        return int(std::ceil(painter_.fontMetrics().lineSpacing() * 1440.0 / printer_.resolution()));
    }

    bool end() override
    {
        if (!started_)
            return false;
        started_ = false;
        if (!painter_.end()) {
            error_ = QStringLiteral("La stampa su %1 non è riuscita.").arg(destination_);
            return false;
        }
        return true;
    }

    QString errorString() const override { return error_; }
    QString destination() const override { return destination_; }
    bool toFile() const override { return toFile_; }

private:
    QPrinter printer_;
    QPainter painter_;
    bool started_ = false;
    QString error_;
    QString destination_;
    bool toFile_ = false;
};
}  // namespace

std::unique_ptr<PrintJob> QtPrinter::begin(const QString& documentName)
{
    return std::make_unique<QtPrintJob>(documentName, pdfFolder_);
}

// ---- ending -----------------------------------------------------------------

void QtProgramControl::endNow()
{
    if (ended_)
        return;
    ended_ = true;
    // No window's closing steps run: stop handing events to the screens, take
    // the windows away and leave the loop.
    loop_.stopDispatching();
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(0);
}

}  // namespace zolmera
