// The booking question under the real clock: a ten-second booking window in
// which nobody books must leave the processor idle (goal: under 2% of one
// core), and a booking key must show the booking within a frame (16 ms).
#include "mondo.h"
#include "board/operazioni.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

using namespace zolmera;
using zolmera::bench::processCpuSeconds;

struct Mondo : bench::TabelloneReale {
    // Arms a question and runs the board's booking window, with `durante`
    // scheduled inside it.
    void finestra(int msDopo, const std::function<void()>& durante)
    {
        loop.dispatch([&] {
            ScriviOpzioni(ctx, "", "", "");
            ctx.M.strRispostaEsatta = "1";
            ArmaDomandaPrenotazione(ctx, "?");
            if (durante)
                QTimer::singleShot(msDopo, durante);
            R->prenotazione.RiattivaTabellone();
        });
        // The time-out's tick ends the question.
        loop.waitUntil(loop.now() + 0.3, [] { return false; });
    }
};

void BM_FinestraPrenotazioneVuota(benchmark::State& state)
{
    Mondo mondo;
    double cpu = 0, durata = 0;
    for (auto _ : state) {
        const double c0 = processCpuSeconds();
        const double t0 = mondo.loop.now();
        mondo.finestra(0, {});
        durata += mondo.loop.now() - t0;
        cpu += processCpuSeconds() - c0;
    }
    state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / durata;
}
BENCHMARK(BM_FinestraPrenotazioneVuota)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the booking key's press to the first paint of the booked station.
class PrimoDisegno : public QObject {
public:
    double quando = -1;
    const EventLoop* orologio = nullptr;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && quando < 0)
            quando = orologio->now();
        return QObject::eventFilter(o, e);
    }
};

void BM_DalTastoAllaPrenotazione(benchmark::State& state)
{
    Mondo mondo;
    std::vector<double> ritardi;
    for (auto _ : state) {
        PrimoDisegno disegno;
        disegno.orologio = &mondo.loop;
        mondo.R->imgPostaz1.widget()->installEventFilter(&disegno);
        double premuto = 0;
        mondo.finestra(300, [&] {
            premuto = mondo.loop.now();
            QWidget* bersaglio = mondo.R->window()->focusWidget();
            QCoreApplication::postEvent(bersaglio ? bersaglio : mondo.R->window(),
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, "z"));
            // The answer comes once the booking has been seen.
            QTimer::singleShot(200, [&] {
                mondo.R->txtRisposta.setText("1");
                mondo.R->prenotazione.cmdOK_Click();
            });
        });
        mondo.R->imgPostaz1.widget()->removeEventFilter(&disegno);
        if (disegno.quando >= 0)
            ritardi.push_back((disegno.quando - premuto) * 1000.0);
        mondo.loop.dispatch([&] {
            // Ready for the next question.
            mondo.ctx.M.bytGiri[1] = 0;
            mondo.R->cmdGira1.setEnabled(false);
        });
    }
    std::sort(ritardi.begin(), ritardi.end());
    state.counters["bookings_seen"] = double(ritardi.size());
    state.counters["delay_median_ms"] = ritardi.empty() ? -1 : ritardi[ritardi.size() / 2];
    state.counters["delay_max_ms"] = ritardi.empty() ? -1 : ritardi.back();
}
BENCHMARK(BM_DalTastoAllaPrenotazione)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
