// The board's load with the generated pictures, against decoding the same
// picture files alone: the goal is under three times.
#include "app/composizione.h"
#include "board/frmRuota.h"
#include "platform/fake_platform.h"
#include "platform/pictures.h"
#include "state/context.h"
#include "testkit/board.h"

#include <benchmark/benchmark.h>

#include <QImageReader>

namespace {

using namespace zolmera;

const QStringList kImmagini = {"schermata1.bmp", "carrello1.bmp",   "presenta1.gif", "presenta2.gif",
                               "posizioni1.bmp", "carrello2.bmp",   "postazione1.gif", "postazione2.gif",
                               "portate.bmp",    "menu.bmp"};

QString cartella() { return QStringLiteral(ZOLMERA_PROGRAM_DIR "/images1/"); }

// A world with real pictures and everything else fake, so only the board's
// own work is timed.
struct Mondo {
    explicit Mondo(PictureLoader& pictures)
        : platform{fakes.loop,     fakes.random,  fakes.audio,      pictures,           fakes.messages,
                   fakes.fileDialogs, fakes.help,  fakes.desktop,    fakes.instance,     fakes.systemInfo,
                   fakes.printer,  fakes.program, fakes.fileFaults},
          ctx(platform, QStringLiteral(ZOLMERA_PROGRAM_DIR))
    {
        componi(ctx);
        testing::statoNuovaPartita(ctx.M);
        ctx.M.bytTipoGioco = 0;   // no jackpot file: only the board is timed
    }
    FakePlatform fakes;
    Platform platform;
    AppContext ctx;
};

void caricaTabellone(Mondo& mondo)
{
    mondo.fakes.loop.dispatch([&] {
        frmRuota& R = mondo.ctx.screens.get<frmRuota>();
        benchmark::DoNotOptimize(R.imgRuota2.picture());
        R.unload();
    });
}

void BM_DecodificaImmagini(benchmark::State& state)
{
    for (auto _ : state) {
        for (const QString& nome : kImmagini) {
            QImageReader reader(cartella() + nome);
            reader.setDecideFormatFromContent(true);
            benchmark::DoNotOptimize(QPixmap::fromImage(reader.read()));
        }
    }
}
BENCHMARK(BM_DecodificaImmagini)->Unit(benchmark::kMillisecond);

// Every match loads the board afresh; the first one decodes every picture.
void BM_CaricaTabelloneFreddo(benchmark::State& state)
{
    for (auto _ : state) {
        FilePictureLoader pictures;
        Mondo mondo(pictures);
        caricaTabellone(mondo);
    }
}
BENCHMARK(BM_CaricaTabelloneFreddo)->Unit(benchmark::kMillisecond);

// Later matches find the pictures already decoded.
void BM_CaricaTabelloneCaldo(benchmark::State& state)
{
    FilePictureLoader pictures;
    Mondo mondo(pictures);
    caricaTabellone(mondo);
    for (auto _ : state)
        caricaTabellone(mondo);
}
BENCHMARK(BM_CaricaTabelloneCaldo)->Unit(benchmark::kMillisecond);

}  // namespace
