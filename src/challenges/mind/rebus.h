#pragma once
// How a phrase of "IL REBUS" is laid out on its grid of 3 lines of 12 cells,
// and the answer and hint that go with it. The game lays out its table when
// the window loads, and the build checks the same table with the same code,
// so a phrase that the build passed is the phrase the contestants see.
#include <QString>

#include <optional>

namespace zolmera::rebus {

constexpr int kColonne = 12;
constexpr int kRighe = 3;
constexpr int kCelle = kColonne * kRighe;
// The letters that have drawings, in the order of the letter strip: the
// alphabet without H, J, K, Q, W, X and Y.
inline const QString kLettere = QStringLiteral("ABCDEFGILMNOPRSTUVZ");
inline constexpr QChar kApostrofo = QLatin1Char('\'');

struct Rebus {
    QString griglia;        // kCelle characters, read line by line
    QString risposta;       // the phrase, words apart by single blanks
    QString suggerimento;   // "frase: " and the words' letter counts
};

// The phrase laid out: words in order, single blanks between the words of a
// line, no word split over two lines; each line centred, and the lines in
// the middle of the grid. Nothing when it cannot be, with why in difetto.
std::optional<Rebus> componi(const QString& frase, QString* difetto = nullptr);

// "frase: " and the letter counts of the words, joined by "-": a word ends
// after an apostrophe followed by a letter ("L'ORA" is two), and apostrophes
// are not letters ("E'" is one).
QString suggerimento(const QString& frase);

// The index of the letter in kLettere; -1 for any other character.
int indiceLettera(QChar c);

}  // namespace zolmera::rebus
