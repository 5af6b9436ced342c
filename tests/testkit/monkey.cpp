#include "testkit/monkey.h"

#include "app/composizione.h"
#include "board/frmRuota.h"
#include "challenges/base/finestra.h"
#include "platform/controls.h"
#include "platform/multimedia.h"
#include "platform/recordfile.h"
#include "platform/text.h"
#include "platform/timer.h"
#include "records/archivi.h"
#include "state/settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <array>
#include <cmath>

namespace zolmera::testing {

namespace {
constexpr int kRemembered = 50;
constexpr int kMaxNesting = 40;

QString describe(const Form& f, const Control& c) { return f.name() + QLatin1Char('.') + c.name(); }

Qt::Key keyOf(QChar c)
{
    const QChar u = c.toUpper();
    if ((u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9'))
        return Qt::Key(u.unicode());
    return Qt::Key_unknown;
}

// The characters of one result in a season or tournament record.
bool esitoValido(QChar c) { return c == u'n' || c == u'-' || c == u'C' || c == u'S'; }

// A text read back from a record must be what its bytes say, in the game's
// code page: bytes that the reader turned into something else are damage.
bool testoIntegro(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return isCp1252(c); });
}
}  // namespace

Monkey::Monkey(quint64 seed, std::function<void(const QString&)> log)
    : choices_(clock_, seed ^ 0x6D6F6E6B6579ULL), log_(std::move(log))
{
    report_.seed = seed;
    prepareProgramFolder();
    writeSettings();
    newWorld();
}

void Monkey::newWorld()
{
    held_.clear();
    seen_.clear();
    board_.clear();
    modal_ = 0;
    if (world_)
        elapsed_ += world_->fakes.loop.now();
    // Windows go before the services they use.
    if (world_)
        world_->ctx.reset();
    world_ = std::make_unique<World>();
    world_->ctx = std::make_unique<AppContext>(world_->fakes.platform(), dir_.path());
    componi(*world_->ctx);
    if (soloProva_ > 0) {
        auto& c = world_->ctx->catalogo;
        for (std::size_t k = 1; k < c.prove.size(); ++k)
            if (k != std::size_t(soloProva_))
                c.prove[k] = c.prove[std::size_t(soloProva_)];
    }
    world_->fakes.random.seedFallback(report_.seed * 1000003ULL + quint64(++programs_));
    world_->fakes.messages.responder = [this](const FakeMessageBoxes::Asked& a) -> std::pair<int, double> {
        int answer = mb::OK;
        switch (a.flags & 0xF) {
        case mb::YesNo: answer = uniform() < 0.25 ? mb::Yes : mb::No; break;
        case mb::YesNoCancel: answer = std::array{mb::Yes, mb::No, mb::Cancel}[std::size_t(pick(3))]; break;
        case mb::OKCancel: answer = uniform() < 0.5 ? mb::OK : mb::Cancel; break;
        case mb::RetryCancel: answer = uniform() < 0.5 ? mb::Retry : mb::Cancel; break;
        default: break;
        }
        note(QStringLiteral("box \"%1\" -> %2").arg(a.prompt.left(40)).arg(answer));
        // The player reads the box for a while; the program goes on under it
        // but takes no input of his.
        if (uniform() < 0.4) {
            ++modal_;
            EventLoop& loop = world_->fakes.loop;
            loop.waitUntil(loop.now() + 0.01 + uniform() * 6, {});
            --modal_;
        }
        return {answer, 0};
    };
    world_->fakes.fileDialogs.responder = [this](const FakeFileDialogs::Asked& a) -> std::optional<QString> {
        const QDir dir(a.request.initialDir.isEmpty() ? path(QStringLiteral("saved1")) : a.request.initialDir);
        if (uniform() < 0.2) {
            note(QStringLiteral("dialog cancelled"));
            return std::nullopt;
        }
        QString path;
        // The dialog lists the files its filter shows ("description|pattern").
        const QStringList parti = a.request.filter.split(u'|');
        const QStringList existing = dir.entryList(parti.size() >= 2 ? QStringList{parti.at(1)} : QStringList{}, QDir::Files);
        if (!a.save || uniform() < 0.2) {
            if (!existing.isEmpty())
                path = dir.filePath(existing.at(pick(int(existing.size()))));
        }
        if (path.isEmpty()) {
            if (!a.save && (a.request.flags & kDlgFileMustExist)) {
                note(QStringLiteral("dialog: nothing to open"));
                return std::nullopt;
            }
            // A typed name, with or without the extension the dialog adds.
            static const QStringList nomi = {QStringLiteral("Stagione"), QStringLiteral("Torneo"),
                                             QStringLiteral("Inverno"), QStringLiteral("gara"),
                                             QStringLiteral("Coppa d'oro")};
            path = dir.filePath(nomi.at(pick(int(nomi.size()))));
            if (!a.request.defaultSuffix.isEmpty() && uniform() < 0.5)
                path += QLatin1Char('.') + a.request.defaultSuffix;
        }
        note(QStringLiteral("dialog -> %1").arg(QFileInfo(path).fileName()));
        return path;
    };
}

Monkey::~Monkey()
{
    stopped_ = true;
    world_->ctx.reset();
}

QString Monkey::path(const QString& relative) const { return dir_.filePath(relative); }

void Monkey::prepareProgramFolder()
{
    // The pictures and sounds the build made, shared read-only; the folders
    // the game writes are the run's own, the scores as a fresh installation
    // has them.
    const QDir program(QStringLiteral(ZOLMERA_PROGRAM_DIR));
    for (int d = 1; d <= 4; ++d) {
        for (const char* stem : {"images", "sounds", "intro"}) {
            const QString name = QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(d);
            QFile::link(program.filePath(name), path(name));
        }
        const QString saved = QStringLiteral("saved%1").arg(d), scores = QStringLiteral("scores%1").arg(d);
        QDir().mkpath(path(saved));
        QDir().mkpath(path(scores));
        const QDir supplied(program.filePath(scores));
        for (const QString& f : supplied.entryList(QDir::Files))
            QFile::copy(supplied.filePath(f), path(scores + QLatin1Char('/') + f));
    }
    // The quiz the build compiled, read-only like the pictures.
    for (const char* archivio : {"archivio1.dat", "archivio2.dat", "archivio3.dat"})
        QFile::link(program.filePath(QLatin1String(archivio)), path(QLatin1String(archivio)));
}

void Monkey::writeSettings()
{
    RecImpostazioni rec = impostazioniPredefinite();
    static const char* edizioni[] = {"ZOLMER90", "ZOLMER91", "SERO92", "ZOLMER93"};
    rec.ModGioco = QLatin1String(edizioni[pick(4)]);
    const auto interruttore = [this] { return uniform() < 0.75 ? QStringLiteral("Si") : QStringLiteral("No"); };
    rec.Musica = interruttore();
    rec.Parlato = interruttore();
    rec.Effetti = interruttore();
    // The slides now and then, which the player may sit through or cut short.
    rec.Sigla = uniform() < 0.2 ? QStringLiteral("Si") : QStringLiteral("No");
    rec.Conduce = interruttore();
    // Now and then one contestant plays with the mouse.
    const double mouse = uniform();
    if (mouse < 0.15) {
        rec.Prenota[1] = rec.Gira[1] = QStringLiteral("Mouse");
    } else if (mouse < 0.3) {
        rec.Prenota[2] = rec.Gira[2] = QStringLiteral("Mouse");
    }
    RecordFile(path(QLatin1String(kFileImpostazioni))).writeSlot(1, codificaImpostazioni(rec));
}

MonkeyReport Monkey::run(int matches, qint64 maxInputs)
{
    matchesWanted_ = matches;
    maxInputs_ = maxInputs;
    start();
    while (!stopped_) {
        if (world_->fakes.program.ended()) {
            // The player left; he starts the program again, and finds his
            // files as he left them.
            checkFiles();
            if (stopped_)
                break;
            note(QStringLiteral("the program ended"));
            newWorld();
            start();
            continue;
        }
        VirtualEventLoop& loop = world_->fakes.loop;
        const double before = loop.now();
        loop.advance(1.0);
        QCoreApplication::processEvents();
        if (loop.now() <= before) {
            fail(QStringLiteral("the clock stopped"));
            break;
        }
    }
    if (report_.failure.isEmpty())
        checkFiles();
    stopped_ = true;
    report_.virtualSeconds = elapsed_ + world_->fakes.loop.now();
    return report_;
}

void Monkey::start()
{
    AppContext& ctx = *world_->ctx;
    note(QStringLiteral("start"));
    world_->fakes.loop.dispatch([&] {
        Form* menu = ctx.rotte.carica(Schermo::Avvio);
        if (menu && !ctx.sys.program.ended())
            menu->show();
    });
    schedule();
}

double Monkey::randomDelay()
{
    // Mostly quick hands, now and then a long pause: log-uniform over
    // 10 ms to 5 s, so reading times, countdowns and time-outs all pass.
    return 0.01 * std::pow(500.0, uniform());
}

int Monkey::pick(int n) { return std::min(n - 1, int(uniform() * n)); }
double Monkey::uniform() { return choices_.rnd(); }

void Monkey::schedule()
{
    if (stopped_)
        return;
    world_->fakes.loop.startSingleShot(randomDelay(), [this] { step(); });
}

void Monkey::step()
{
    static thread_local int depth = 0;
    if (stopped_ || world_->fakes.program.ended())
        return;
    if (depth > kMaxNesting) {
        fail(QStringLiteral("inputs nested %1 deep in waiting handlers").arg(depth));
        return;
    }
    ++depth;
    // The next step is due whatever this input starts: a countdown it opens
    // runs the loop, and the player goes on meanwhile.
    schedule();
    ++steps_;
    QCoreApplication::processEvents();
    check();
    if (!stopped_ && modal_ == 0) {
        act();
        if (!stopped_ && !world_->fakes.program.ended())
            check();
    }
    if (steps_ >= maxInputs_ || report_.matches >= matchesWanted_)
        stopped_ = true;
    --depth;
}

void Monkey::note(const QString& input)
{
    const QString line = QStringLiteral("%1 s #%2 %3").arg(world_->fakes.loop.now(), 0, 'f', 3).arg(steps_).arg(input);
    lastInputs_.push_back(line);
    if (lastInputs_.size() > kRemembered)
        lastInputs_.pop_front();
    if (log_)
        log_(line);
}

void Monkey::fail(const QString& why)
{
    if (!report_.failure.isEmpty())
        return;
    QStringList lines;
    lines << QStringLiteral("seed %1, step %2, %3 s: %4").arg(report_.seed).arg(steps_).arg(world_->fakes.loop.now()).arg(why);
    lines << QStringLiteral("last inputs:");
    for (const QString& l : lastInputs_)
        lines << QStringLiteral("  ") + l;
    report_.failure = lines.join(u'\n');
    stopped_ = true;
}

// ---- what a player can reach -----------------------------------------------

std::vector<Form*> Monkey::openForms() const
{
    std::vector<Form*> out;
    for (Form* f : world_->ctx->screens.loaded())
        if (f->loaded() && f->visible())
            out.push_back(f);
    return out;
}

Form* Monkey::keyWindow() const
{
    Form* active = world_->ctx->screens.active();
    if (active && active->loaded() && active->visible())
        return active;
    const std::vector<Form*> open = openForms();
    return open.empty() ? nullptr : open.back();
}

std::vector<Control*> Monkey::reachableControls() const
{
    std::vector<Control*> out;
    for (Form* f : openForms()) {
        if (!f->enabled())
            continue;
        for (Control* c : f->controls()) {
            QWidget* w = c->widget();
            if (w && w->isVisible() && w->isEnabled() && w->width() > 0 && w->height() > 0)
                out.push_back(c);
        }
    }
    return out;
}

// ---- inputs -------------------------------------------------------------

void Monkey::act()
{
    if (!held_.empty() && uniform() < 0.3) {
        releaseHeld(std::size_t(pick(int(held_.size()))));
        return;
    }
    // Weights: what a player mostly does, without starving the rest.
    double r = uniform() * 100;
    // In a challenge, the contestants' keys more often than not.
    if (dynamic_cast<FinestraProva*>(keyWindow()) && uniform() < 0.5)
        r = 30;
    bool done = false;
    // Where the game is played by dragging, a good share of the inputs drag.
    if (r >= 30 && r < 62 && uniform() < 0.6 && dragSomething()) {
        ++report_.inputs;
        return;
    }
    if (r < 22)
        done = clickSomething(true);
    else if (r < 45)
        done = contestantControl();
    else if (r < 62)
        done = clickSomething(false);
    else if (r < 76)
        done = typeSomething();
    else if (r < 84)
        done = functionKey();
    else if (r < 88)
        done = menuItem();
    else if (r < 89.5)
        done = closeBox();
    if (!done)
        note(QStringLiteral("wait"));
    ++report_.inputs;
}

bool Monkey::clickSomething(bool stepButtonFirst)
{
    const std::vector<Control*> targets = reachableControls();
    if (targets.empty())
        return false;
    Control* chosen = nullptr;
    if (stepButtonFirst) {
        // The step button and the start buttons move a match on.
        std::vector<Control*> buttons;
        for (Control* c : targets)
            if (dynamic_cast<CommandButton*>(c))
                buttons.push_back(c);
        for (Control* c : buttons)
            if (c->name() == QLatin1String("cmdFine") || c->name() == QLatin1String("cmdEsegui"))
                chosen = c;
        if (!chosen && !buttons.empty())
            chosen = buttons.at(std::size_t(pick(int(buttons.size()))));
    }
    if (!chosen)
        chosen = targets.at(std::size_t(pick(int(targets.size()))));
    // Leaving the start screen by its Esci ends the run; let it happen rarely.
    if (chosen->name() == QLatin1String("cmdEsci") && uniform() < 0.97)
        return false;
    QWidget* w = chosen->widget();
    note(QStringLiteral("click %1").arg(describe(chosen->form(), *chosen)));
    const bool box = w->inherits("QCheckBox") || w->inherits("QRadioButton");
    const QPoint at = box ? QPoint(6, w->height() / 2) : w->rect().center();
    const Qt::MouseButton button = uniform() < 0.9 ? Qt::LeftButton : Qt::RightButton;
    QTest::mouseClick(w, button, Qt::NoModifier, at);
    return true;
}

bool Monkey::contestantControl()
{
    const Modulo1& M = world_->ctx->M;
    const int w = 1 + pick(2);
    // Booking and spin controls above all; the direction keys are also the
    // answer keys of some challenges.
    // In a challenge the direction keys are the game's own keys.
    const bool sfida = dynamic_cast<FinestraProva*>(keyWindow()) != nullptr;
    const double r = sfida ? 0.7 + uniform() * 0.3 : uniform();
    const bool spin = r < 0.4;
    QString control;
    if (spin)
        control = w == 1 ? M.strGira1 : M.strGira2;
    else if (r < 0.7)
        control = w == 1 ? M.strPrenota1 : M.strPrenota2;
    else {
        const QString direzioni[2][4] = {{M.strSu1, M.strGiu1, M.strSx1, M.strDx1}, {M.strSu2, M.strGiu2, M.strSx2, M.strDx2}};
        control = direzioni[w - 1][pick(4)];
    }
    const QString kind = spin ? QStringLiteral("spin") : r < 0.7 ? QStringLiteral("booking") : QStringLiteral("direction");
    // A spin is held to charge its force; the others are quick presses.
    const double hold = spin ? 0.05 + uniform() * 3 : 0.02 + uniform() * 0.3;
    if (control == QLatin1String("Mouse")) {
        std::vector<QWidget*> targets;
        if (board_ && board_->loaded() && board_->visible() && board_->enabled())
            targets.push_back(board_->surface());
        for (Control* c : reachableControls())
            if (&c->form() == board_.data())
                targets.push_back(c->widget());
        if (targets.empty())
            return false;
        pressMouse(targets.at(std::size_t(pick(int(targets.size())))), spin ? Qt::RightButton : Qt::LeftButton,
                   QStringLiteral("contestant %1 %2 (mouse)").arg(w).arg(kind), hold);
        return true;
    }
    if (control.isEmpty())
        return false;
    Form* f = keyWindow();
    if (!f)
        return false;
    QWidget* target = f->window()->focusWidget() ? f->window()->focusWidget() : f->window();
    const QChar c = control.at(0);
    const QString text = uniform() < 0.8 ? QString(c.toLower()) : QString(c.toUpper());
    pressKey(target, keyOf(c), text, QStringLiteral("contestant %1 %2 key %3 on %4").arg(w).arg(kind, text, f->name()), hold);
    return true;
}

bool Monkey::typeSomething()
{
    Form* f = keyWindow();
    if (!f)
        return false;
    QWidget* focus = f->window()->focusWidget();
    // A player types into a box he has clicked.
    if (!qobject_cast<QLineEdit*>(focus) && uniform() < 0.6) {
        std::vector<QWidget*> boxes;
        for (Control* c : reachableControls())
            if (&c->form() == f && qobject_cast<QLineEdit*>(c->widget()))
                boxes.push_back(c->widget());
        if (!boxes.empty()) {
            QWidget* b = boxes.at(std::size_t(pick(int(boxes.size()))));
            note(QStringLiteral("click the box %1").arg(b->objectName()));
            QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
            focus = f->window()->focusWidget();
        }
    }
    QWidget* target = focus ? focus : f->window();
    const bool box = qobject_cast<QLineEdit*>(focus) || qobject_cast<QTextEdit*>(focus);
    // Mostly letters; some digits and blanks; now and then a character the
    // files cannot hold, or the right answer, which a lucky player might know.
    QString text;
    const bool risposta = focus && focus->objectName() == QLatin1String("txtRisposta");
    if (box && uniform() < (risposta ? 0.5 : 0.1)) {
        text = world_->ctx->M.strRispostaEsatta;
    } else {
        const int n = box ? 1 + pick(8) : 1;
        static const QString altri = QStringLiteral(" 0123456789€éŁ'");
        for (int i = 0; i < n; ++i)
            text += uniform() < 0.8 ? QChar(u'a' + pick(26)) : altri.at(pick(int(altri.size())));
    }
    note(QStringLiteral("type \"%1\" on %2").arg(text, f->name()));
    for (QChar c : text) {
        QPointer<QWidget> t = target;
        QKeyEvent press(QEvent::KeyPress, keyOf(c), Qt::NoModifier, QString(c));
        QCoreApplication::instance()->notify(t, &press);
        if (!t)
            break;
        QKeyEvent release(QEvent::KeyRelease, keyOf(c), Qt::NoModifier, QString(c));
        QCoreApplication::instance()->notify(t, &release);
        if (!t || stopped_)
            break;
    }
    return true;
}

bool Monkey::functionKey()
{
    Form* f = keyWindow();
    if (!f)
        return false;
    static const std::array<std::pair<Qt::Key, const char*>, 10> keys = {{{Qt::Key_F1, "F1"},
                                                                           {Qt::Key_F2, "F2"},
                                                                           {Qt::Key_F3, "F3"},
                                                                           {Qt::Key_F4, "F4"},
                                                                           {Qt::Key_Return, "Enter"},
                                                                           {Qt::Key_Return, "Enter"},
                                                                           {Qt::Key_Escape, "Esc"},
                                                                           {Qt::Key_Tab, "Tab"},
                                                                           {Qt::Key_Space, "Space"},
                                                                           {Qt::Key_Left, "Left"}}};
    const auto& [key, name] = keys.at(std::size_t(pick(int(keys.size()))));
    QWidget* target = f->window()->focusWidget() ? f->window()->focusWidget() : f->window();
    const QString text = key == Qt::Key_Return ? QStringLiteral("\r")
                       : key == Qt::Key_Escape ? QStringLiteral("\x1b")
                       : key == Qt::Key_Space  ? QStringLiteral(" ")
                       : key == Qt::Key_Tab    ? QStringLiteral("\t")
                                               : QString();
    pressKey(target, key, text, QStringLiteral("%1 on %2").arg(QLatin1String(name), f->name()), 0.02 + uniform() * 0.1);
    return true;
}

bool Monkey::menuItem()
{
    std::vector<std::pair<Form*, Menu*>> items;
    for (Form* f : openForms())
        if (f->enabled())
            for (Menu* m : f->menus())
                if (m->enabled() && m->visible() && m->Click)
                    items.emplace_back(f, m);
    if (items.empty())
        return false;
    auto [f, m] = items.at(std::size_t(pick(int(items.size()))));
    note(QStringLiteral("menu %1.%2").arg(f->name(), m->name()));
    m->click();
    return true;
}

bool Monkey::closeBox()
{
    const std::vector<Form*> open = openForms();
    if (open.empty())
        return false;
    Form* f = open.at(std::size_t(pick(int(open.size()))));
    // The start screen's close box ends the run; let it happen rarely.
    if (f->name() == QLatin1String("frmMenu") && uniform() < 0.97)
        return false;
    note(QStringLiteral("close box of %1").arg(f->name()));
    f->window()->close();
    return true;
}

void Monkey::pressKey(QWidget* target, Qt::Key key, const QString& text, const QString& what, double holdFor)
{
    note(QStringLiteral("press %1").arg(what));
    QPointer<QWidget> t = target;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::instance()->notify(target, &press);
    held_.push_back(Held{Held::Key, t, {}, key, text, Qt::NoButton, what});
    // Let go after a while, unless a step lets go first.
    const QString id = what;
    world_->fakes.loop.startSingleShot(holdFor, [this, id] {
        for (std::size_t i = 0; i < held_.size(); ++i)
            if (held_[i].kind == Held::Key && held_[i].what == id) {
                releaseHeld(i);
                return;
            }
    });
}

void Monkey::pressMouse(QWidget* target, Qt::MouseButton button, const QString& what, double holdFor)
{
    note(QStringLiteral("press %1").arg(what));
    QPointer<QWidget> t = target;
    QTest::mousePress(target, button, Qt::NoModifier, target->rect().center());
    held_.push_back(Held{Held::Mouse, t, {}, Qt::Key_unknown, {}, button, what});
    const QString id = what;
    world_->fakes.loop.startSingleShot(holdFor, [this, id] {
        for (std::size_t i = 0; i < held_.size(); ++i)
            if (held_[i].kind == Held::Mouse && held_[i].what == id) {
                releaseHeld(i);
                return;
            }
    });
}

bool Monkey::dragSomething()
{
    Form* f = keyWindow();
    if (!f)
        return false;
    std::vector<Control*> sources;
    std::vector<Control*> targets;
    for (Control* c : reachableControls())
        if (&c->form() == f) {
            targets.push_back(c);
            if (c->dragMode() == 1)
                sources.push_back(c);
        }
    if (sources.empty())
        return false;
    Control* source = sources.at(std::size_t(pick(int(sources.size()))));
    // Now and then onto nothing: the window's own surface.
    QWidget* drop = uniform() < 0.1 ? f->surface() : targets.at(std::size_t(pick(int(targets.size()))))->widget();
    const QString what = QStringLiteral("drag %1 onto %2").arg(describe(*f, *source), drop->objectName());
    note(QStringLiteral("press %1").arg(what));
    QTest::mousePress(source->widget(), Qt::LeftButton, Qt::NoModifier, source->widget()->rect().center());
    held_.push_back(Held{Held::Drag, source->widget(), drop, Qt::Key_unknown, {}, Qt::LeftButton, what});
    // Held for a moment, sometimes across the end of a turn.
    world_->fakes.loop.startSingleShot(0.05 + uniform() * 2, [this, what] {
        for (std::size_t i = 0; i < held_.size(); ++i)
            if (held_[i].kind == Held::Drag && held_[i].what == what) {
                releaseHeld(i);
                return;
            }
    });
    return true;
}

void Monkey::releaseHeld(std::size_t index)
{
    if (stopped_ || world_->fakes.program.ended())
        return;
    const Held h = held_.at(index);
    held_.erase(held_.begin() + std::ptrdiff_t(index));
    note(QStringLiteral("release %1").arg(h.what));
    // A player always lets a held control go, box or no box: the drop finds
    // its window disabled then.
    if (h.kind == Held::Drag) {
        QWidget* over = h.dropOn && h.dropOn->isVisible() ? h.dropOn.data() : h.target.data();
        if (over)
            QTest::mouseRelease(over, Qt::LeftButton, Qt::NoModifier, over->rect().center());
        return;
    }
    // With a box up the release goes to the box, as a modal box takes the
    // keyboard and the mouse from the windows behind it.
    if (modal_ > 0)
        return;
    if (h.kind == Held::Mouse) {
        // The release goes to the widget that took the press.
        if (h.target && h.target->isVisible())
            QTest::mouseRelease(h.target, h.button, Qt::NoModifier, h.target->rect().center());
        return;
    }
    // A key's release goes wherever the keyboard is now.
    Form* f = keyWindow();
    if (!f)
        return;
    QWidget* target = f->window()->focusWidget() ? f->window()->focusWidget() : f->window();
    QKeyEvent release(QEvent::KeyRelease, h.key, Qt::NoModifier, h.text);
    QCoreApplication::instance()->notify(target, &release);
}

// ---- the checks ---------------------------------------------------------

void Monkey::check()
{
    if (stopped_ || world_->fakes.program.ended())
        return;
    for (Form* f : world_->ctx->screens.loaded()) {
        report_.windows.insert(f->name());
        if (std::find(seen_.begin(), seen_.end(), f) == seen_.end())
            seen_.emplace_back(f);
    }
    checkMatches();
    checkState();
    checkChallenges();
    checkClosedWindows();
    if (modal_ == 0)
        checkWayForward();
}

void Monkey::checkWayForward()
{
    if (stopped_)
        return;
    if (!reachableControls().empty())
        return;
    for (Form* f : openForms())
        if (f->enabled())
            for (Menu* m : f->menus())
                if (m->enabled() && m->visible() && m->Click)
                    return;
    for (Form* f : world_->ctx->screens.loaded())
        for (Timer* t : f->timers())
            if (t->running())
                return;
    QStringList windows;
    for (Form* f : world_->ctx->screens.loaded())
        windows << QStringLiteral("%1 (%2, %3)")
                       .arg(f->name(), f->visible() ? "shown" : "hidden", f->enabled() ? "enabled" : "disabled");
    fail(QStringLiteral("dead end: nothing to press and nothing running; windows: %1").arg(windows.join(", ")));
}

void Monkey::checkChallenges()
{
    if (stopped_)
        return;
    int challenges = 0;
    int others = 0;
    for (Form* f : openForms()) {
        if (dynamic_cast<FinestraProva*>(f))
            ++challenges;
        else if (f != board_.data())
            ++others;
    }
    if (challenges > 1)
        fail(QStringLiteral("%1 challenge windows open at once").arg(challenges));
    else if (board_ && board_->loaded()) {
        if (challenges == 1 && board_->enabled())
            fail(QStringLiteral("a challenge window is open and the board takes input"));
        else if (!board_->enabled() && challenges == 0 && others == 0)
            fail(QStringLiteral("dead end: the board is disabled and no window is open over it"));
    }
}

void Monkey::checkClosedWindows()
{
    if (stopped_)
        return;
    for (const QPointer<Form>& f : seen_) {
        if (!f || f->loaded())
            continue;
        for (Timer* t : f->timers())
            if (t->running())
                fail(QStringLiteral("timer %1.%2 ticks in a closed window").arg(f->name(), t->name()));
        for (MultimediaControl* m : f->players())
            if (m->isPlaying())
                fail(QStringLiteral("player %1.%2 plays in a closed window").arg(f->name(), m->name()));
    }
}

void Monkey::checkState()
{
    if (stopped_)
        return;
    const Modulo1& M = world_->ctx->M;
    QStringList wrong;
    for (int w = 1; w <= 2; ++w) {
        if (M.bytGiri[w] > 3)
            wrong << QStringLiteral("bytGiri(%1) = %2").arg(w).arg(M.bytGiri[w]);
        if (M.lngVincita[w] < 0)
            wrong << QStringLiteral("lngVincita(%1) = %2").arg(w).arg(M.lngVincita[w]);
    }
    if (M.bytConcorrente > 2)
        wrong << QStringLiteral("bytConcorrente = %1").arg(M.bytConcorrente);
    if (M.bytMenuCompleto > 3)
        wrong << QStringLiteral("bytMenuCompleto = %1").arg(M.bytMenuCompleto);
    // Between two ticks of the turning wheel the cell after 47 is held as -1,
    // so that the next tick shows 0.
    const bool gira = board_ && board_->loaded() && static_cast<const frmRuota&>(*board_).tmrTempo.enabled();
    if (M.varPosRuota < (gira ? -1 : 0) || M.varPosRuota > 47)
        wrong << QStringLiteral("varPosRuota = %1").arg(M.varPosRuota);
    if (board_ && board_->loaded()) {
        const auto& R = static_cast<const frmRuota&>(*board_);
        if (R.turni.intTurno < 0 || R.turni.intTurno > 8)
            wrong << QStringLiteral("intTurno = %1").arg(R.turni.intTurno);
        for (int w = 1; w <= 2; ++w)
            if (R.esito.varPortateVinte[w] < 0 || R.esito.varPortateVinte[w] > 5)
                wrong << QStringLiteral("varPortateVinte(%1) = %2").arg(w).arg(R.esito.varPortateVinte[w]);
        // The step button never offers the next step under something still
        // under way: it would start that step beneath it.
        const frmRuota::Attivita a = R.attivita();
        if (R.cmdFine.visible() && R.cmdFine.enabled() && a.inCorso())
            wrong << QStringLiteral("the step button is live during %1")
                         .arg(a.giro ? "a spin" : a.celebrazione ? "the celebration" : a.sceltaJolly ? "the jolly's choice"
                                  : a.prova                    ? "a challenge"
                                                               : "a question");
    }
    if (!wrong.isEmpty())
        fail(QStringLiteral("state out of range: %1").arg(wrong.join(", ")));
}

void Monkey::checkMatches()
{
    frmRuota* R = world_->ctx->screens.find<frmRuota>();
    const double now = world_->fakes.loop.now();
    if (board_ && (!R || R != board_.data() || !board_->loaded())) {
        ++report_.matches;
        if (boardFinishing_)
            ++report_.finished;
        report_.courses += coursesNow_;
        report_.menus += menusNow_;
        board_.clear();
        checkFiles();
    }
    if (R && R->loaded() && !board_) {
        board_ = R;
        boardSince_ = now;
    }
    if (board_) {
        const auto& B = static_cast<frmRuota&>(*board_);
        boardFinishing_ = B.cmdFine.caption() == QLatin1String("Fine partita");
        coursesNow_ = B.esito.varPortateVinte[1] + B.esito.varPortateVinte[2];
        menusNow_ = (world_->ctx->M.bytMenuCompleto & 1) + (world_->ctx->M.bytMenuCompleto >> 1 & 1);
        if (now - boardSince_ > kMatchBound)
            fail(QStringLiteral("a match has gone on for %1 virtual hours").arg((now - boardSince_) / 3600, 0, 'f', 1));
    }
}

void Monkey::checkFiles()
{
    if (!report_.failure.isEmpty())
        return;
    QDirIterator it(dir_.path(), QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            fail(QStringLiteral("%1 cannot be read back").arg(path));
            return;
        }
        const QByteArray bytes = f.readAll();
        const QString name = info.fileName().toLower();
        const QString ext = info.suffix().toLower();
        if (bytes.size() % kRecordSlot != 0) {
            fail(QStringLiteral("%1 is %2 bytes, not whole slots").arg(path).arg(bytes.size()));
            return;
        }
        QStringList wrong;
        const int quanti = int(bytes.size() / kRecordSlot);
        for (int s = 0; s < quanti; ++s) {
            const QByteArray slot = bytes.mid(qsizetype(s) * kRecordSlot, kRecordSlot);
            if (name == QLatin1String(kFileImpostazioni)) {
                if (s == 0 && !decodificaImpostazioni(slot))
                    wrong << QStringLiteral("the settings record does not read");
            } else if (name == QLatin1String("mtpremi.dat") || ext == QLatin1String("m02") || ext == QLatin1String("m03")) {
                const RecMontepremi r = RecMontepremi::decodifica(slot);
                if (s == 0 && (r.Giocate < 0 || r.Totale < 0 || r.Montepremi < 0))
                    wrong << QStringLiteral("jackpot record %1/%2/%3").arg(r.Giocate).arg(r.Totale).arg(r.Montepremi);
            } else if (name.startsWith(QLatin1String("score")) || ext == QLatin1String("d03")) {
                const RecPunteggio r = RecPunteggio::decodifica(slot);
                if (!testoIntegro(r.Nome) || r.Gare < 0 || r.Campione < 0 || r.Super < 0 || r.Vincita < 0)
                    wrong << QStringLiteral("score slot %1").arg(s + 1);
            } else if (ext == QLatin1String("003")) {
                const RecPostazioneStagione r = RecPostazioneStagione::decodifica(slot);
                bool ok = testoIntegro(r.Nome) && r.Partite >= 0 && r.Partite <= 300 && r.Vincita >= 0;
                for (int k = 1; k <= 30; ++k)
                    ok = ok && esitoValido(r.Esiti[k]);
                if (!ok)
                    wrong << QStringLiteral("season seat %1").arg(s + 1);
            } else if (ext == QLatin1String("002")) {
                const RecGiocatoreCampionato r = RecGiocatoreCampionato::decodifica(slot);
                bool ok = testoIntegro(r.Nome) && r.Punti >= 0 && r.Vincita >= 0;
                for (int k = 1; k <= 6; ++k)
                    ok = ok && esitoValido(r.Esiti[k]);
                if (!ok)
                    wrong << QStringLiteral("tournament player %1").arg(s + 1);
            } else if (ext == QLatin1String("d02")) {
                const RecGiornataCampionato r = RecGiornataCampionato::decodifica(slot);
                if (!testoIntegro(r.Casa1) || !testoIntegro(r.Fuori1) || !testoIntegro(r.Casa2) || !testoIntegro(r.Fuori2))
                    wrong << QStringLiteral("matchday %1").arg(s + 1);
            }
        }
        // A season or a tournament can be resumed only with its companions.
        for (const auto& [principale, compagni] : {std::pair{QStringLiteral("003"), QStringList{"d03", "m03"}},
                                                   std::pair{QStringLiteral("002"), QStringList{"d02", "m02"}}})
            if (ext == principale)
                for (const QString& c : compagni)
                    if (!QFileInfo::exists(percorsoCompagno(path, QLatin1Char('.') + c)))
                        wrong << QStringLiteral("no %1 beside it").arg(c);
        if (!wrong.isEmpty()) {
            fail(QStringLiteral("%1 reads back broken: %2").arg(path, wrong.join(", ")));
            return;
        }
    }
}

}  // namespace zolmera::testing
