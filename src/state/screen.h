#pragma once
// The base of the game's screens: a window that knows the application context.
#include "platform/form.h"
#include "state/context.h"

namespace zolmera {

class Screen : public Form {
public:
    Screen(AppContext& context, const QString& name, int clientWidthTw, int clientHeightTw)
        : Form(context.sys, name, clientWidthTw, clientHeightTw), ctx(context), M(context.M)
    {
    }

    // The topic F1 opens; 0 for none.
    void setHelpContextId(int topic) { helpContextId_ = topic; }
    void helpRequested() override
    {
        if (helpContextId_ > 0)
            showHelp(helpContextId_);
    }

    // A numbered variant of a sound: the stem and a number drawn from 1 to
    // quante after reseeding ("nullo" and 3 give "nullo1.wav" to "nullo3.wav").
    QString nomeVariante(const QString& radice, int quante)
    {
        ctx.sys.random.randomize();
        return radice + QString::number(ctx.sys.random.draw(quante)) + QStringLiteral(".wav");
    }
    // Files of the edition's sound and picture folders.
    QString suono(const QString& nome) const { return ctx.editionFile(QStringLiteral("sounds"), nome); }
    QString immagine(const QString& nome) const { return ctx.editionFile(QStringLiteral("images"), nome); }

    // The screen's world, open to the components that work on it.
    AppContext& ctx;
    Modulo1& M;

protected:
    // A message box in the game's terms.
    int msgBox(const QString& prompt, int flags = 0, const QString& title = {})
    {
        return ctx.sys.messages.msgBox(prompt, flags, title);
    }
    // Opens the help at a topic of this screen.
    void showHelp(int topic) { ctx.sys.help.showTopic(ctx.helpFile(), topic); }

private:
    int helpContextId_ = 0;
};

}  // namespace zolmera
