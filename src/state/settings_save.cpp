// Saving the settings, with the messages the player sees when it fails.
#include "platform/recordfile.h"
#include "state/context.h"
#include "state/settings.h"

namespace zolmera {

bool salvaImpostazioni(AppContext& ctx, const RecImpostazioni& rec)
{
    const QByteArray bytes = codificaImpostazioni(rec);
    const QString title = QStringLiteral("ATTENZIONE!");
    if (bytes.size() > kRecordSlot) {
        ctx.sys.messages.msgBox(
            QStringLiteral("Le impostazioni non sono state salvate: i tasti scelti sono troppo lunghi "
                           "per il file delle impostazioni. Accorcia i tasti direzionali e riprova."),
            mb::Exclamation, title);
        return false;
    }
    RecordFile file(ctx.programFile(QString::fromLatin1(kFileImpostazioni)), &ctx.sys.fileFaults);
    if (!file.writeSlot(1, bytes)) {
        ctx.sys.messages.msgBox(QStringLiteral("Le impostazioni non sono state salvate: impossibile scrivere "
                                               "il file %1.\n%2")
                                    .arg(QString::fromLatin1(kFileImpostazioni), file.errorString()),
                                mb::Exclamation, title);
        return false;
    }
    applicaImpostazioni(ctx.M, rec);
    return true;
}

}  // namespace zolmera
