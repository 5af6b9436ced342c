#pragma once
// The contestants' names as the competition files keep them: eleven
// characters of Windows-1252, upper case, blank-padded.
#include <QString>

namespace zolmera {

class TextBox;

// Upper case, trimmed, padded with blanks (or cut) to eleven.
QString formaNome(const QString& testo);

// The first character of a text that the game's files cannot hold (they keep
// one byte of Windows-1252 a character), or an empty text when they hold all.
QString primoNonSalvabile(const QString& testo);

// The message "Ok" or "Gioca" gives for a name that cannot be stored.
QString messaggioNonSalvabile(const QString& nome, const QString& carattere);

// What a result's picture says to a player who does not see it: "C" (the
// picture risultato1.gif) "un punto", "S" (risultato2.gif) "due punti", "-"
// (risultato3.gif) "nessun punto"; empty for a match not played.
QString risultatoDetto(QChar esito);

// Keeps a name box to what the files can hold. A character that cannot be
// stored would come back as "?", and two different names could become one.
// Typed, it is refused at once, as a twelfth character is: the box keeps what
// it had. Text put in whole (pasted) stays, so the player sees it, and the
// screen's check names the character that will not do.
class FiltroNome {
public:
    // The box's Change handler.
    void cambiato(TextBox& box);
    // The text the box was given by the screen itself.
    void accetta(const QString& testo) { accettato_ = testo; }

private:
    QString accettato_;
};

}  // namespace zolmera
