#pragma once

#include "platform/dialog_service.h"

#include <functional>

namespace tulvane::platform {

// Qt name filters for a filter "description|*.a;*.b|...": one "description (patterns)" per
// pair, in order; a pair without patterns is left out. As on the original platform, "*.*"
// means every file and a pattern matches names in either case.
QStringList qtNameFilters(const QString& filter);

// What follows the user's choice in a save dialog: a name that cannot be written is refused,
// and an existing file is replaced only after a Yes; either way the dialog opens again on
// the name chosen. `pick` shows the dialog on a proposed name and returns the choice, "" on
// Cancel; `asker` puts the two questions.
QString confirmSavePath(const SaveRequest& request, DialogService& asker,
                        const std::function<QString(const QString& proposed)>& pick);

// The dialogs on Qt, modal over the active window. Their standard captions come from Qt's
// French catalogue, which the program installs at start-up.
class QtDialogService final : public DialogService {
public:
    MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QStringList showOpen(const OpenRequest& request) override;
    QString showSave(const SaveRequest& request) override;
};

}  // namespace tulvane::platform
