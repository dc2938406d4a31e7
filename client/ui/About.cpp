#include "client/ui/About.h"

#include "client/WebUpdate.h"
#include "client/ui/ExtrudedLabel.h"
#include "client/ui/ProgramIcon.h"
#include "client/ui/ScreenRules.h"
#include "platform/MemoryStatus.h"
#include "platform/ShellOpen.h"

#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* NamedLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TFrmAbout::TFrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("About Ledgora (Ledgora)"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 9));

    ImgProgramIcon = NamedLabel(QStringLiteral("ImgProgramIcon"), this);
    ImgProgramIcon->setPixmap(ProgramIconPixmap(48));
    ImgProgramIcon->setFixedSize(48, 48);

    LblProductName = new ExtrudedLabel(QString(), this);
    LblProductName->setObjectName(QStringLiteral("LblProductName"));
    QFont nameFont(QStringLiteral("DejaVu Sans"));
    nameFont.setPixelSize(24);
    nameFont.setBold(true);
    LblProductName->setFont(nameFont);
    LblProductName->setDepth(4);
    LblProductName->setColors(Qt::black, Qt::gray);

    LblVersion = NamedLabel(QStringLiteral("LblVersion"), this);
    LblBuild = NamedLabel(QStringLiteral("LblBuild"), this);
    LblCopyright = NamedLabel(QStringLiteral("LblCopyright"), this);
    LblComments = NamedLabel(QStringLiteral("LblComments"), this);
    LblComments->setText(QStringLiteral("All rights reserved."));
    LblLicensedUse = NamedLabel(QStringLiteral("LblLicensedUse"), this);
    LblLicensedUse->setText(QStringLiteral("License Agreement governs your use of this  Program  and  the  EFW2  Module."));
    LblLicensedUse->setWordWrap(true);

    LblWebSite = NamedLabel(QStringLiteral("LblWebSite"), this);
    LblWebSite->setText(MakerWebSite());
    QFont link = LblWebSite->font();
    link.setUnderline(true);
    LblWebSite->setFont(link);
    LblWebSite->setCursor(Qt::PointingHandCursor);
    LblWebSite->installEventFilter(this);

    PhysMem = NamedLabel(QStringLiteral("PhysMem"), this);
    FreeRes = NamedLabel(QStringLiteral("FreeRes"), this);
    PhysMem->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FreeRes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    BtnOk = new QPushButton(QStringLiteral("OK"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(LblProductName);
    texts->addSpacing(6);
    for (QLabel* label : {LblVersion, LblBuild, LblCopyright, LblComments})
        texts->addWidget(label);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(ImgProgramIcon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* memory = new QFormLayout;
    memory->setLabelAlignment(Qt::AlignLeft);
    memory->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    memory->addRow(QStringLiteral("Physical Memory Available:"), PhysMem);
    memory->addRow(QStringLiteral("Memory in Use:"), FreeRes);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addWidget(LblLicensedUse);
    layout->addWidget(LblWebSite);
    layout->addStretch();
    layout->addWidget(line);
    layout->addLayout(memory);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    resize(395, 345);
    SetReadableInk(LblWebSite, Qt::blue);
}

void TFrmAbout::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFrmAbout::FormShow()
{
    LblProductName->setText(QStringLiteral("Ledgora 2026"));
    LblVersion->setText(QStringLiteral("Version 2026.00 (64-bit)"));
    LblBuild->setText(QStringLiteral("Build ") + GetBuildInfo());
    LblCopyright->setText(QStringLiteral("Copyright \u00a9 2026 Velmora"));
    if (const std::optional<MemoryStatus> memory = ReadMemoryStatus()) {
        PhysMem->setText(FormatKilobytes(memory->totalKB));
        FreeRes->setText(QStringLiteral("%1%").arg(memory->loadPercent));
    } else {
        PhysMem->setText(QStringLiteral("Unknown"));
        FreeRes->setText(QStringLiteral("Unknown"));
    }
}

void TFrmAbout::LblWebSiteClick()
{
    OpenWebPage(MakerWebSite());
    accept();
}

bool TFrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LblWebSite && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        LblWebSiteClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
