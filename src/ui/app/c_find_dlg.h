#pragma once

#include <optional>
#include <vector>

#include <QDialog>

#include "rom/rom_image.h"
#include "search/text_search.h"
#include "text/text_table.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace talvek {

// "Find": every record name and text entry that contains all the words typed, best first, as "where: text"
// rows; Enter or a double-click on a row asks to open its editor there. Not modal: it stays beside the main
// window, which opens the editor. The search box keeps the keyboard: Up, Down, Page Up and Page Down move
// through the results.
class CFindDlg : public QDialog {
    Q_OBJECT
public:
    CFindDlg(const RomImage &image, QWidget *parent);

    // Searches the image as it is now with table (the names' table of the image's set). Every search reads
    // the index again when the image or the table changed since the last one.
    void refresh(const TextTable &table);
    [[nodiscard]] QLineEdit *searchEdit() const { return searchEdit_; }
    [[nodiscard]] QListWidget *resultList() const { return resultList_; }
    [[nodiscard]] QSize sizeHint() const override { return {640, 420}; }

signals:
    void placeChosen(const talvek::Place &place);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search();
    void chooseRow(int row);

    const RomImage &image_;
    const TextTable *table_ = nullptr;
    const TextTable *indexedTable_ = nullptr;
    std::vector<std::uint8_t> indexedBytes_;
    std::optional<TextSearch> index_;
    std::vector<Place> shown_;
    QLineEdit *searchEdit_;
    QListWidget *resultList_;
    QLabel *statusLabel_;
};

} // namespace talvek
