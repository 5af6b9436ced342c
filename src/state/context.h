#pragma once
// What every screen is given: the platform's services, the shared game state,
// the screen registry and the program's folder. Nothing else is global, so a
// test builds a whole fresh world in one line.
#include "platform/platform.h"
#include "platform/screens.h"
#include "state/catalogo.h"
#include "state/modulo1.h"
#include "state/rotte.h"

#include <QString>

namespace zolmera {

class AppContext {
public:
    AppContext(const Platform& platform, const QString& programDir);
    ~AppContext();

    Platform sys;
    Modulo1 M;
    ScreenRegistry screens;
    // Filled in by the program's composition: how screens reach each other
    // and which window each challenge title opens.
    Rotte rotte{*this};
    CatalogoProve catalogo;

    const QString& programDir() const { return programDir_; }
    // A file in the program's folder itself (settings, archives, help).
    QString programFile(const QString& name) const;
    // An edition data folder: stem ("images", "sounds", "intro", "saved",
    // "scores") and the edition digit, with no trailing separator.
    QString editionFolder(const QString& stem) const;
    QString editionFile(const QString& stem, const QString& name) const;
    QString helpFile() const { return programFile(QStringLiteral("zolmer.hlp")); }

private:
    QString programDir_;
};

}  // namespace zolmera
