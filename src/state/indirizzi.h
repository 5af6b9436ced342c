#pragma once
// The game's web page and the support address, opened from the start screen
// and from the board's menu.
#include <QString>

namespace zolmera {

inline const QString kSitoWeb = QStringLiteral("https://www.zolmera.it/");
inline const QString kPostaAssistenza = QStringLiteral("mailto:assistenza@zolmera.it");

}  // namespace zolmera
