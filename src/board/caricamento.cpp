// The board's load: pictures by edition, strips, the edition's layout and
// the match's starting state, in the order the engine relies on.
#include "board/frmRuota.h"
#include "board/operazioni.h"
#include "board/cappelli.h"
#include "platform/format.h"
#include "platform/recordfile.h"
#include "records/archivi.h"
#include "state/edizione.h"

#include <QDir>
#include <QFileInfo>

namespace zolmera {

namespace {
// The character code of a key's first character in the game's code page; an
// empty key (a damaged settings file) is a key that never matches.
int codice(const QString& key)
{
    if (key.isEmpty())
        return 0;
    return quint8(toCp1252(key.left(1)).at(0));
}
}  // namespace

void frmRuota::Form_Load()
{
    discorso.svuotaCoda();
    for (int i = 0; i <= 2; ++i)
        txtOpzione[i].setEnabled(false);
    Salva.setEnabled(false);
    for (Control* c : std::initializer_list<Control*>{&Label1, &lblMostraRisposte, &cmdCancella, &cmdOK, &cmdConferma})
        c->setVisible(false);

    Image1.setPicture(caricaImmagine(M.intNatale ? QStringLiteral("Nschermata1.bmp") : QStringLiteral("schermata1.bmp")));
    Image2.setPicture(caricaImmagine(QStringLiteral("carrello1.bmp")));
    if (M.strConduce == QLatin1String("Si")) {
        Tobrano.setPicture(caricaImmagine(QStringLiteral("presenta1.gif")));
        imgPPrenota.setPicture(caricaImmagine(QStringLiteral("presenta2.gif")));
    }
    pccPosizioni.setPicture(caricaImmagine(QStringLiteral("posizioni1.bmp")));
    pccCarrello.setPicture(caricaImmagine(QStringLiteral("carrello2.bmp")));
    imgPostaz1.setPicture(caricaImmagine(QStringLiteral("postazione1.gif")));
    imgPostaz2.setPicture(caricaImmagine(QStringLiteral("postazione2.gif")));

    // The wheel's cells come at the box's own size in pixels.
    pccPosizioni.setStretch(QSize(qint16(imgRuota2.width() / kTwipsPerPixel), qint16(imgRuota2.height() / kTwipsPerPixel)));
    imgRuota2.setPicture(pccPosizioni.graphicCell(0));

    pccPortate.setPicture(caricaImmagine(QStringLiteral("portate.bmp")));
    for (int k = 0; k <= 4; ++k) {
        for (int w = 1; w <= 2; ++w) {
            const auto righe = righePortate(w);
            for (int cella = 0; cella < 5; ++cella)
                (*righe[std::size_t(cella)])[k].setPicture(pccPortate.graphicCell(cella));
        }
    }

    applicaGruppoEdizione();

    // The match's starting state.
    esito.azzera();
    lancio.CaricaTitoliProve();
    M.intEsci = false;
    M.bytMenuCompleto = 0;
    M.bytGiri[1] = 0;
    M.bytGiri[2] = 0;
    ruota.riempiDondolio();
    tmrDondolio.setInterval(250);

    // A jackpot file whose folder is missing reads as 0 and creates nothing;
    // a missing file in an existing folder is created empty, as the next
    // match's bookkeeping expects to find it. A record the file ends inside
    // reads its missing bytes as zeros; a file that cannot be read at all
    // gives no jackpot rather than the last match's.
    RecordFile montepremi(M.strFileMontepremi, &ctx.sys.fileFaults);
    if (!M.strFileMontepremi.isEmpty() && !montepremi.exists() && QFileInfo(M.strFileMontepremi).absoluteDir().exists())
        montepremi.create();
    bool letto = false;
    const QByteArray record = montepremi.readSlot(1, &letto);
    M.lngMontepremi = letto ? RecMontepremi::decodifica(record).Montepremi : 0;
    MostraMontepremi(ctx);

    cmdGira1.setEnabled(false);
    cmdGira2.setEnabled(false);
    tmrTempo.setEnabled(false);
    tmrSecondi.setEnabled(false);
    M.varPosRuota = 0;
    ruota.intForza = 0;
    tmrTempo.setInterval(100);
    tasti(1);
    tasti(2);

    if (M.bytTipoGioco == 1) {
        M.lngVincita[1] = 0;
        M.lngVincita[2] = 0;
    } else if (M.bytTipoGioco == 2) {
        MostraCappelliTorneo(*this);
    } else if (M.bytTipoGioco == 3) {
        MostraCappelliStagione(*this);
    }
    const QString nome1 = M.strNomeConcorrente[1];
    const QString nome2 = M.strNomeConcorrente[2];
    lblConc1.setCaption(nome1);
    lblConc2.setCaption(nome2);
    lblScoreConc1.setCaption(nome1);
    lblScoreConc2.setCaption(nome2);
    lblOmbra1.setCaption(nome1);
    lblOmbra2.setCaption(nome2);

    applicaAspettoNomi();

    lblScore1.setCaption(M.lngVincita[1] == 0 ? QStringLiteral("0") : formatImporto(M.lngVincita[1]));
    lblScore2.setCaption(M.lngVincita[2] == 0 ? QStringLiteral("0") : formatImporto(M.lngVincita[2]));
    turni.intTurno = 0;
    prenotazione.varErrori = 0;
    cmdPrenota1.setToolTipText(nome1 + testoPrenota_[1]);
    cmdGira1.setToolTipText(nome1 + testoGira_[1]);
    cmdPrenota2.setToolTipText(nome2 + testoPrenota_[2]);
    cmdGira2.setToolTipText(nome2 + testoGira_[2]);
    cmdFine.setCaption(QStringLiteral("Inizia prova ") + QString::number(turni.intTurno + 1));

    if (!M.strParlato.isEmpty())
        discorso.PreparaDiscorso();
    discorso.avvia();
}

void frmRuota::tasti(int w)
{
    const QString& prenota = w == 1 ? M.strPrenota1 : M.strPrenota2;
    const QString& gira = w == 1 ? M.strGira1 : M.strGira2;
    CommandButton& cmdPrenota = w == 1 ? cmdPrenota1 : cmdPrenota2;
    CommandButton& cmdGira = w == 1 ? cmdGira1 : cmdGira2;
    int& codPrenota = w == 1 ? varCodPrenota1 : varCodPrenota2;
    int& codPrenotaMin = w == 1 ? varCodPrenota1Min : varCodPrenota2Min;
    int& codGira = w == 1 ? varCodGira1 : intCodGira2;
    int& codGiraMin = w == 1 ? varCodGira1Min : intCodGira2Min;

    // The booking setting decides for both of the contestant's controls.
    if (prenota == QLatin1String("Mouse")) {
        cmdPrenota.setCaption(QStringLiteral(" "));
        cmdGira.setCaption(QStringLiteral(" "));
        testoPrenota_[w] = QStringLiteral(" si prenota con: TASTO SINISTRO DEL MOUSE");
        testoGira_[w] = QStringLiteral(" gira la ruota con: TASTO DESTRO DEL MOUSE");
        codPrenota = codPrenotaMin = codGira = codGiraMin = -w;
        return;
    }
    cmdPrenota.setCaption(prenota);
    testoPrenota_[w] = QStringLiteral("si prenota con: TASTO ") + cmdPrenota.caption();
    cmdGira.setCaption(gira);
    testoGira_[w] = QStringLiteral("gira la ruota con: TASTO ") + cmdGira.caption();
    codPrenota = codice(prenota);
    codPrenotaMin = codice(vbLCase(prenota));
    codGira = codice(gira);
    codGiraMin = codice(vbLCase(gira));
}

void frmRuota::applicaGruppoEdizione()
{
    struct Posto {
        Image* img;
        int cella;
        int left;
        int top;
    };
    const GruppoEdizione g = gruppoEdizione(M.strModGioco);
    if (g == GruppoEdizione::Nessuno)
        return;
    const bool primo = g == GruppoEdizione::Primo;
    // The same five places in both groups; the second group's strip holds
    // the courses in another order, so each place shows another control.
    const Posto tabella[2][5] = {
        {{&imgJprimo, 0, 120, 360},
         {&imgJsecondo, 1, 1560, 360},
         {&imgJformaggio, 2, 840, 600},
         {&imgJdolce, 3, 120, 1080},
         {&imgJfrutta, 4, 1560, 1080}},
        {{&imgJprimo, 4, 1560, 1080},
         {&imgJsecondo, 2, 840, 600},
         {&imgJformaggio, 3, 120, 1080},
         {&imgJdolce, 1, 1560, 360},
         {&imgJfrutta, 0, 120, 360}},
    };
    for (const Posto& p : tabella[primo ? 0 : 1]) {
        p.img->setPicture(pccPortate.graphicCell(p.cella));
        p.img->move(p.left, p.top);
    }
    lblConc1.move(primo ? 3000 : 3300, primo ? 5020 : 4970);
    lblConc2.move(primo ? 7820 : 7520, primo ? 5020 : 4970);
    cmdPrenota1.setLeft(primo ? 3120 : 3420);
    cmdGira1.setLeft(primo ? 3960 : 4260);
    cmdPrenota2.setLeft(primo ? 7920 : 7680);
    cmdGira2.setLeft(primo ? 8760 : 8520);
    cappello1[0].setLeft(primo ? 3240 : 3260);
    cappello2[0].setLeft(primo ? 8040 : 7540);
    for (int k = 1; k <= 9; ++k) {
        cappello1[k].setLeft(cappello1[k - 1].left() + 120);
        cappello2[k].setLeft(cappello2[k - 1].left() + 120);
    }
}

void frmRuota::applicaAspettoNomi()
{
    const GruppoEdizione g = gruppoEdizione(M.strModGioco);
    if (g == GruppoEdizione::Nessuno)
        return;
    const bool primo = g == GruppoEdizione::Primo;
    auto forma = [primo](const QString& nome) {
        const QString undici = nome.left(11);
        if (primo)
            return vbUCase(undici);
        return vbUCase(undici.left(1)) + vbLCase(undici.mid(1, 10));
    };
    lblConc1.setCaption(forma(lblConc1.caption()));
    lblConc2.setCaption(forma(lblConc2.caption()));
    lblScoreConc1.setForeColor(primo ? 0xFFFFFF : 0x000000);
    lblScoreConc2.setForeColor(primo ? 0xFFFFFF : 0x000000);
    lblScoreConc1.setCaption(lblConc1.caption());
    lblScoreConc2.setCaption(lblConc2.caption());
    lblOmbra1.setCaption(primo ? lblConc1.caption() : QString());
    lblOmbra2.setCaption(primo ? lblConc2.caption() : QString());
    const QString font = primo ? QStringLiteral("Arial") : QStringLiteral("Majestic");
    for (Label* l : {&lblConc1, &lblConc2, &lblScoreConc1, &lblScoreConc2})
        l->setFontName(font);
    if (primo) {
        for (Label* l : {&lblOmbra1, &lblOmbra2})
            l->setFontName(font);
        for (Label* l : {&lblConc1, &lblConc2, &lblScoreConc1, &lblScoreConc2, &lblOmbra1, &lblOmbra2})
            l->setFontBold(true);
    }
    lblConc1.setFontSize(primo ? 9 : 12);
    lblConc2.setFontSize(primo ? 9 : 12);
    lblScoreConc1.setFontSize(primo ? 8 : 26);
    lblScoreConc2.setFontSize(primo ? 8 : 26);
    if (primo) {
        lblOmbra1.setFontSize(8);
        lblOmbra2.setFontSize(8);
    }
    lblScoreConc1.setWidth(primo ? 1932 : 2400);
    lblScoreConc2.setWidth(primo ? 1932 : 2400);
    // A long name in the large script of the later editions reads whole,
    // a little smaller; the shadow follows its name.
    for (Label* l : {&lblScoreConc1, &lblScoreConc2, &lblOmbra1, &lblOmbra2})
        l->setShrinkToFit(primo ? 6 : 14);
}

}  // namespace zolmera
