#include "app/ui/TFrmAbout.h"

#include "app/ui/Screens.h"
#include "app/ui/TCentredMemo.h"
#include "app/ui/UpdateFlow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFrmAbout::TFrmAbout(AppContext &context, Screens &screens)
    : Screen(context, QStringLiteral("TFrmAbout"), QStringLiteral("About")), m_screens(screens)
{
    MmoAbout = make<TCentredMemo>(QStringLiteral("MmoAbout"));
    MmoAbout->setLines({
        QStringLiteral("Utility Kelvane (V%1)").arg(AppVersion),
        QStringLiteral("Written and looked after by the Kelvane developers"),
        QStringLiteral("as free software for Firebird database administrators"),
        QStringLiteral("Contact: support@kelvane.example"),
        QStringLiteral("Web site: www.kelvane.example"),
        QStringLiteral("Database administration tools, schema editors, desktop utilities"),
        QString(),
        QStringLiteral("This program comes as it is, without warranty of any kind."),
        QStringLiteral("You may use and share it freely, at your own risk."),
        QStringLiteral("Back up a database before you change it."),
    });
    MmoAbout->setMinimumSize(460, 220);
    CmdClose = makeButton(QStringLiteral("CmdClose"), QStringLiteral("Close"));
    CmdUpd = makeButton(QStringLiteral("CmdUpd"), QStringLiteral("Check for Update"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MmoAbout);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(CmdUpd);
    buttons->addStretch();
    buttons->addWidget(CmdClose);
    layout->addLayout(buttons);

    on(CmdClose, &QPushButton::clicked, [this] { CmdCloseClick(); });
    on(CmdUpd, &QPushButton::clicked, [this] { CmdUpdClick(); });
}

void TFrmAbout::CmdCloseClick()
{
    close();
}

void TFrmAbout::CmdUpdClick()
{
    UpdateFlow update(context());
    if (update.UpdateAvailable()) {
        update.offerUpgrade();
        return;
    }
    if (Screen *message = m_screens.byName(QStringLiteral("TFrmUpdMsg")))
        context().shower->showModal(*message);
}
