#include "platform/qt_dialog_service.h"

#include "platform/ansi_text.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace tulvane::platform {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton qtButton(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok:
        break;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// The original platform's patterns ignore case and take "[" literally; Qt's wildcards do
// neither, so each letter becomes a set of its two cases.
QString caselessPattern(const QString& pattern)
{
    if (pattern == u"*.*")
        return QStringLiteral("*");
    QString out;
    for (const QChar c : pattern) {
        if (c == u'[') {
            out += QStringLiteral("[[]");
        } else if (c.unicode() < 128 && c.isLetter()) {
            out += u'[';
            out += c.toLower();
            out += c.toUpper();
            out += u']';
        } else {
            out += c;
        }
    }
    return out;
}

// Qt's dialog carries the names through its name field, where several names stand each
// between double quotes; a name that holds a double quote comes back from it cut at the quote
// (another file, or the folder), and its button is disabled for it. So the names are taken
// here where they stand whole: a name typed alone, or the files selected in the view while
// the field shows them as the dialog wrote them.
class FileDialog final : public QFileDialog {
public:
    FileDialog(const QString& title, AcceptMode mode)
        : QFileDialog(QApplication::activeWindow(), title)
    {
        setAcceptMode(mode);
    }

    QStringList chosenFiles() const { return chosen_.isEmpty() ? selectedFiles() : chosen_; }

    void accept() override
    {
        chosen_ = wholeNames(typed());
        if (chosen_.isEmpty())
            QFileDialog::accept();
        else
            QDialog::accept();
    }

protected:
    // Qt makes the dialog's widgets when it first shows.
    void showEvent(QShowEvent* event) override
    {
        QFileDialog::showEvent(event);
        if (field_ != nullptr)
            return;
        field_ = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (const auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")))
            acceptButton_ = buttons->button(acceptMode() == AcceptOpen ? QDialogButtonBox::Open : QDialogButtonBox::Save);
        if (field_ == nullptr || acceptButton_ == nullptr)
            return;
        // After Qt's own handler of the same signal.
        connect(field_, &QLineEdit::textChanged, this, [this] { keepAcceptEnabled(); });
        acceptButton_->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == acceptButton_ && event->type() == QEvent::EnabledChange)
            keepAcceptEnabled();
        return QFileDialog::eventFilter(watched, event);
    }

private:
    // Qt disables the button for the names it cuts; they are good names here.
    void keepAcceptEnabled()
    {
        if (!acceptButton_->isEnabled() && !wholeNames(typed()).isEmpty())
            acceptButton_->setEnabled(true);
    }

    QString typed() const { return field_ != nullptr ? field_->text() : QString(); }

    // The names of the field where Qt's reading would cut them; none where Qt reads it right
    // (nothing typed, a folder to open, several names typed by hand).
    QStringList wholeNames(const QString& typed) const
    {
        const QFileInfo alone(directory(), typed);
        if (typed.isEmpty() || alone.isDir())
            return {};
        if (acceptMode() == AcceptSave)
            return typed.contains(u'"') ? QStringList{alone.absoluteFilePath()} : QStringList{};
        if (alone.isFile())
            return {alone.absoluteFilePath()};
        QModelIndexList rows = selectedFileRows();
        if (rows.size() < 2 || typed != quotedNames(rows))
            return {};
        std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
        QStringList files;
        for (const QModelIndex& row : rows)
            files += row.data(QFileSystemModel::FilePathRole).toString();
        return files;
    }

    // What the view has selected but folders, in the order of the selection, as the field
    // shows them.
    QModelIndexList selectedFileRows() const
    {
        const auto* view = findChild<QAbstractItemView*>(QStringLiteral("listView"));
        if (view == nullptr)
            return {};
        QModelIndexList files;
        for (const QModelIndex& row : view->selectionModel()->selectedRows()) {
            if (!QFileInfo(row.data(QFileSystemModel::FilePathRole).toString()).isDir())
                files += row;
        }
        return files;
    }

    static QString quotedNames(const QModelIndexList& rows)
    {
        QStringList names;
        for (const QModelIndex& row : rows)
            names += u'"' + row.data().toString() + u'"';
        return names.join(u' ');
    }

    QLineEdit* field_ = nullptr;
    QPushButton* acceptButton_ = nullptr;
    QStringList chosen_;
};

// The dialog shows only the descriptions, as the original platform does; the patterns stay
// in the filters for matching. It opens on the names alone, as the original platform's does.
void prepare(QFileDialog& dialog, const QString& filter, const QString& fileName)
{
    const QStringList filters = qtNameFilters(filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setViewMode(QFileDialog::List);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
}

}  // namespace

QStringList qtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';')) {
            if (const QString p = pattern.trimmed(); !p.isEmpty())
                patterns += caselessPattern(p);
        }
        if (!patterns.isEmpty())
            filters += parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}

QString confirmSavePath(const SaveRequest& request, DialogService& asker,
                        const std::function<QString(const QString& proposed)>& pick)
{
    QString proposed = request.fileName;
    for (;;) {
        const QString path = pick(proposed);
        if (path.isEmpty())
            return {};
        proposed = path;
        if (const QString obstacle = writeObstacle(path); !obstacle.isEmpty()) {
            asker.messageBox(obstacle + QStringLiteral("\nVeuillez choisir un autre nom."),
                             request.title, MessageIcon::Exclamation, MessageButtons::Ok);
            continue;
        }
        if (!QFileInfo::exists(path))
            return path;
        const QString replace =
            QStringLiteral("Le fichier '%1' existe déjà.\nVoulez-vous le remplacer ?").arg(path);
        if (asker.messageBox(replace, request.title, MessageIcon::Exclamation,
                             MessageButtons::YesNo) == MessageAnswer::Yes)
            return path;
    }
}

MessageAnswer QtDialogService::messageBox(const QString& text, const QString& title,
                                          MessageIcon icon, MessageButtons buttons)
{
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::NoButton, QApplication::activeWindow());
    // Paths and tag texts go into messages: never let them be read as markup.
    box.setTextFormat(Qt::PlainText);
    const std::vector<MessageAnswer> answers = answersOf(buttons);
    for (const MessageAnswer answer : answers)
        box.addButton(qtButton(answer));
    box.setDefaultButton(qtButton(answers.front()));
    box.setEscapeButton(box.button(qtButton(escapeAnswer(buttons))));
    box.exec();
    for (const MessageAnswer answer : answers) {
        if (box.clickedButton() == box.button(qtButton(answer)))
            return answer;
    }
    return escapeAnswer(buttons);
}

QString QtDialogService::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    if (auto* label = dialog.findChild<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QStringList QtDialogService::showOpen(const OpenRequest& request)
{
    FileDialog dialog(request.title, QFileDialog::AcceptOpen);
    dialog.setFileMode(!request.mustExist   ? QFileDialog::AnyFile
                       : request.multiSelect ? QFileDialog::ExistingFiles
                                             : QFileDialog::ExistingFile);
    prepare(dialog, request.filter, request.fileName);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenFiles() : QStringList();
}

QString QtDialogService::showSave(const SaveRequest& request)
{
    return confirmSavePath(request, *this, [&request](const QString& proposed) {
        FileDialog dialog(request.title, QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Replacing is asked by confirmSavePath, in French, after the read-only check.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        prepare(dialog, request.filter, proposed);
        if (dialog.exec() != QDialog::Accepted || dialog.chosenFiles().isEmpty())
            return QString();
        return dialog.chosenFiles().constFirst();
    });
}

}  // namespace tulvane::platform
