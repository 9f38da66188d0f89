#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>

#include "app/ui_services.h"

namespace talvek::test {

// Records every message and question and answers from a script, so no test blocks on a window.
class ScriptedUiServices : public UiServices {
public:
    struct Message {
        std::string text;
        std::string caption;
    };

    void showMessage(QWidget *, const QString &text, const QString &caption = {}) override
    {
        events.push_back("message");
        messages.push_back({text.toStdString(), (caption.isEmpty() ? applicationTitle() : caption).toStdString()});
    }

    std::optional<QString> chooseRomToOpen(QWidget *) override
    {
        events.push_back("open");
        if (openAnswers.empty())
            return std::nullopt;
        auto answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }

    std::optional<QString> chooseFileToOpen(QWidget *, const QString &caption, const QString &) override
    {
        events.push_back("open file " + caption.toStdString());
        return takeFile();
    }
    std::optional<QString> chooseFileToSave(QWidget *, const QString &caption, const QString &,
                                            const QString &suggestedPath) override
    {
        events.push_back("save file " + caption.toStdString());
        suggestedPaths.push_back(suggestedPath);
        return takeFile();
    }

    bool askYesNo(QWidget *, const QString &text, const QString &caption = {}) override
    {
        events.push_back("question");
        questions.push_back({text.toStdString(), (caption.isEmpty() ? applicationTitle() : caption).toStdString()});
        if (yesNoAnswers.empty())
            return false;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }

    int runDialog(QDialog &dialog) override
    {
        events.push_back("dialog " + dialog.objectName().toStdString());
        return onDialog ? onDialog(dialog) : QDialog::Rejected;
    }

    std::optional<int> pickNesColor(QWidget *, const NesPalette &, int startColor) override
    {
        events.push_back("pickNesColor " + std::to_string(startColor));
        return takeAnswer(colorAnswers);
    }

    std::optional<int> pickBattlePalette(QWidget *, const RomImage &, const NesPalette &, int originalPalette) override
    {
        events.push_back("pickBattlePalette " + std::to_string(originalPalette));
        return takeAnswer(paletteAnswers);
    }

    // Yes, No or Cancel; Cancel when no answer is left.
    Answer askYesNoCancel(QWidget *, const QString &text, const QString &caption = {}) override
    {
        events.push_back("question");
        questions.push_back({text.toStdString(), (caption.isEmpty() ? applicationTitle() : caption).toStdString()});
        if (threeWayAnswers.empty())
            return Answer::Cancel;
        const Answer answer = threeWayAnswers.front();
        threeWayAnswers.pop_front();
        return answer;
    }

    std::vector<std::string> events;
    std::deque<Answer> threeWayAnswers;
    std::vector<QString> suggestedPaths;
    std::deque<std::optional<int>> colorAnswers;
    std::deque<std::optional<int>> paletteAnswers;
    std::vector<Message> messages;
    std::vector<Message> questions;
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<std::optional<QString>> openAnswers;
    std::function<int(QDialog &)> onDialog;

private:
    std::optional<QString> takeFile()
    {
        if (fileAnswers.empty())
            return std::nullopt;
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }

    static std::optional<int> takeAnswer(std::deque<std::optional<int>> &answers)
    {
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace talvek::test
