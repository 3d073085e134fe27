#include "fakes/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace tulvane::test {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

const char* nameOf(ScriptedDialogs::Kind kind)
{
    switch (kind) {
    case ScriptedDialogs::Kind::MessageBox:
        return "message box";
    case ScriptedDialogs::Kind::InputBox:
        return "input box";
    case ScriptedDialogs::Kind::Open:
        return "open dialog";
    case ScriptedDialogs::Kind::Save:
        return "save dialog";
    }
    return "?";
}

const char* nameOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return "None";
    case MessageIcon::Information:
        return "Information";
    case MessageIcon::Question:
        return "Question";
    case MessageIcon::Exclamation:
        return "Exclamation";
    case MessageIcon::Critical:
        return "Critical";
    }
    return "?";
}

const char* nameOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return "Ok";
    case MessageButtons::OkCancel:
        return "OkCancel";
    case MessageButtons::YesNo:
        return "YesNo";
    case MessageButtons::YesNoCancel:
        return "YesNoCancel";
    }
    return "?";
}

const char* nameOf(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok:
        return "Ok";
    case MessageAnswer::Cancel:
        return "Cancel";
    case MessageAnswer::Yes:
        return "Yes";
    case MessageAnswer::No:
        return "No";
    }
    return "?";
}

}  // namespace

void PrintTo(const ScriptedDialogs::Question& q, std::ostream* out)
{
    *out << nameOf(q.kind) << " {text \"" << q.text.toStdString() << "\", title \""
         << q.title.toStdString() << "\"";
    if (q.kind == ScriptedDialogs::Kind::MessageBox)
        *out << ", icon " << nameOf(q.icon) << ", buttons " << nameOf(q.buttons);
    else
        *out << ", default \"" << q.defaultText.toStdString() << "\"";
    if (q.kind == ScriptedDialogs::Kind::Open || q.kind == ScriptedDialogs::Kind::Save)
        *out << ", filter \"" << q.filter.toStdString() << "\"";
    if (q.multiSelect)
        *out << ", multiple";
    if (!q.mustExist)
        *out << ", may not exist";
    *out << "}";
}

ScriptedDialogs::~ScriptedDialogs()
{
    if (!answers_.empty())
        ADD_FAILURE() << answers_.size() << " scripted answer(s) never asked for; the first is for the "
                      << nameOf(answers_.front().kind);
}

void ScriptedDialogs::answer(MessageAnswer button)
{
    answers_.push_back({.kind = Kind::MessageBox, .button = button});
}

void ScriptedDialogs::answerText(const QString& text)
{
    answers_.push_back({.kind = Kind::InputBox, .text = text});
}

void ScriptedDialogs::answerOpen(const QStringList& paths)
{
    answers_.push_back({.kind = Kind::Open, .paths = paths});
}

void ScriptedDialogs::answerSave(const QString& path)
{
    answers_.push_back({.kind = Kind::Save, .text = path});
}

bool ScriptedDialogs::next(const Question& question, Answer& answer)
{
    questions_.push_back(question);
    if (answers_.empty()) {
        ADD_FAILURE() << "unscripted question: " << testing::PrintToString(question);
        return false;
    }
    if (answers_.front().kind != question.kind) {
        ADD_FAILURE() << "the next scripted answer is for the " << nameOf(answers_.front().kind)
                      << ", but the question is: " << testing::PrintToString(question);
        return false;
    }
    answer = std::move(answers_.front());
    answers_.pop_front();
    return true;
}

MessageAnswer ScriptedDialogs::messageBox(const QString& text, const QString& title,
                                          MessageIcon icon, MessageButtons buttons)
{
    Answer answer;
    if (!next({.kind = Kind::MessageBox, .text = text, .title = title, .icon = icon,
               .buttons = buttons},
              answer))
        return platform::escapeAnswer(buttons);
    const std::vector<MessageAnswer> offered = platform::answersOf(buttons);
    if (std::find(offered.begin(), offered.end(), answer.button) == offered.end()) {
        ADD_FAILURE() << "scripted button " << nameOf(answer.button)
                      << " is not offered by: " << testing::PrintToString(questions_.back());
        return platform::escapeAnswer(buttons);
    }
    return answer.button;
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText)
{
    Answer answer;
    if (!next({.kind = Kind::InputBox, .text = prompt, .title = title, .defaultText = defaultText},
              answer))
        return {};
    return answer.text;
}

QStringList ScriptedDialogs::showOpen(const platform::OpenRequest& request)
{
    Answer answer;
    if (!next({.kind = Kind::Open, .title = request.title, .defaultText = request.fileName,
               .filter = request.filter, .multiSelect = request.multiSelect, .mustExist = request.mustExist},
              answer))
        return {};
    if (!request.multiSelect && answer.paths.size() > 1) {
        ADD_FAILURE() << "scripted " << answer.paths.size() << " paths for a single-selection "
                      << testing::PrintToString(questions_.back());
        return {};
    }
    return answer.paths;
}

QString ScriptedDialogs::showSave(const platform::SaveRequest& request)
{
    Answer answer;
    if (!next({.kind = Kind::Save, .title = request.title, .defaultText = request.fileName,
               .filter = request.filter},
              answer))
        return {};
    return answer.text;
}

}  // namespace tulvane::test
