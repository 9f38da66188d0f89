#pragma once

#include <memory>

#include <QDialog>

#include "app/editor_context.h"
#include "app/opens_at_record.h"
#include "text/keyword_list.h"
#include "text/text_groups.h"

namespace Ui {
class CText;
}

namespace talvek {

// "Text Editor": the sixteen text groups, edited and saved in place through the codec.
class CText : public QDialog, public OpensAtRecord {
    Q_OBJECT
public:
    explicit CText(const EditorContext &context, QWidget *parent = nullptr);
    ~CText() override;
    // Selects group target.record and its entry target.entry.
    void openAt(const EditorTarget &target) override;

    static const char *const kHelpText;

private:
    void fillGroup();
    void selectEntry(int entry);
    void save();
    [[nodiscard]] bool storeEditedText(std::uint16_t pointerValue);
    void updateByteCount();
    // "Save" in bold and a "*" in the title while the text, finger position or pointer value on screen differ
    // from the entry as selected (or "Prefer DTE" is cleared, which makes Save encode the text again).
    void showChangedState();
    [[nodiscard]] int group() const;
    [[nodiscard]] bool usesDialogueEdit() const;
    [[nodiscard]] std::vector<std::uint8_t> encodedText(std::string *dropped = nullptr) const;
    [[nodiscard]] QString editedText() const;
    [[nodiscard]] bool textEdited() const;
    void showText(const TextEntryContent &content);

    std::unique_ptr<Ui::CText> ui;
    EditorContext context_;
    void rebuildKeywords();

    KeywordList keywords_;
    // Built with the keyword list, for the byte counter and Save: one per table of the set.
    std::unique_ptr<TextEntryEncoder> dteEncoder_;
    std::unique_ptr<TextEntryEncoder> plainEncoder_;
    TextEntryLocation location_;
    std::int64_t storedLength_ = 0;
    // What the edits showed when the entry was selected: an entry whose text was not edited is not written.
    QString shownText_;
    QString shownFinger_;
    bool shownComplete_ = true;
    QString title_;
};

} // namespace talvek
