#include "challenges/base/finestra.h"

#include "board/operazioni.h"

#include <QPointer>

namespace zolmera {

FinestraProva::FinestraProva(AppContext& context, const QString& name, const QString& titolo, int argomentoGuida,
                             int larghezza, int altezza)
    : Screen(context, name, larghezza, altezza), argomentoGuida_(argomentoGuida)
{
    setCaption(QStringLiteral("Zolmera"));
    setBackColor(kSfondo);
    setHelpContextId(argomentoGuida);
    lblTitolo.setCaption(titolo);
    lblTitolo.move(120, 120, larghezza - 240, 600);
    lblTitolo.setAlignment(Label::Center);
    lblTitolo.setBackColor(0x1C3FB0);
    lblTitolo.setForeColor(0xFFFFFF);
    lblTitolo.setFontName(QStringLiteral("Comic Sans MS"));
    lblTitolo.setFontSize(20);
    lblTitolo.setFontBold(true);
    // Bottom centre, unless the window's own layout puts it elsewhere.
    cmdEsegui.move((larghezza - 3600) / 2, altezza - 900, 3600, 600);
    cmdEsegui.setBackColor(kGiallo);
    cmdEsegui.setFontName(QStringLiteral("Comic Sans MS"));
    cmdEsegui.setFontSize(12);
    cmdEsegui.setFontBold(true);
    cmdEsegui.Click = [this] { cmdEsegui_Click(); };
    Esci.Click = [this] { Esci_Click(); };
    Guida.Click = [this] { Guida_Click(); };
}

void FinestraProva::scritta(Label& l, double punti, bool grassetto)
{
    l.setBackStyle(0);
    l.setFontName(QStringLiteral("Comic Sans MS"));
    l.setFontSize(punti);
    l.setFontBold(grassetto);
}

void FinestraProva::Esci_Click()
{
    M.intEsci = true;
    unload(UnloadMode::FormCode);
}

void FinestraProva::Guida_Click() { showHelp(argomentoGuida_); }

void FinestraProva::quandoLibera(const std::function<void()>& passo)
{
    if (domandaAperta_)
        rinviati_.push_back(passo);
    else
        passo();
}

void FinestraProva::Form_QueryUnload(bool& cancel, UnloadMode mode)
{
    if (mode != UnloadMode::ControlMenu && !M.intEsci) {
        // Closed by its own hand-back (or by the system): the board is back.
        SbloccaTabellone(ctx, this);
        return;
    }
    domandaAperta_ = true;
    abbandono_ = AbbandonaPartita(ctx);
    domandaAperta_ = false;
    if (abbandono_) {
        rinviati_.clear();
        return;
    }
    cancel = true;
    // What fell due while the question was up runs once this handler has
    // returned, through the same guard: by then the window may be gone, or a
    // second question may be up.
    std::vector<std::function<void()>> passi;
    passi.swap(rinviati_);
    QPointer<FinestraProva> finestra(this);
    for (auto& passo : passi)
        ctx.sys.loop.post([finestra, passo] {
            if (finestra && !finestra->unloaded())
                finestra->quandoLibera(passo);
        });
}

void FinestraProva::Form_Unload(bool&)
{
    // Sounds and timers end with the window (the platform closes every player
    // and stops every timer of a window that unloads).
    if (abbandono_) {
        SbloccaTabellone(ctx, this);
        ChiudiTabellone(ctx);
    }
}

}  // namespace zolmera
