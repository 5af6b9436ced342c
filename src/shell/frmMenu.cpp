#include "shell/frmMenu.h"

#include <QFile>

namespace zolmera {

const QString frmMenu::kSitoWeb = QStringLiteral("https://www.zolmera.it/");
const QString frmMenu::kPostaAssistenza = QStringLiteral("mailto:assistenza@zolmera.it");

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

    M.strPrenota1 = rec_.Prenota[1];
    M.strPrenota2 = rec_.Prenota[2];
    M.strGira1 = rec_.Gira[1];
    M.strGira2 = rec_.Gira[2];
    M.strSu1 = rec_.Su[1];
    M.strSu2 = rec_.Su[2];
    M.strGiu1 = rec_.Giu[1];
    M.strGiu2 = rec_.Giu[2];
    M.strSx1 = rec_.Sx[1];
    M.strSx2 = rec_.Sx[2];
    M.strDx1 = rec_.Dx[1];
    M.strDx2 = rec_.Dx[2];

    M.strMusica = valoreInterruttore(rec_.Musica);
    M.strParlato = valoreInterruttore(rec_.Parlato);
    M.strEffetti = valoreInterruttore(rec_.Effetti);

    const QString cifra = cifraEdizione(rec_.ModGioco);
    if (!cifra.isEmpty()) {
        M.strModGioco = rec_.ModGioco;
        M.strNumModGioco = cifra;
        caricaImmagine();
    }

    // The presentation slides are not part of the game yet: with the switch
    // on, the start screen stays where it would hide behind them.
    M.strSigla = valoreSiNo(rec_.Sigla);

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
    // The new-game screen is not part of the game yet.
}

std::optional<QString> frmMenu::scegliCompetizione(const QString& title, const QString& filter)
{
    FileDialogRequest r;
    r.fileName.clear();
    r.title = title;
    r.initialDir = ctx.editionFolder(QStringLiteral("saved")) + QLatin1Char('/');
    r.filter = filter;
    r.flags = kDlgFileMustExist;
    return ctx.sys.fileDialogs.showOpen(r);
}

void frmMenu::cmdCaricaStagione_Click()
{
    const auto scelto = scegliCompetizione(QStringLiteral("Carica stagione"), QStringLiteral("File di stagione (*.003)|*.003"));
    if (!scelto)
        return;
    const QString base = scelto->left(scelto->size() - 4);
    M.strFileStagione = *scelto;
    M.strFileClassifica = base + QStringLiteral(".d03");
    M.strFileMontepremi = base + QStringLiteral(".m03");
    M.strFilePunteggi = ctx.editionFile(QStringLiteral("scores"), QStringLiteral("score003.dat"));
    M.bytTipoGioco = 3;
    // The season screen is not part of the game yet, so the start screen stays.
}

void frmMenu::cmdCaricaTorneo_Click()
{
    const auto scelto =
        scegliCompetizione(QStringLiteral("Carica campionato"), QStringLiteral("File di campionato (*.002)|*.002"));
    if (!scelto)
        return;
    const QString base = scelto->left(scelto->size() - 4);
    M.strFileCampionato = *scelto;
    M.strFileGiornate = base + QStringLiteral(".d02");
    M.strFileMontepremi = base + QStringLiteral(".m02");
    M.strFilePunteggi = ctx.editionFile(QStringLiteral("scores"), QStringLiteral("score002.dat"));
    M.bytTipoGioco = 2;
    // The tournament screen is not part of the game yet, so the start screen stays.
}

void frmMenu::cmdOpzioni_Click()
{
    // The options screen is not part of the game yet.
}

void frmMenu::cmdInfo_Click() { showHelp(kHelpTopic); }

void frmMenu::cmdSitoWeb_Click() { ctx.sys.desktop.openUrl(kSitoWeb); }

void frmMenu::cmdPosta_Click() { ctx.sys.desktop.openUrl(kPostaAssistenza); }

void frmMenu::cmdEsci_Click() { ctx.sys.program.endNow(); }

}  // namespace zolmera
