#pragma once

#include <functional>
#include <vector>

#include <QGroupBox>

#include "app/editor_context.h"
#include "search/place.h"

class QDialog;
class QListWidget;

namespace talvek {

// "Where used": the places that use the record on screen, one per row in the command line's form; a
// double-click or Enter on a row asks to go there.
class WhereUsedList : public QGroupBox {
    Q_OBJECT
public:
    explicit WhereUsedList(QWidget *parent = nullptr);
    // A list added to an editor under its record list, so the dialog grows no taller. A chosen row leaves
    // the editor for its place, asking first when storing the fields on screen would change the image.
    static WhereUsedList *addTo(QDialog *editor, QWidget *recordList, const EditorContext &context,
                                std::function<void(RomImage &)> storeFields);

    // The places that use subject (an item's, a monster's or an AI record's name), shown in the title.
    void showPlaces(const std::vector<Place> &places, const QString &subject = {});
    [[nodiscard]] QListWidget *list() const { return list_; }
    [[nodiscard]] const std::vector<Place> &places() const { return places_; }

signals:
    void placeChosen(const talvek::Place &place);

private:
    QListWidget *list_;
    std::vector<Place> places_;
};

} // namespace talvek
