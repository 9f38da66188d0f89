#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "app/editor_context.h"
#include "history/history_store.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace talvek {

// "History": the restore points of the opened ROM, oldest first (saves undone since shown grey), the full
// list of changes of the one selected, and "Revert to before this save". Not modal: it stays open beside
// the main window, which does the revert and then shows the history again.
class CHistoryDlg : public QDialog {
    Q_OBJECT
public:
    CHistoryDlg(const SaveState &saves, QWidget *parent);

    // Reads the ROM's history folder again and lists it, keeping the selection where it can.
    void showHistoryOf(const std::string &romPath);
    // Wide enough for a summary line and a change line whole.
    [[nodiscard]] QSize sizeHint() const override { return {780, 480}; }

signals:
    void revertRequested(int number); // counted from 1

private:
    void showChangesOf(int row);

    const SaveState &saves_;
    std::string romPath_;
    std::vector<StoredPoint> points_;
    std::size_t head_ = 0;
    QTreeWidget *pointList_;
    QListWidget *changeList_;
    QLabel *statusLabel_;
    QPushButton *revertButton_;
};

} // namespace talvek
