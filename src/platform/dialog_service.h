#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tulvane::platform {

enum class MessageIcon { None, Information, Question, Exclamation, Critical };

// Only the button sets the program asks with; the buttons are offered in this order.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

enum class MessageAnswer { Ok, Cancel, Yes, No };

inline std::vector<MessageAnswer> answersOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return {MessageAnswer::Ok};
    case MessageButtons::OkCancel:
        return {MessageAnswer::Ok, MessageAnswer::Cancel};
    case MessageButtons::YesNo:
        return {MessageAnswer::Yes, MessageAnswer::No};
    case MessageButtons::YesNoCancel:
        return {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
    }
    return {};
}

// What a box gives when the user closes it without a button (Escape, the frame's close):
// Cancel when offered, else No, else OK.
inline MessageAnswer escapeAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        break;
    }
    return MessageAnswer::Cancel;
}

// An open dialog. `filter` is "description|patterns|description|patterns...", the patterns of
// one entry separated by ";"; the first entry is chosen at opening. `fileName` is the file the
// dialog opens on ("" for none). Without `mustExist`, one name may be typed for a file that
// does not exist yet.
struct OpenRequest {
    QString title{};
    QString filter{};
    QString fileName{};
    bool multiSelect = false;
    bool mustExist = true;
};

// A save dialog; `fileName` is the proposed name ("" for none). No extension is ever added.
struct SaveRequest {
    QString title{};
    QString filter{};
    QString fileName{};
};

// Every question the program puts to the user: message boxes, the input box, file dialogs.
class DialogService {
public:
    virtual ~DialogService() = default;

    // Lines of `text` are joined by "\n". Returns the button pressed.
    virtual MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                                     MessageButtons buttons) = 0;

    // Returns the text typed, "" on Cancel.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;

    // Returns the full paths chosen, in the dialog's order; none on Cancel. A single choice
    // gives one path, so "one file or several" is the size of the list, and a file's title
    // (its name with extension) is QFileInfo::fileName() of its path. Only existing files
    // can be chosen, unless the request says otherwise.
    virtual QStringList showOpen(const OpenRequest& request) = 0;

    // Returns the full path to write, "" on Cancel. The dialog has already refused a file
    // that cannot be written and asked before an existing file is replaced.
    virtual QString showSave(const SaveRequest& request) = 0;
};

}  // namespace tulvane::platform
