#include "shell/frmMenu.h"

#include "state/indirizzi.h"

#include <QFile>

namespace zolmera {


namespace {
constexpr quint32 kCiano = 0xFFFF00;
constexpr int kLarghezza = 3468, kAltezza = 5772;
}  // namespace

frmMenu::frmMenu(AppContext& context)
    : Screen(context, QStringLiteral("frmMenu"), kLarghezza, kAltezza),
      Image1(*this, QStringLiteral("Image1")),
      cmdGioca(*this, QStringLiteral("cmdGioca"), QStringLiteral("Nuova partita")),
      cmdCaricaStagione(*this, QStringLiteral("cmdCaricaStagione"), QStringLiteral("Riprendi stagione")),
      cmdCaricaTorneo(*this, QStringLiteral("cmdCaricaTorneo"), QStringLiteral("Riprendi campionato")),
      cmdOpzioni(*this, QStringLiteral("cmdOpzioni"), QStringLiteral("Opzioni")),
      cmdInfo(*this, QStringLiteral("cmdInfo"), QStringLiteral("Guida ")),
      cmdSitoWeb(*this, QStringLiteral("cmdSitoWeb"), QStringLiteral("Visita il sito")),
      cmdPosta(*this, QStringLiteral("cmdPosta"), QStringLiteral("Contatta l'autore")),
      cmdEsci(*this, QStringLiteral("cmdEsci"), QStringLiteral("Esci"))
{
    setCaption(QStringLiteral("Zolmera"));
    Image1.setStretch(true);
    Image1.move(0, 0, 3504, 2940);

    CommandButton* column[] = {&cmdGioca, &cmdCaricaStagione, &cmdCaricaTorneo, &cmdOpzioni,
                               &cmdInfo,  &cmdSitoWeb,        &cmdPosta,        &cmdEsci};
    int top = 2880;
    for (CommandButton* b : column) {
        b->move(0, top, 3492, 372);
        b->setFontName(QStringLiteral("Comic Sans MS"));
        b->setFontSize(9.75);
        b->setBackColor(kCiano);
        top += 360;
    }
    setDefaultButton(&cmdGioca);

    cmdGioca.Click = [this] { cmdGioca_Click(); };
    cmdCaricaStagione.Click = [this] { cmdCaricaStagione_Click(); };
    cmdCaricaTorneo.Click = [this] { cmdCaricaTorneo_Click(); };
    cmdOpzioni.Click = [this] { cmdOpzioni_Click(); };
    cmdInfo.Click = [this] { cmdInfo_Click(); };
    cmdSitoWeb.Click = [this] { cmdSitoWeb_Click(); };
    cmdPosta.Click = [this] { cmdPosta_Click(); };
    cmdEsci.Click = [this] { cmdEsci_Click(); };
}

void frmMenu::Form_Load()
{
    // A second copy ends before anything is shown or written.
    if (ctx.sys.instance.anotherCopyRunning()) {
        ctx.sys.program.endNow();
        return;
    }

    M.clearCompetitionPaths();

    // Without usable settings the game starts on the defaults rather than
    // with no keys and no edition folder; nothing is written until the
    // player saves the options.
    rec_ = leggiImpostazioni(ctx.programFile(QString::fromLatin1(kFileImpostazioni))).rec;

    applicaTasti(M, rec_);

    M.strMusica = valoreInterruttore(rec_.Musica);
    M.strParlato = valoreInterruttore(rec_.Parlato);
    M.strEffetti = valoreInterruttore(rec_.Effetti);

    const QString cifra = cifraEdizione(rec_.ModGioco);
    if (!cifra.isEmpty()) {
        M.strModGioco = rec_.ModGioco;
        M.strNumModGioco = cifra;
        caricaImmagine();
    }

    M.strSigla = valoreSiNo(rec_.Sigla);
    if (M.strSigla != QLatin1String("No")) {
        hide();
        ctx.rotte.mostra(Schermo::Presentazione);
    }

    M.strConduce = valoreSiNo(rec_.Conduce);

    M.intNatale = false;
    const QDate oggi = ctx.sys.loop.today();
    if ((oggi.month() == 12 && oggi.day() >= 20) || (oggi.month() == 1 && oggi.day() <= 6)) {
        M.intNatale = true;
        // Only a picture that is not there turns Christmas off; any other
        // failure to open it leaves it on.
        QFile natale(ctx.editionFile(QStringLiteral("images"), QStringLiteral("Nschermata1.bmp")));
        if (!natale.open(QIODevice::ReadOnly) && !natale.exists())
            M.intNatale = false;
    }
}

void frmMenu::Form_Activate()
{
    // The edition may have changed in the options meanwhile.
    caricaImmagine();
}

void frmMenu::Form_QueryUnload(bool& cancel, UnloadMode)
{
    cancel = true;
    ctx.sys.program.endNow();
}

void frmMenu::caricaImmagine()
{
    Image1.setPicture(ctx.sys.pictures.load(ctx.editionFile(QStringLiteral("images"), QStringLiteral("startmenu.jpg"))));
}

void frmMenu::cmdGioca_Click()
{
    hide();
    ctx.rotte.mostra(Schermo::NuovaPartita);
}

void frmMenu::riprendiCompetizione(const Riprendi& r)
{
    FileDialogRequest dlg;
    dlg.title = r.titolo;
    dlg.initialDir = ctx.editionFolder(QStringLiteral("saved")) + QLatin1Char('/');
    dlg.filter = r.filtro;
    dlg.flags = kDlgFileMustExist;
    const auto scelto = ctx.sys.fileDialogs.showOpen(dlg);
    if (!scelto)
        return;
    // The companion files are the chosen path less its last four characters
    // plus their own endings, wherever the file lies.
    const QString base = scelto->left(scelto->size() - 4);
    *r.principale = *scelto;
    *r.compagno = base + r.estensioneCompagno;
    M.strFileMontepremi = base + r.estensioneMontepremi;
    M.strFilePunteggi = ctx.editionFile(QStringLiteral("scores"), r.punteggi);
    M.bytTipoGioco = r.tipoGioco;
    hide();
    ctx.rotte.mostra(r.schermo);
}

void frmMenu::cmdCaricaStagione_Click()
{
    riprendiCompetizione({QStringLiteral("Carica stagione"), QStringLiteral("File di stagione (*.003)|*.003"),
                          &M.strFileStagione, &M.strFileClassifica, QStringLiteral(".d03"), QStringLiteral(".m03"),
                          QStringLiteral("score003.dat"), 3, Schermo::Stagione});
}

void frmMenu::cmdCaricaTorneo_Click()
{
    riprendiCompetizione({QStringLiteral("Carica campionato"), QStringLiteral("File di campionato (*.002)|*.002"),
                          &M.strFileCampionato, &M.strFileGiornate, QStringLiteral(".d02"), QStringLiteral(".m02"),
                          QStringLiteral("score002.dat"), 2, Schermo::Campionato});
}

void frmMenu::cmdOpzioni_Click()
{
    hide();
    ctx.rotte.mostra(Schermo::Opzioni);
}

void frmMenu::cmdInfo_Click() { showHelp(kHelpTopic); }

void frmMenu::cmdSitoWeb_Click() { ctx.sys.desktop.openUrl(kSitoWeb); }

void frmMenu::cmdPosta_Click() { ctx.sys.desktop.openUrl(kPostaAssistenza); }

void frmMenu::cmdEsci_Click() { ctx.sys.program.endNow(); }

}  // namespace zolmera
