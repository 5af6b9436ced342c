#include "shell/frmAbout.h"

#include "board/operazioni.h"
#include "state/indirizzi.h"

namespace zolmera {

namespace {
const QString kTitolo = QStringLiteral("Zolmera");
const QString kCarattere = QStringLiteral("Comic Sans MS");
constexpr quint32 kBlu = 0xFF0000;

// What the labels show of an address: no scheme, no trailing slash.
QString mostrato(QString indirizzo)
{
    for (const char* schema : {"mailto:", "https://", "http://"})
        if (indirizzo.startsWith(QLatin1String(schema)))
            indirizzo.remove(0, int(qstrlen(schema)));
    if (indirizzo.endsWith(QLatin1Char('/')))
        indirizzo.chop(1);
    return indirizzo;
}
}  // namespace

frmAbout::frmAbout(AppContext& context) : Screen(context, QStringLiteral("frmAbout"), 5172, 5280)
{
    Image1.move(240, 240, 1440, 1440);
    Image1.setStretch(true);
    lblTitle.move(1800, 120, 2892, 360);
    lblVersion.move(1800, 480, 2892, 372);
    lblDescription.move(1800, 960, 3252, 600);
    Label1.move(1800, 1620, 3252, 600);
    Label2.move(240, 2280, 900, 300);
    lblSito.move(1200, 2280, 3852, 300);
    Label3.move(240, 2580, 900, 300);
    lblPosta.move(1200, 2580, 3852, 300);
    for (Label* l : {&lblTitle, &lblVersion, &lblDescription, &Label1, &Label2, &lblSito, &Label3, &lblPosta}) {
        l->setBackStyle(0);
        l->setFontName(kCarattere);
        l->setFontSize(10);
    }
    lblTitle.setFontSize(14);
    lblTitle.setFontBold(true);
    for (Label* l : {&lblDescription, &Label1})
        l->setWordWrap(true);
    for (Label* l : {&lblSito, &lblPosta}) {
        l->setForeColor(kBlu);
        l->setFontUnderline(true);
    }
    Text1.move(120, 3000, 4932, 1692);
    Text1.setFontName(QStringLiteral("Arial"));
    Text1.setFontSize(9);
    Text1.setScrollBars(2);
    Text1.setLocked(true);
    // The credits have no label beside them.
    Text1.setAccessibleName(QStringLiteral("Riconoscimenti"));
    Text1.setText(QStringLiteral(
        "Zolmera è un gioco a quiz per due concorrenti, ambientato in uno studio televisivo: prove, "
        "domande di prenotazione e una ruota che serve le portate del menù.\r\n\r\n"
        "Le domande, i testi, le immagini, le voci e le musiche sono stati creati per questo progetto.\r\n\r\n"
        "Il gioco è scritto in C++ con le librerie Qt 6. Le voci sono sintetizzate con espeak-ng; "
        "musiche ed effetti sonori sono composti con sox. I caratteri sono Liberation, Comic Neue e "
        "Noto Color Emoji."));
    lblDescription.setCaption(QStringLiteral("Realizzato dal gruppo di sviluppo di Zolmera."));
    Label1.setCaption(QStringLiteral("Il quiz che ti serve il pranzo!"));
    lblSito.setCaption(mostrato(kSitoWeb));
    lblPosta.setCaption(mostrato(kPostaAssistenza));
    cmdOK.move(1308, 4800, 1200, 348);
    cmdSysInfo.move(2628, 4800, 1200, 348);
    for (CommandButton* b : {&cmdOK, &cmdSysInfo}) {
        b->setFontName(kCarattere);
        b->setFontSize(9);
    }
    setDefaultButton(&cmdOK);
    setCancelButton(&cmdOK);

    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdSysInfo.Click = [this] { cmdSysInfo_Click(); };
    lblSito.Click = [this] { lblSito_Click(); };
    lblPosta.Click = [this] { lblPosta_Click(); };
}

void frmAbout::Form_Load()
{
    BloccaTabellone(ctx);
    setCaption(QStringLiteral("Informazioni su ") + kTitolo);
    lblVersion.setCaption(QStringLiteral("Versione %1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision));
    lblTitle.setCaption(kTitolo);
    Image1.setPicture(ctx.sys.pictures.load(immagine(QStringLiteral("about.gif"))));
}

void frmAbout::Form_Unload(bool&) { SbloccaTabellone(ctx, this); }

void frmAbout::cmdOK_Click() { unload(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo()
{
    if (ctx.sys.systemInfo.available() && ctx.sys.systemInfo.launch())
        return;
    msgBox(QStringLiteral("Le informazioni sul sistema non sono disponibili in questa fase"), mb::OKOnly);
}

void frmAbout::lblSito_Click() { ctx.sys.desktop.openUrl(kSitoWeb); }

void frmAbout::lblPosta_Click() { ctx.sys.desktop.openUrl(kPostaAssistenza); }

}  // namespace zolmera
