#include "shot_ui_services.h"

#include <utility>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>

#include "graphics/c_battle_palettes.h"
#include "graphics/c_nes_color.h"

namespace talvek::shots {

ShotUiServices::ShotUiServices(std::filesystem::path directory) : directory_(std::move(directory)) {}

QString ShotUiServices::takeName(const QString &fallback)
{
    QString name = nextName_.isEmpty() ? fallback + QString::number(++counter_) : nextName_;
    nextName_.clear();
    return name;
}

void ShotUiServices::save(QWidget &window, const QString &name)
{
    window.show();
    window.adjustSize();
    QApplication::processEvents();
    const QPixmap content = window.grab();
    // Offscreen windows have no title bar: draw the caption above the content.
    const int strip = window.fontMetrics().height() + 10;
    QPixmap framed(content.width(), content.height() + strip);
    framed.fill(QColor(0x3A, 0x4A, 0x6A));
    QPainter painter(&framed);
    painter.setPen(Qt::white);
    painter.drawText(QRect(8, 0, content.width() - 16, strip), Qt::AlignVCenter | Qt::AlignLeft, window.windowTitle());
    painter.drawPixmap(0, strip, content);
    painter.end();
    framed.save(QString::fromStdString((directory_ / (name.toStdString() + ".png")).string()));
    window.hide();
}

void ShotUiServices::showMessage(QWidget *parent, const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption.isEmpty() ? applicationTitle() : caption, text, QMessageBox::Ok,
                    parent);
    save(box, takeName(QStringLiteral("message_")));
}

std::optional<QString> ShotUiServices::chooseRomToOpen(QWidget *)
{
    if (openAnswers_.empty())
        return std::nullopt;
    QString path = openAnswers_.front();
    openAnswers_.pop();
    return path;
}

bool ShotUiServices::askYesNo(QWidget *parent, const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, caption.isEmpty() ? applicationTitle() : caption, text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    save(box, takeName(QStringLiteral("question_")));
    return false;
}

UiServices::Answer ShotUiServices::askYesNoCancel(QWidget *parent, const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, caption.isEmpty() ? applicationTitle() : caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    save(box, takeName(QStringLiteral("question_")));
    return Answer::Cancel;
}

int ShotUiServices::runDialog(QDialog &dialog)
{
    if (!nextDialogName_.isEmpty()) {
        if (prepareNextDialog_)
            std::exchange(prepareNextDialog_, {})(dialog);
        save(dialog, nextDialogName_);
        nextDialogName_.clear();
        return QDialog::Rejected;
    }
    save(dialog, takeName(QStringLiteral("dialog_")));
    return QDialog::Rejected;
}

std::optional<int> ShotUiServices::pickNesColor(QWidget *parent, const NesPalette &palette, int startColor)
{
    CNESColor picker(palette, startColor, parent);
    save(picker, takeName(QStringLiteral("nes_colors_")));
    return std::nullopt;
}

std::optional<int> ShotUiServices::pickBattlePalette(QWidget *parent, const RomImage &image, const NesPalette &palette,
                                                     int originalPalette)
{
    CBattlePalettes chooser(image, palette, originalPalette, parent);
    save(chooser, takeName(QStringLiteral("battle_palettes_")));
    return std::nullopt;
}

} // namespace talvek::shots
