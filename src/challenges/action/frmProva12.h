#pragma once
// "I PREDATORI DELLA CHIAVE PERDUTA": ten keys lie in the field and only one,
// drawn in secret, opens the gate. The dog and the rabbit pick keys up and
// swap them past six patrolling guards, who send a figure they meet back to
// the start; the first to bring the right key to the gate wins.
#include "challenges/action/corsa.h"
#include "platform/timer.h"
#include "state/vbtypes.h"

namespace zolmera {

class frmProva12 final : public ProvaCorsa {
public:
    explicit frmProva12(AppContext& context);

    Image cancello{Frame1, QStringLiteral("cancello")};
    ControlArray<Image> chiave;
    ControlArray<Image> guardiano;
    // The key each contestant carries, shown on the scoreboard.
    Image chiavecane{*this, QStringLiteral("chiavecane")};
    Image chiaveconiglio{*this, QStringLiteral("chiaveconiglio")};
    // Never shown: the key that opens the gate, and the key a figure puts
    // down while it picks up another.
    Image chiavevince{*this, QStringLiteral("chiavevince")};
    Image lasciacane{*this, QStringLiteral("lasciacane")};
    Image lasciaconiglio{*this, QStringLiteral("lasciaconiglio")};
    Timer tmrSecondi{*this, QStringLiteral("tmrSecondi"), 100, false};

    qint16 intChiaveVincente = 0;
    // Guards 0 and 1 run left and right, the others down and up.
    VbArray<Direzione, 0, 5> strDirezione;

    void tmrSecondi_Timer();
    void ControllaMossaCane();
    void ControllaMossaConiglio();
    void CatturaCane();
    void CatturaConiglio();

    static constexpr int kChiavi = 10, kGuardiani = 6;
    static constexpr int kMinLeft = 120, kMaxLeft = 4920, kMinTop = 240, kMaxTop = 3840;
    static constexpr int kViaLeft = 2520, kViaTop = 3840;
    static constexpr int kCancelloLeft = 2520, kCancelloTop = 540;

protected:
    void caricaGioco() override;
    void avvia() override;
    bool puoEssereNulla() const override { return false; }
    void tastoGioco(int& keyAscii) override;

private:
    // What a figure needs for its move check: its number, its picture on the
    // field, the key it carries and the hand it puts a key down with.
    struct Concorrente {
        int k;
        Image& figura;
        Image& portata;
        Image& lasciata;
    };
    void controllaMossa(const Concorrente& c);
    void cattura(Image& figura);
    void DecretaVincitore(int w);
};

}  // namespace zolmera
