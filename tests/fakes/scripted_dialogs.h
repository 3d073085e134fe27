#pragma once

#include "platform/dialog_service.h"

#include <cstddef>
#include <deque>
#include <iosfwd>
#include <vector>

namespace tulvane::test {

// Dialogs for tests: every question is answered from a queue the test fills in the order the
// questions will come, and recorded, so a test can check the exact text of every message.
// A question without a scripted answer, or with an answer of the wrong kind or a button the
// box does not offer, fails the test and gets the answer of a cancelled dialog. Answers left
// unused when the object dies fail the test too.
class ScriptedDialogs final : public platform::DialogService {
public:
    enum class Kind { MessageBox, InputBox, Open, Save };

    struct Question {
        Kind kind = Kind::MessageBox;
        QString text{};  // the message, or the input box's prompt
        QString title{};
        platform::MessageIcon icon = platform::MessageIcon::None;
        platform::MessageButtons buttons = platform::MessageButtons::Ok;
        QString defaultText{};  // the input box's default, or the file dialog's file name
        QString filter{};
        bool multiSelect = false;
        bool mustExist = true;  // an open dialog's

        bool operator==(const Question&) const = default;
    };

    ScriptedDialogs() = default;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
    ~ScriptedDialogs() override;

    void answer(platform::MessageAnswer button);
    void answerText(const QString& text);        // "" as Cancel
    void answerOpen(const QStringList& paths);   // none as Cancel
    void answerSave(const QString& path);        // "" as Cancel

    const std::vector<Question>& questions() const { return questions_; }
    std::size_t pendingAnswers() const { return answers_.size(); }

    platform::MessageAnswer messageBox(const QString& text, const QString& title,
                                       platform::MessageIcon icon,
                                       platform::MessageButtons buttons) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QStringList showOpen(const platform::OpenRequest& request) override;
    QString showSave(const platform::SaveRequest& request) override;

private:
    struct Answer {
        Kind kind = Kind::MessageBox;
        platform::MessageAnswer button = platform::MessageAnswer::Ok;
        QString text{};
        QStringList paths{};
    };

    // Records the question and takes the next answer into `answer` when it is of the
    // question's kind; false (and a failed test) otherwise.
    bool next(const Question& question, Answer& answer);

    std::vector<Question> questions_;
    std::deque<Answer> answers_;
};

void PrintTo(const ScriptedDialogs::Question& question, std::ostream* out);

}  // namespace tulvane::test
