#include "app/ui/TFrmisqlLocation.h"

#include "app/ui/TEdit.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmisqlLocation::TFrmisqlLocation(AppContext &context)
    : Screen(context, QStringLiteral("TFrmisqlLocation"), QStringLiteral("FrmisqlLocation"))
{
    LblIsqlLocation = makeLabel(QStringLiteral("LblIsqlLocation"), QStringLiteral("Location for the ISQL.EXE file"));
    TxtIsqlLocation = make<TEdit>(QStringLiteral("TxtIsqlLocation"));
    LblNote = makeLabel(QStringLiteral("LblNote"), QString());
    CmdDBBrowse = makeButton(QStringLiteral("CmdDBBrowse"), QStringLiteral("Browse"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(LblIsqlLocation);
    auto *row = new QHBoxLayout;
    row->addWidget(TxtIsqlLocation, 1);
    row->addWidget(CmdDBBrowse);
    layout->addLayout(row);
    layout->addWidget(LblNote);
    resize(420, sizeHint().height());

    on(CmdDBBrowse, &QPushButton::clicked, [this] { CmdDBBrowseClick(); });
}

QString TFrmisqlLocation::folderOf(const QString &fileName)
{
    return fileName.left(fileName.lastIndexOf(QLatin1Char('/')) + 1);
}

void TFrmisqlLocation::FormShow()
{
    LblNote->setText(QStringLiteral("NOTE: the ISQL.EXE file is normaly located in the") + LineBreak
                     + QStringLiteral(" bin directory under the installation directory."));
}

void TFrmisqlLocation::CmdDBBrowseClick()
{
    // Any file is accepted: the dialog has no filter and the choice is not checked.
    const QString chosen = context().files->openFileName(this, LblIsqlLocation->text());
    if (!chosen.isEmpty())
        m_dialogFileName = chosen;
    session().IsqlFolder = folderOf(m_dialogFileName);
    if (!m_dialogFileName.isEmpty())
        accept();
}
