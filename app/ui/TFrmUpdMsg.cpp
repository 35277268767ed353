#include "app/ui/TFrmUpdMsg.h"

#include "app/UpdateCheck.h"
#include "app/ui/TCentredMemo.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFrmUpdMsg::TFrmUpdMsg(AppContext &context)
    : Screen(context, QStringLiteral("TFrmUpdMsg"), QStringLiteral("Update Message"))
{
    MmoUpd = make<TCentredMemo>(QStringLiteral("MmoUpd"));
    MmoUpd->setLines({QStringLiteral("You have the latest version"), QStringLiteral("of Utility Kelvane"),
                      QStringLiteral("For more free software visit:"), UpdateCheck::DownloadPageUrl});
    MmoUpd->setMinimumSize(340, 100);
    CmdOK = makeButton(QStringLiteral("CmdOK"), QStringLiteral("OK"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MmoUpd);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdOK);
    buttons->addStretch();
    layout->addLayout(buttons);

    on(CmdOK, &QPushButton::clicked, [this] { CmdOKClick(); });
}

void TFrmUpdMsg::CmdOKClick()
{
    close();
}
