#pragma once
// A race of two figures on one keyboard: the dog on contestant 1's direction
// keys, the rabbit on contestant 2's, across a play area where the window's
// own rules (walls, hedges, the target) decide what a step meets.
#include "challenges/base/completa.h"

#include <QRect>

namespace zolmera {

class ProvaCorsa : public ProvaCompleta {
public:
    // area: the play area Frame1 in the window, in twips.
    ProvaCorsa(AppContext& context, const SchedaProva& scheda, const QRect& area);

    Frame Frame1{*this, QStringLiteral("Frame1")};
    Image cane{Frame1, QStringLiteral("cane")};
    Image coniglio{Frame1, QStringLiteral("coniglio")};
    // The small dog and rabbit before the names: who steers which.
    Image Image1{*this, QStringLiteral("Image1")};
    Image Image2{*this, QStringLiteral("Image2")};
    ControlArray<Label> lblGiocatore;
    ControlArray<Label> lblPunti;
    Label Label12{*this, QStringLiteral("Label12"), QStringLiteral("punti")};
    // The key caps: up, left, down, right of contestant 1, then of contestant 2.
    Label Label1{*this, QStringLiteral("Label1")};
    Label Label2{*this, QStringLiteral("Label2")};
    Label Label3{*this, QStringLiteral("Label3")};
    Label Label4{*this, QStringLiteral("Label4")};
    Label Label5{*this, QStringLiteral("Label5")};
    Label Label6{*this, QStringLiteral("Label6")};
    Label Label7{*this, QStringLiteral("Label7")};
    Label Label8{*this, QStringLiteral("Label8")};
    Label Label9{*this, QStringLiteral("Label9"), QStringLiteral("tasti")};

    enum class Direzione { Su, Giu, Sx, Dx };
    enum class Esito {
        Nessuno,   // no direction key of either contestant
        Mosso,
        Bordo,     // the figure stood at the edge of the area
        Muro,      // the window's own rule refused the step
    };
    static constexpr int kPasso = 300;

    // One typed character: the first of strSu1, strGiu1, strSx1, strDx1,
    // strSu2 ... strDx2 that it matches moves the dog (1) or the rabbit (2)
    // one step, unless the window's rule or the area's edge refuses it.
    // chi, when given, is set to whose key it was: 1, 2, or 0 for nobody's.
    Esito muovi(int keyAscii, int* chi = nullptr);

    // A step of figura towards d is stopped by the tile muro, when the tile
    // is visible and stands right next to it that way: a figure passes a
    // wall only level with its opening.
    static bool muroFerma(const Image& figura, Direzione d, const Image& muro);
    // The same against every tile of a wall or piece of a hedge.
    static bool muroFerma(const Image& figura, Direzione d, const ControlArray<Image>& muro);

protected:
    // Key caps, names and the two figures' pictures; from caricaGioco.
    void caricaCorsa();
    // Where the figures may stand: Left from minLeft to maxLeft, Top from
    // minTop to maxTop.
    void impostaLimiti(int minLeft, int maxLeft, int minTop, int maxTop);
    // Top first, then Left, for both.
    void riportaAlVia(int left, int top);
    // The window's own obstacles, tried before the area's edges.
    virtual bool passoBloccato(const Image& /*figura*/, Direzione /*d*/) const { return false; }

private:
    int minLeft_ = 0, maxLeft_ = 0, minTop_ = 0, maxTop_ = 0;
};

// The dog and the rabbit on their figures and on the small icons beside the
// names: every duel of the two shows the same pair.
void caricaAnimali(const Screen& prova, Image& cane, Image& iconaCane, Image& coniglio, Image& iconaConiglio);

}  // namespace zolmera
