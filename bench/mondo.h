#pragma once
// A match board shown under the real clock with the generated pictures;
// sounds and dialogs stay fake, so only the board's own work is measured.
#include "tempo_cpu.h"

#include "app/composizione.h"
#include "board/frmRuota.h"
#include "platform/fake_platform.h"
#include "platform/pictures.h"
#include "platform/qt_eventloop.h"
#include "state/context.h"
#include "testkit/board.h"

namespace zolmera::bench {

struct TabelloneReale {
    TabelloneReale()
        : platform{loop,          fakes.random, fakes.audio,      pictures,           fakes.messages,
                   fakes.fileDialogs, fakes.help, fakes.desktop,    fakes.instance,     fakes.systemInfo,
                   fakes.printer, fakes.program, fakes.fileFaults},
          ctx(platform, QStringLiteral(ZOLMERA_PROGRAM_DIR))
    {
        componi(ctx);
        testing::statoNuovaPartita(ctx.M);
        ctx.M.bytTipoGioco = 0;
        loop.dispatch([&] {
            R = &ctx.screens.get<frmRuota>();
            R->show();
        });
    }
    ~TabelloneReale()
    {
        loop.dispatch([&] { R->unload(); });
    }
    QtEventLoop loop;
    FakePlatform fakes;
    FilePictureLoader pictures;
    Platform platform;
    AppContext ctx;
    frmRuota* R = nullptr;
};

}  // namespace zolmera::bench
