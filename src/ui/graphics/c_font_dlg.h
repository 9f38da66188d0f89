#pragma once

#include <memory>

#include <QDialog>

#include "app/editor_context.h"

namespace Ui {
class CFontDlg;
}

namespace talvek {

// "Font Editor": shows the 146 font tiles; Save only shows a message.
class CFontDlg : public QDialog {
    Q_OBJECT
public:
    explicit CFontDlg(const EditorContext &context, QWidget *parent = nullptr);
    ~CFontDlg() override;

private:
    std::unique_ptr<Ui::CFontDlg> ui;
    EditorContext context_;
};

// The message both viewers' Save buttons show instead of saving.
inline constexpr char kViewerSaveMessage[] = "OMG! CORRUPT ROM! DIE DIE DIE DIE DIE DIE!!1!1!!1!!1one";
inline constexpr char kPictureFailedMessage[] =
    "It could not be created, you suck or your computer sucks. Either or both are true.";

} // namespace talvek
