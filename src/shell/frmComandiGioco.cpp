#include "shell/frmComandiGioco.h"

#include "board/operazioni.h"

namespace zolmera {

namespace {
// Eight rows a contestant: booking, spin, a gap, the heading and the four
// directions. The frames are tall enough for the last row and a margin.
constexpr int kPrimaRiga = 360, kRiga = 330, kAltezzaRiga = 300;
constexpr int kAltezzaRiquadro = kPrimaRiga + 7 * kRiga + kAltezzaRiga + 150;
constexpr int kTopOk = 120 + kAltezzaRiquadro + 180;
}  // namespace

frmComandiGioco::frmComandiGioco(AppContext& context)
    : Screen(context, QStringLiteral("frmComandiGioco"), 6240, kTopOk + 420 + 180)
{
    setCaption(QStringLiteral("Zolmera"));
    setDefaultFont(QStringLiteral("Comic Sans MS"), 9.75);
    setBackColor(0xFFFF80);
    Frame* frames[] = {&fraGiocatore1, &fraGiocatore2};
    Label* prenota[] = {&Label1, &Label3};
    Label* gira[] = {&Label2, &Label4};
    for (int k = 0; k < 2; ++k) {
        Frame& f = *frames[k];
        f.move(120 + k * 3060, 120, 2940, kAltezzaRiquadro);
        f.setBackColor(0xFFFFC0);
        f.setFontName(QStringLiteral("Comic Sans MS"));
        f.setFontBold(true);
        const QString testi[] = {QStringLiteral("Prenotazione"), QStringLiteral("Giro di ruota"),
                                 QStringLiteral("Tasti direzionali:"), QStringLiteral("Su"), QStringLiteral("Giù"),
                                 QStringLiteral("Sinistra"), QStringLiteral("Destra")};
        for (int r = 0; r < 7; ++r) {
            Label& d = didascalie.add(f, QStringLiteral("lblDidascalia"), testi[r]);
            const int riga = r < 2 ? r : r + 1;
            d.move(r >= 3 ? 360 : 180, kPrimaRiga + riga * kRiga, r == 2 ? 2400 : 1560, kAltezzaRiga);
            d.setBackStyle(0);
            d.setFontBold(r == 2);
        }
        prenota[k]->move(1920, kPrimaRiga, 840, kAltezzaRiga);
        gira[k]->move(1920, kPrimaRiga + kRiga, 840, kAltezzaRiga);
        for (int j = 0; j < 4; ++j) {
            Label& v = lblDirezione.add(f, QStringLiteral("lblDirezione"));
            v.move(1920, kPrimaRiga + (4 + j) * kRiga, 840, kAltezzaRiga);
        }
    }
    for (Label* v : {&Label1, &Label2, &Label3, &Label4}) {
        v->setBackStyle(0);
        v->setFontBold(true);
        v->setForeColor(0x800000);
    }
    for (int j = 0; j < lblDirezione.count(); ++j) {
        lblDirezione[j].setBackStyle(0);
        lblDirezione[j].setFontBold(true);
        lblDirezione[j].setForeColor(0x800000);
    }
    cmdRitorna.move(2520, kTopOk, 1200, 420);
    cmdRitorna.setBackColor(0xFFFF00);
    cmdRitorna.Click = [this] { cmdRitorna_Click(); };
    setDefaultButton(&cmdRitorna);
    setCancelButton(&cmdRitorna);
}

void frmComandiGioco::Form_Activate()
{
    BloccaTabellone(ctx);
    // Written afresh at each activation: the options may have changed.
    Label1.setCaption(M.strPrenota1);
    Label2.setCaption(M.strGira1);
    Label3.setCaption(M.strPrenota2);
    Label4.setCaption(M.strGira2);
    const QString direzioni[] = {M.strSu1, M.strGiu1, M.strSx1, M.strDx1, M.strSu2, M.strGiu2, M.strSx2, M.strDx2};
    for (int j = 0; j < 8; ++j)
        lblDirezione[j].setCaption(direzioni[j]);
}

void frmComandiGioco::Form_Unload(bool&) { SbloccaTabellone(ctx, this); }

void frmComandiGioco::cmdRitorna_Click() { unload(); }

}  // namespace zolmera
