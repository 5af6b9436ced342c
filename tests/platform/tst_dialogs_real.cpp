// The real message box and file dialog over a screen: the keys typed into
// them are theirs alone. The screen behind, whose window the dialog is
// parented to, must not see them in its key preview nor have its default or
// cancel button pressed by them. The dialogs run their own exec(); the keys
// are posted to them while it runs, and a guard closes a dialog that does
// not close by its keys, so the test never blocks.
#include "platform/controls.h"
#include "platform/qt_services.h"
#include "state/screen.h"
#include "testkit/world.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// Stands for a screen that opens dialogs: the new-game screen with its
// create button, the board with its spin and side-screen keys.
class Dietro final : public Screen {
public:
    explicit Dietro(AppContext& c)
        : Screen(c, QStringLiteral("frmDietro"), 6000, 4000), cmdCrea(*this, QStringLiteral("cmdCrea"), QStringLiteral("Crea")),
          cmdAnnulla(*this, QStringLiteral("cmdAnnulla"), QStringLiteral("Annulla")), txtNome(*this, QStringLiteral("txtNome"))
    {
        cmdCrea.move(300, 2400, 1500, 450);
        cmdAnnulla.move(2100, 2400, 1500, 450);
        txtNome.move(300, 300, 3000, 300);
        cmdCrea.Click = [this] { ++crea; };
        cmdAnnulla.Click = [this] { ++annulla; };
        setDefaultButton(&cmdCrea);
        setCancelButton(&cmdAnnulla);
        setKeyPreview(true);
    }
    void Form_KeyDown(int& code, int) override { log << QStringLiteral("down %1").arg(code); }
    void Form_KeyPress(int& ascii) override { log << QStringLiteral("press %1").arg(ascii); }
    void Form_KeyUp(int& code, int) override { log << QStringLiteral("up %1").arg(code); }

    CommandButton cmdCrea;
    CommandButton cmdAnnulla;
    TextBox txtNome;
    int crea = 0;
    int annulla = 0;
    QStringList log;
};

// A key as the window system queues it: press and release, posted.
void postKey(QWidget* to, Qt::Key key, const QString& text = {})
{
    QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

// Runs the script on the next modal window as soon as its exec() is running;
// a dialog still open after the guard's time is closed, and counted.
class WhileModal {
public:
    explicit WhileModal(std::function<void(QDialog&)> script)
    {
        QTimer::singleShot(0, &guard_, [script = std::move(script), this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                parent = dialog->parentWidget();
                script(*dialog);
            }
        });
        guard_.setSingleShot(true);
        QObject::connect(&guard_, &QTimer::timeout, &guard_, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                guardClosed = true;
                dialog->reject();
            }
        });
        guard_.start(10000);
    }
    QWidget* parent = nullptr;
    bool guardClosed = false;

private:
    QTimer guard_;
};

// The screen shown and active, as it is when one of its handlers asks.
Dietro& apri(TestWorld& w)
{
    auto& form = w.ctx->screens.get<Dietro>();
    w.run([&] { form.show(); });
    form.txtNome.setFocus();
    w.settle();
    return form;
}
}  // namespace

class TestDialogsReal : public QObject {
    Q_OBJECT
private slots:
    // The board's abandon question: a spin key, a side-screen key and Esc.
    void aMessageBoxKeepsItsKeys()
    {
        TestWorld w;
        Dietro& form = apri(w);
        QCOMPARE(QApplication::activeWindow(), form.window());

        WhileModal modal([](QDialog& box) {
            QVERIFY(qobject_cast<QMessageBox*>(&box));
            QWidget* to = box.focusWidget() ? box.focusWidget() : &box;
            postKey(to, Qt::Key_X, "x");
            postKey(to, Qt::Key_F2);
            postKey(to, Qt::Key_Escape);
        });
        QtMessageBoxes boxes;
        const int answer = boxes.msgBox(QStringLiteral("Vuoi abbandonare la partita?"), mb::YesNo | mb::Question, {});
        w.settle();

        QCOMPARE(modal.parent, form.window());
        QCOMPARE(form.log, QStringList{});
        QCOMPARE(form.annulla, 0);
        QCOMPARE(form.crea, 0);
        QVERIFY2(!modal.guardClosed, "Esc must close the box");
        QCOMPARE(answer, mb::No);
    }

    // The new-game save dialog and the resume dialog: a name typed into
    // the file name box and Enter.
    void aFileDialogKeepsItsKeys_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("save") << true << "003" << "x.003";
        QTest::newRow("open") << false << "" << "x";
    }
    void aFileDialogKeepsItsKeys()
    {
        QFETCH(bool, save);
        QFETCH(QString, suffix);
        QFETCH(QString, chosen);
        TestWorld w;
        w.touch("saved1/altro.003");
        if (!save)
            w.touch("saved1/x");
        Dietro& form = apri(w);
        QCOMPARE(QApplication::activeWindow(), form.window());

        bool nonNative = false;
        QStringList words;
        WhileModal modal([&nonNative, &words](QDialog& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            QVERIFY(files);
            nonNative = files->testOption(QFileDialog::DontUseNativeDialog);
            for (auto* label : files->findChildren<QLabel*>())
                words << label->text();
            for (auto* button : files->findChildren<QAbstractButton*>())
                words << button->text().remove(QLatin1Char('&'));
            auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setFocus();
            postKey(name, Qt::Key_X, "x");
            postKey(name, Qt::Key_F3);
            postKey(name, Qt::Key_Return, "\r");
        });
        FileDialogRequest r;
        r.title = save ? QStringLiteral("Nuova stagione") : QStringLiteral("Riprendi stagione");
        r.initialDir = w.path("saved1");
        r.filter = QStringLiteral("Stagioni (*.003)|*.003|Tutti i file|*.*");
        r.flags = save ? kDlgOverwritePrompt : kDlgFileMustExist;
        r.defaultSuffix = suffix;
        QtFileDialogs dialogs;
        const std::optional<QString> path = save ? dialogs.showSave(r) : dialogs.showOpen(r);
        w.settle();

        QVERIFY(nonNative);
        // Qt's own words in the dialog speak Italian like the game.
        QVERIFY2(words.contains(QStringLiteral("Annulla")), qPrintable(words.join(" | ")));
        for (const char* english : {"Look in:", "File name:", "Cancel", "Open", "Save", "Files of type:"})
            QVERIFY2(!words.contains(QLatin1String(english)), english);
        QCOMPARE(modal.parent, form.window());
        QCOMPARE(form.log, QStringList{});
        QCOMPARE(form.crea, 0);
        QCOMPARE(form.annulla, 0);
        QVERIFY2(!modal.guardClosed, "Enter must accept the dialog");
        QCOMPARE(path.value_or(QString()), w.path("saved1/" + chosen));
    }
};

ZOLMERA_TEST_MAIN(TestDialogsReal)
#include "tst_dialogs_real.moc"
