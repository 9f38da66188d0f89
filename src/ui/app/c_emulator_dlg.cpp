#include "c_emulator_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui_services.h"

namespace talvek {

CEmulatorDlg::CEmulatorDlg(UiServices &services, const QString &command, QWidget *parent)
    : QDialog(parent), services_(services), commandCombo_(new QComboBox(this))
{
    setObjectName(QStringLiteral("emulatorDialog"));
    setWindowTitle(QStringLiteral("Emulator"));
    commandCombo_->setObjectName(QStringLiteral("commandCombo"));
    commandCombo_->setEditable(true);
    commandCombo_->setInsertPolicy(QComboBox::NoInsert);
    commandCombo_->addItems({QStringLiteral("fceux %f"), QStringLiteral("mesen %f"), QStringLiteral("nestopia %f"),
                             QStringLiteral("punes %f"), QStringLiteral("higan %f"),
                             QStringLiteral("retroarch -L /usr/lib/x86_64-linux-gnu/libretro/nestopia_libretro.so %f")});
    commandCombo_->setEditText(command);
    commandCombo_->setMinimumContentsLength(48);

    auto *browseButton = new QPushButton(QStringLiteral("Browse..."), this);
    browseButton->setObjectName(QStringLiteral("browseButton"));
    browseButton->setAutoDefault(false);
    auto *row = new QHBoxLayout;
    row->addWidget(commandCombo_, 1);
    row->addWidget(browseButton);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Command line of the emulator (%f stands for the ROM file; without it "
                                                "the file is added at the end):"),
                                 this));
    layout->addLayout(row);
    layout->addWidget(buttons);

    connect(browseButton, &QPushButton::clicked, this, &CEmulatorDlg::browse);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString CEmulatorDlg::command() const
{
    return commandCombo_->currentText().trimmed();
}

void CEmulatorDlg::browse()
{
    if (const auto program = services_.chooseFileToOpen(this, QStringLiteral("Choose the emulator"), QStringLiteral("All files (*)")))
        commandCombo_->setEditText(QStringLiteral("\"%1\" %f").arg(*program));
}

} // namespace talvek
