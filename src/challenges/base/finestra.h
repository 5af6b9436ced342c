#pragma once
// What every challenge window shares: its title, its start button, the quit
// and help commands, and the two ways it can close: by its own hand-back,
// which gives the board back, or by the player, which asks whether to
// abandon the whole match.
#include "platform/controls.h"
#include "state/screen.h"

#include <functional>
#include <vector>

namespace zolmera {

class FinestraProva : public Screen {
public:
    FinestraProva(AppContext& context, const QString& name, const QString& titolo, int argomentoGuida,
                  int larghezza, int altezza);

    Label lblTitolo{*this, QStringLiteral("lblTitolo")};
    CommandButton cmdEsegui{*this, QStringLiteral("cmdEsegui")};
    Menu File{*this, QStringLiteral("File"), QStringLiteral("&File")};
    Menu Esci{File, QStringLiteral("Esci"), QStringLiteral("&Esci")};
    Menu Info{*this, QStringLiteral("Info"), QStringLiteral("&?")};
    Menu Guida{Info, QStringLiteral("Guida"), QStringLiteral("&Guida")};

    void Form_QueryUnload(bool& cancel, UnloadMode mode) override;
    void Form_Unload(bool& cancel) override;
    void Esci_Click();
    void Guida_Click();
    virtual void cmdEsegui_Click() = 0;

    int argomentoGuida() const { return argomentoGuida_; }
    // True while the abandon question is up.
    bool domandaAperta() const { return domandaAperta_; }

protected:
    // Runs the step now, or, while the abandon question is up, once it has
    // been answered No: a timer that would close this window must not do it
    // under the question's feet. A step that closes the window and then
    // writes to the board checks that the window did close (see consegna).
    void quandoLibera(const std::function<void()>& passo);
    // The challenges' lettering: the show's rounded hand, on the window's
    // own background.
    static void scritta(Label& l, double punti, bool grassetto);
    // The base look every challenge window starts from.
    static constexpr quint32 kSfondo = 0xD8F4FF, kGiallo = 0xFFFF;
    // Each contestant's ink, for his name and his scores in every challenge.
    static constexpr quint32 kInchiostro[2] = {0x0040C0, 0xA05000};
    // And the caps of his keys: light green, light orange.
    static constexpr quint32 kColoreTasti[2] = {0xC0FFC0, 0xC0E0FF};

private:
    int argomentoGuida_;
    bool domandaAperta_ = false;
    bool abbandono_ = false;
    std::vector<std::function<void()>> rinviati_;
};

}  // namespace zolmera
