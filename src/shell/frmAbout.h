#pragma once
// The about box, over the board: the program's title and version, its
// credits, the web site and the support address.
#include "platform/controls.h"
#include "state/screen.h"

namespace zolmera {

class frmAbout final : public Screen {
public:
    explicit frmAbout(AppContext& context);

    static constexpr int kMajor = 3, kMinor = 2, kRevision = 1;

    Image Image1{*this, QStringLiteral("Image1")};
    Label lblTitle{*this, QStringLiteral("lblTitle")};
    Label lblVersion{*this, QStringLiteral("lblVersion")};
    Label lblDescription{*this, QStringLiteral("lblDescription")};
    Label Label1{*this, QStringLiteral("Label1")};
    TextBox Text1{*this, QStringLiteral("Text1"), true};
    Label Label2{*this, QStringLiteral("Label2"), QStringLiteral("sito:")};
    Label lblSito{*this, QStringLiteral("lblSito")};
    Label Label3{*this, QStringLiteral("Label3"), QStringLiteral("e-mail:")};
    Label lblPosta{*this, QStringLiteral("lblPosta")};
    CommandButton cmdOK{*this, QStringLiteral("cmdOK"), QStringLiteral("Ok")};
    CommandButton cmdSysInfo{*this, QStringLiteral("cmdSysInfo"), QStringLiteral("Info Sistema")};

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();
    void lblSito_Click();
    void lblPosta_Click();
};

}  // namespace zolmera
