#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QObject>
#include <QString>

class QDialog;

namespace talvek {

class RomImage;

// Shows in a record editor when the fields on screen differ from the stored record: "Save" in bold and a "*"
// after the title. After each edit, pick and tick it stores the fields into a copy of the image and compares
// with what storing them gave when the record was shown, so the rules a Save applies to untouched values
// (listed in the README) do not count as changes.
class ChangedMarker : public QObject {
    Q_OBJECT
public:
    using Store = std::function<void(RomImage &)>;

    // "Save" in bold and " *" after the editor's title when changed; the plain title otherwise.
    static void mark(QDialog *editor, const QString &title, bool changed);

    // Attach once the editor has made its own connections, so a record change is shown before it is compared.
    static ChangedMarker *attach(QDialog *editor, const RomImage &image, Store store);

    // The record was just shown: its fields as they are now are the unchanged state.
    void rebase();
    // Compares now.
    void refresh();
    // Compares once control returns to the event loop: a record change fills many fields, one comparison does.
    void requestRefresh();
    [[nodiscard]] bool changed() const { return changed_; }

private:
    ChangedMarker(QDialog *editor, const RomImage &image, Store store);

    QDialog *editor_;
    const RomImage &image_;
    Store store_;
    QString title_;
    std::vector<std::uint8_t> baseline_;
    bool changed_ = false;
    bool pending_ = false;
};

} // namespace talvek
