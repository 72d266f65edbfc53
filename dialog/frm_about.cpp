#include "dialog/frm_about.h"

#include "dialog/dialog_host.h"
#include "dialog/program_icon.h"
#include "settings/program_files.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace skyfolio {
namespace {

constexpr int kIconSide = 48;
constexpr double kTitleScale = 1.6;

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    return l;
}

}  // namespace

frmAbout::frmAbout(DialogHost& host, QWidget& settingsWindow) : host_(host), settingsWindow_(settingsWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral(" About"));
    setWindowIcon(programIcon());
    setModal(false);

    picIcon = label(this, "picIcon", {});
    picIcon->setPixmap(programPicture(kIconSide));
    lblTitle = label(this, "lblTitle", QStringLiteral("Skyfolio"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * kTitleScale);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion0 = label(this, "lblVersion(0)", QStringLiteral("version 2.0"));
    lblVersion1 = label(this, "lblVersion(1)",
                        QStringLiteral("Visit our Website for Screen Savers and other great shareware!"));
    Website = new QPushButton(QStringLiteral("Our Website"), this);
    Website->setObjectName(QStringLiteral("Website"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion0, 1, 1);
    grid->addWidget(lblVersion1, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Website);
    buttons->addWidget(cmdOK);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(Website, &QPushButton::clicked, this, [this] { Website_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmAbout::Website_Click() { host_.OpenWebPage(helpPageAddress()); }

void frmAbout::cmdOK_Click() {
    close();
    settingsWindow_.show();
    settingsWindow_.raise();
    settingsWindow_.activateWindow();
}

}  // namespace skyfolio
