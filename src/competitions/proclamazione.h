#pragma once
// The proclamation of a season's or a tournament's winner, from the first
// four rows of its table as the screen shows them.
#include <QString>

#include <array>

namespace zolmera {

struct RigaProclamazione {
    QString nome;      // the 11-character name, trailing blanks included
    qint64 merito = 0; // what weighs first: matches in a season, points in a tournament
    qint64 vincita = 0;
};

// Row 1 alone when it beats row 2 on merit, or on winnings at equal merit;
// otherwise rows 1 and 2 together, and rows 3 and 4 too when each is level
// with row 1 on both.
QString testoProclamazione(const std::array<RigaProclamazione, 4>& righe);

inline const QString kTitoloProclamazione = QStringLiteral("PROCLAMAZIONE VINCITORE");

}  // namespace zolmera
