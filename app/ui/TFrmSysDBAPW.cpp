#include "app/ui/TFrmSysDBAPW.h"

#include "app/ui/TEdit.h"

#include <QPushButton>
#include <QVBoxLayout>

TFrmSysDBAPW::TFrmSysDBAPW(AppContext &context)
    : Screen(context, QStringLiteral("TFrmSysDBAPW"), QStringLiteral("Set Administration Password for This Session"))
{
    TxtSYSDBA = make<TEdit>(QStringLiteral("TxtSYSDBA"));
    TxtSYSDBA->setText(QStringLiteral("SYSDBA"));
    TxtPW = make<TEdit>(QStringLiteral("TxtPW"));
    TxtPW->setMasked();
    TxtPW->setText(QStringLiteral("plumbline"));
    CmdSetPW = makeButton(QStringLiteral("CmdSetPW"), QStringLiteral("Set Password"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(TxtSYSDBA);
    layout->addWidget(TxtPW);
    layout->addWidget(CmdSetPW, 0, Qt::AlignLeft);
    resize(360, sizeHint().height());

    on(CmdSetPW, &QPushButton::clicked, [this] { CmdSetPWClick(); });
}

void TFrmSysDBAPW::CmdSetPWClick()
{
    session().SysdbaUser = TxtSYSDBA->text();
    session().SysdbaPassword = TxtPW->text();
    accept();
}
