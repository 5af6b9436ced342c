#pragma once
// The monkey: a player who knows no rule of the game. From the start screen
// it presses whatever a window offers (visible, enabled controls in enabled
// windows, menus, the close box, the contestants' keys and mouse buttons,
// letters, digits, F-keys, Enter and Esc) at random virtual times, answers
// every box and dialog at random, and after every step checks that the game
// is still whole. A seed gives the same run, input for input.
#include "platform/fake_platform.h"
#include "platform/form.h"
#include "state/context.h"

#include <QTemporaryDir>

#include <QPointer>
#include <QSet>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace zolmera::testing {

struct MonkeyReport {
    quint64 seed = 0;
    int matches = 0;      // boards that reached their end step or an abandon
    int finished = 0;     // of those, the ones closed by "Fine partita"
    qint64 inputs = 0;
    int courses = 0;          // courses won on the wheel or by the jolly
    int menus = 0;            // menus completed
    double virtualSeconds = 0;
    QSet<QString> windows;   // every window the run saw open
    QString failure;         // empty when the game stayed whole
};

class Monkey {
public:
    // With a log, each input is printed as it is sent: the replay of a seed.
    explicit Monkey(quint64 seed, std::function<void(const QString&)> log = {});
    ~Monkey();
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    // Plays until this many matches have ended, the program ends, a check
    // fails or the inputs run out.
    MonkeyReport run(int matches, qint64 maxInputs = 100000);
    // Every full challenge the board launches is this one (1..20): a long
    // run on one window. 0 leaves the draw alone.
    void soloProva(int titolo) { soloProva_ = titolo; }

    // A match that neither ends nor is abandoned within this much virtual
    // time is stuck.
    static constexpr double kMatchBound = 4 * 3600.0;

private:
    struct Held {
        enum Kind { Key, Mouse, Drag } kind;
        QPointer<QWidget> target;
        QPointer<QWidget> dropOn;   // a drag's release, when it is not the press's widget
        Qt::Key key;
        QString text;
        Qt::MouseButton button;
        QString what;
    };

    // One run of the program: its services and its screens. The program's
    // folder outlives it, as a player's files outlive the program.
    struct World {
        FakePlatform fakes;
        std::unique_ptr<AppContext> ctx;
    };

    void newWorld();
    QString path(const QString& relative) const;
    void prepareProgramFolder();
    void writeSettings();
    void start();
    void schedule();
    void step();
    void act();
    void fail(const QString& why);
    void note(const QString& input);

    // Inputs.
    bool clickSomething(bool stepButtonFirst);
    bool contestantControl();
    bool typeSomething();
    bool functionKey();
    bool menuItem();
    bool closeBox();
    bool dragSomething();
    void releaseHeld(std::size_t index);
    void pressKey(QWidget* target, Qt::Key key, const QString& text, const QString& what, double holdFor);
    void pressMouse(QWidget* target, Qt::MouseButton button, const QString& what, double holdFor);

    // What a player can reach.
    std::vector<Form*> openForms() const;
    Form* keyWindow() const;
    std::vector<Control*> reachableControls() const;

    // The checks.
    void check();
    void checkWayForward();
    void checkChallenges();
    void checkClosedWindows();
    void checkState();
    void checkMatches();
    void checkFiles();

    double randomDelay();
    int pick(int n);
    double uniform();

    QTemporaryDir dir_;
    std::unique_ptr<World> world_;
    VirtualEventLoop clock_;   // the monkey's own draws never reseed
    SeededRandom choices_;
    int programs_ = 0;
    double elapsed_ = 0;
    std::function<void(const QString&)> log_;
    MonkeyReport report_;
    std::deque<QString> lastInputs_;
    std::vector<Held> held_;
    std::vector<QPointer<Form>> seen_;
    QPointer<Form> board_;
    double boardSince_ = 0;
    bool boardFinishing_ = false;
    int coursesNow_ = 0;
    int menusNow_ = 0;
    int modal_ = 0;
    qint64 steps_ = 0;
    qint64 maxInputs_ = 0;
    int matchesWanted_ = 0;
    bool stopped_ = false;
    int soloProva_ = 0;
};

}  // namespace zolmera::testing
